#include "TrawlboxFixture.h"

#include "ColorAndFont.h"

namespace {

using TrawlboxDialogs = TrawlboxTest;

struct FrameCase {
    TForm* dialog;
    QString caption;
    QSize client;
    QColor colour;
};

TEST_F(TrawlboxDialogs, AreFixedToolWindowsWithACloseBoxOnlyThatStayOnTop)
{
    const FrameCase cases[] = {
        {folderBox.get(), QStringLiteral("Folder Select"), {216, 252}, QApplication::palette().color(QPalette::Window)},
        {valueBox.get(), QStringLiteral("Search Value"), {215, 47}, Qt::blue},
        {resultBox.get(), QStringLiteral("Found"), {115, 64}, Qt::blue},
    };
    for (const FrameCase& c : cases) {
        const std::string name = c.caption.toStdString();
        EXPECT_EQ(c.dialog->windowTitle(), c.caption);
        EXPECT_EQ(c.dialog->size(), c.client) << name;
        EXPECT_EQ(c.dialog->minimumSize(), c.dialog->maximumSize()) << name;
        const Qt::WindowFlags flags = c.dialog->windowFlags();
        EXPECT_TRUE(
            flags.testFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint))
            << name;
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << name;
        EXPECT_EQ(c.dialog->palette().color(QPalette::Window), c.colour) << name;
        EXPECT_EQ(c.dialog->font(), FormFont()) << name;
    }
}

TEST_F(TrawlboxDialogs, TheFolderTreeStandsOverABluePanelWithCancelAndOk)
{
    folderBox->show();
    EXPECT_EQ(folderBox->Panel1->geometry(), QRect(0, 227, 216, 25));
    EXPECT_EQ(folderBox->Panel1->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_EQ(folderBox->ShellTreeView1->geometry(), QRect(0, 0, 216, 227));
    EXPECT_EQ(folderBox->BitBtn1->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(folderBox->BitBtn1->x(), 0);
    EXPECT_EQ(folderBox->BitBtn1->width(), 107);
    EXPECT_EQ(folderBox->BitBtn2->text(), QStringLiteral("OK"));
    EXPECT_EQ(folderBox->BitBtn2->geometry().right(), 215);
    EXPECT_EQ(folderBox->BitBtn2->width(), 108);
    EXPECT_FALSE(folderBox->BitBtn2->icon().isNull());
}

TEST_F(TrawlboxDialogs, TheFoundDialogsButtonsStandOneBelowTheOther)
{
    const std::pair<TBitBtn*, QString> buttons[] = {
        {resultBox->BitBtn1, QStringLiteral("New")},
        {resultBox->BitBtn2, QStringLiteral("Addition")},
        {resultBox->BitBtn3, QStringLiteral("Match")},
    };
    int top = 3;
    for (const auto& [button, caption] : buttons) {
        EXPECT_EQ(button->geometry(), QRect(3, top, 109, 19)) << caption.toStdString();
        EXPECT_EQ(button->text(), caption);
        EXPECT_TRUE(button->icon().isNull()) << caption.toStdString();
        top += 20;
    }
}

struct KeyCase {
    const char* name;
    TForm* dialog;
    QWidget* focus; // nullptr: the focus the dialog opens with
    Qt::Key key;
    int result;
};

TEST_F(TrawlboxDialogs, EnterClicksTheButtonWithTheFocusOrElseTheDefaultOne)
{
    const KeyCase cases[] = {
        {"found: new has the focus when it opens", resultBox.get(), nullptr, Qt::Key_Return, mrOk},
        {"found: addition", resultBox.get(), resultBox->BitBtn2, Qt::Key_Return, mrRetry},
        {"found: match by the keypad's enter", resultBox.get(), resultBox->BitBtn3, Qt::Key_Enter, mrYes},
        {"folder: ok from the tree", folderBox.get(), folderBox->ShellTreeView1, Qt::Key_Return, mrOk},
        {"folder: the cancel button", folderBox.get(), folderBox->BitBtn1, Qt::Key_Return, mrCancel},
        {"folder: esc on the ok button", folderBox.get(), folderBox->BitBtn2, Qt::Key_Escape, mrCancel},
    };
    for (const KeyCase& c : cases) {
        const TModalAnswer answer(c.dialog, [c] {
            if (c.focus)
                c.focus->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), c.key);
        });
        EXPECT_EQ(c.dialog->ShowModal(), c.result) << c.name;
        EXPECT_TRUE(answer.Answered()) << c.name;
    }
}

} // namespace
