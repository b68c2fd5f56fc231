#include "TrawlboxFixture.h"

#include <QMenu>

namespace {

using TrawlboxWindow = TrawlboxTest;

TEST_F(TrawlboxWindow, MenusCarryTheirCaptionsInOrderAboveTheList)
{
    std::vector<std::pair<std::string, std::string>> items;
    for (QAction* menu : form->MainMenu1->actions()) {
        items.emplace_back(menu->menu()->objectName().toStdString(), menu->text().toStdString());
        for (QAction* item : menu->menu()->actions()) {
            items.emplace_back(item->objectName().toStdString(), item->text().toStdString());
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->objectName().toStdString();
        }
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"mFile", "File(&F)"},
        {"mSetFolder", "Set Folder(&S)"},
        {"mComparison", "Comparison(&C)"},
        {"mFindValue", "Find Value(&F)"},
        {"mBar0", ""},
        {"mAbout", "About(&A)"},
        {"mExit", "Exit(&E)"},
        {"mCheck", "Check(&C)"},
        {"mAllClear", "All Clear(&C)"},
        {"mAllCheck", "All Check(&A)"},
    };
    EXPECT_EQ(items, expected);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Trawlbox"));
    form->show();
    EXPECT_EQ(form->CheckListBox1->size(), QSize(592, 346));
    EXPECT_EQ(form->ResultFileName, Program() + "SearchResult.txt");
    EXPECT_EQ(form->TempFileName, Program() + "Temporary.txt");
}

struct OptionCase {
    const char* name;
    std::string file; // nothing written when empty
    QColor window;
    QColor text;
    QString face;
    int points; // 0: the 12 pixels the window starts with
};

TEST_F(TrawlboxWindow, ShowingTakesColoursAndFontFromTheEditorsOptionFile)
{
    const OptionCase cases[] = {
        {"no option file", "", Qt::black, Qt::white, QStringLiteral("ＭＳ ゴシック"), 0},
        {"one line", "Dump         :1\r\n", Qt::black, Qt::black, QStringLiteral("ＭＳ ゴシック"), 9},
        {"lines 2 to 5",
         "Dump         :0\r\n +Color      :$0000FF\r\n +Font Name  :Courier\r\n +Font Size  :14\r\n"
         " +Font Color :$00FF00\r\nStyle        :1\r\n",
         Qt::red, QColor(0, 255, 0), QStringLiteral("Courier"), 14},
        {"decimal and empty values", "Dump         :1\r\n +Color      :255\r\n +Font Name  :\r\n +Font Size  :x\r\n",
         Qt::red, Qt::black, QStringLiteral("ＭＳ ゴシック"), 9},
    };
    for (const OptionCase& c : cases) {
        form = std::make_unique<TTrawlboxForm>(Program());
        std::filesystem::remove(Program() + "Byteloom.ini");
        if (!c.file.empty())
            WriteFile(Program() + "Byteloom.ini", c.file);
        form->CheckListBox1->Add("left over");
        form->show();
        const QPalette shown = form->CheckListBox1->palette();
        EXPECT_EQ(shown.color(QPalette::Base), c.window) << c.name;
        EXPECT_EQ(shown.color(QPalette::Text), c.text) << c.name;
        EXPECT_EQ(form->CheckListBox1->font().family(), c.face) << c.name;
        if (c.points == 0)
            EXPECT_EQ(form->CheckListBox1->font().pixelSize(), 12) << c.name;
        else
            EXPECT_EQ(form->CheckListBox1->font().pointSize(), c.points) << c.name;
        EXPECT_EQ(form->CheckListBox1->Count(), 0) << c.name;
    }
}

TEST_F(TrawlboxWindow, TickCommandsTickAndUntickEveryItem)
{
    form->mAllCheck->trigger();
    for (const char* path : {"/a", "/b", "/c"})
        form->CheckListBox1->Add(path);
    form->CheckListBox1->SetChecked(1, true);
    form->mAllCheck->trigger();
    EXPECT_EQ(Ticked(), Items());
    form->mAllClear->trigger();
    EXPECT_TRUE(Ticked().empty());
}

TEST_F(TrawlboxWindow, SpaceTicksAndUnticksTheCurrentItem)
{
    form->show();
    for (const char* path : {"/a", "/b"})
        form->CheckListBox1->Add(path);
    form->CheckListBox1->setCurrentIndex(form->CheckListBox1->model()->index(1, 0));
    QTest::keyClick(form->CheckListBox1, Qt::Key_Space);
    EXPECT_EQ(Ticked(), std::vector<std::string>{"/b"});
    QTest::keyClick(form->CheckListBox1, Qt::Key_Space);
    EXPECT_TRUE(Ticked().empty());
}

TEST_F(TrawlboxWindow, AboutShowsTheVersion)
{
    form->mAbout->trigger();
    EXPECT_EQ(recorder.Messages, std::vector<std::string>{"Trawlbox  Version 5.10.12"});
}

TEST_F(TrawlboxWindow, ExitRemovesTheTemporaryResultAndKeepsTheKeptOne)
{
    form->show();
    WriteFile(form->TempFileName, "x\r\n");
    WriteFile(form->ResultFileName, "y\r\n");
    form->mExit->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(std::filesystem::exists(form->TempFileName));
    EXPECT_TRUE(std::filesystem::exists(form->ResultFileName));

    form->show();
    form->close();
    EXPECT_TRUE(recorder.Errors.empty());
}

} // namespace
