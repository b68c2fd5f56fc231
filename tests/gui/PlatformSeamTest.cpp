#include "ColorAndFont.h"
#include "CommonDialogs.h"
#include "Form.h"
#include "PlatformSeam.h"

#include "FakePlatformSeam.h"
#include "FontChoiceDialog.h"
#include "Messages.h"
#include "ModalAnswer.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the message boxes that reach it.
class MessageBoxSeam : public TPlatformSeam {
public:
    void MessageBox(const std::string& text) override { Messages.push_back(text); }
    void ErrorBox(const std::string& text) override { Errors.push_back(text); }

    std::vector<std::string> Messages;
    std::vector<std::string> Errors;
};

TEST(PlatformSeam, TheMessageBoxesGoThroughTheInstalledSeam)
{
    MessageBoxSeam seam;
    TPlatformSeam* const previousSeam = SetPlatformSeam(&seam);
    const TMessageHook previousMessage = SetShowMessageHook({});
    const TMessageHook previousError = SetErrorBoxHook({});
    InstallMessageBoxes();
    ShowMessage("Input error.");
    ShowErrorBox("Range check error");
    SetShowMessageHook(previousMessage);
    SetErrorBoxHook(previousError);
    SetPlatformSeam(previousSeam);
    EXPECT_EQ(seam.Messages, std::vector<std::string>{"Input error."});
    EXPECT_EQ(seam.Errors, std::vector<std::string>{"Range check error"});
}

TEST(PlatformSeam, AMessageBoxShowsAboveTheDialogThatStaysOnTopWithACloseBoxOnly)
{
    TForm dialog;
    dialog.SetToolWindow(true);
    QWidget* owner = nullptr;
    bool onTop = false;
    Qt::WindowFlags flags;
    const TModalAnswer answer(&dialog, [&] {
        const TModalAnswer boxAnswer(nullptr, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    owner = box->parentWidget();
                    onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
                    flags = box->windowFlags();
                    box->accept();
                }
            }
        });
        Platform().MessageBox("Overflow");
        EXPECT_TRUE(boxAnswer.Answered());
        dialog.close();
    });
    dialog.ShowModal();
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(owner, &dialog);
    EXPECT_TRUE(onTop);
    EXPECT_TRUE(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(PlatformSeam, TheWindowActiveBeforeAMessageBoxIsActiveAgainAfterIt)
{
    QWidget owner;
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    const TModalAnswer answer(nullptr, [] { QApplication::activeModalWidget()->close(); });
    Platform().MessageBox("Not found.");
    ASSERT_TRUE(answer.Answered());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &owner);
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

TEST(PlatformSeam, TheFileDialogShowsItsPlacesBarAsAskedAndListsAnExtensionsFiles)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (bool placesBar : {true, false}) {
        SCOPED_TRACE(placesBar ? "with places bar" : "without places bar");
        QStringList filters;
        bool sidebarShown = false;
        // Answered through the dialog itself: a name without extension and Enter.
        const TModalAnswer answer(nullptr, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            filters = dialog->nameFilters();
            const auto* sidebar = dialog->findChild<QWidget*>(QStringLiteral("sidebar"));
            sidebarShown = sidebar && sidebar->isVisible();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            name->clear();
            QTest::keyClicks(name, QStringLiteral("report"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        std::string fileName = folder.filePath(QStringLiteral("old.txt")).toStdString();
        const TFileDialogSpec spec{QStringLiteral("Report"), QStringLiteral(".txt"), QStringLiteral(".txt"), placesBar};
        ASSERT_TRUE(Platform().ExecuteSaveDialog(spec, fileName));
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(fileName, folder.filePath(QStringLiteral("report.txt")).toStdString());
        EXPECT_EQ(filters, QStringList{QStringLiteral(".txt (*.txt)")});
        EXPECT_EQ(sidebarShown, placesBar);
    }
}

TEST(FontChoiceDialog, OpensOnTheFaceThatStandsInForAMissingOne)
{
    QFont::insertSubstitution(QStringLiteral("Face Of Another Desktop"), QStringLiteral("DejaVu Sans Mono"));
    const TFontChoiceDialog dialog(FontFromSpec("Face Of Another Desktop", 9, 0), Qt::white);
    EXPECT_EQ(dialog.ChosenFont().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(dialog.ChosenFont().pointSize(), 9);
    EXPECT_EQ(dialog.ChosenColor(), QColor(Qt::white));
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
