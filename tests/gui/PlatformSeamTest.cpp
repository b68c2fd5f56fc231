#include "ColorAndFont.h"
#include "CommonDialogs.h"
#include "Form.h"
#include "PlatformSeam.h"

#include "FakePlatformSeam.h"
#include "Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(PlatformSeam, TheMessageBoxesGoThroughTheInstalledSeam)
{
    FakePlatformSeam seam;
    const TMessageHook previousMessage = SetShowMessageHook({});
    const TMessageHook previousError = SetErrorBoxHook({});
    InstallMessageBoxes();
    ShowMessage("Input error.");
    ShowErrorBox("Range check error");
    SetShowMessageHook(previousMessage);
    SetErrorBoxHook(previousError);
    EXPECT_EQ(seam.Messages, std::vector<std::string>{"Input error."});
    EXPECT_EQ(seam.Errors, std::vector<std::string>{"Range check error"});
}

TEST(PlatformSeam, AMessageBoxShowsAboveTheDialogThatStaysOnTop)
{
    TForm dialog;
    dialog.SetToolWindow(true);
    QWidget* owner = nullptr;
    bool onTop = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTimer::singleShot(0, &dialog, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    owner = box->parentWidget();
                    onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                    box->accept();
                }
            }
        });
        Platform().MessageBox("Overflow");
        dialog.close();
    });
    dialog.ShowModal();
    EXPECT_EQ(owner, &dialog);
    EXPECT_TRUE(onTop);
}

TEST(PlatformSeam, AFileDialogProposesItsNameAndKeepsItOnCancel)
{
    FakePlatformSeam seam;
    TFileDialog dialog(TFileDialog::TKind::Save, nullptr);
    dialog.SetSpec({QStringLiteral("Title"), QStringLiteral("form style|*.fms"), QStringLiteral(".fms")});
    dialog.SetFileName("/old.fms");
    seam.FileAnswers = {std::nullopt, std::string("/new.fms")};

    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/old.fms");
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/new.fms");

    ASSERT_EQ(seam.FileRequests.size(), 2u);
    EXPECT_TRUE(seam.FileRequests[0].save);
    EXPECT_EQ(seam.FileRequests[0].proposed, "/old.fms");
    EXPECT_EQ(seam.FileRequests[1].spec.Filter, QStringLiteral("form style|*.fms"));
}

TEST(ColorAndFont, OptionColoursHoldRedInTheLowByte)
{
    struct Case {
        int32_t value;
        QColor color;
    };
    const Case cases[] = {
        {0x0000FF, QColor(255, 0, 0)},
        {0xFF0000, QColor(0, 0, 255)},
        {0x333333, QColor(0x33, 0x33, 0x33)},
        {0x123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(ColorFromValue(test.value), test.color) << test.value;
        EXPECT_EQ(ValueFromColor(test.color), test.value);
    }
}

TEST(ColorAndFont, AFontKeepsItsFaceSizeAndStyleBits)
{
    for (uint8_t style = 0; style < 16; ++style) {
        const QFont font = FontFromSpec("DejaVu Sans", 11, style);
        EXPECT_EQ(font.family().toStdString(), "DejaVu Sans");
        EXPECT_EQ(font.pointSize(), 11);
        EXPECT_EQ(FontStyleBits(font), style);
    }
}

} // namespace
