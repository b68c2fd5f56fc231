#include "MenuTable.h"

#include <QKeySequence>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A window's members as the rows name them: its items and its handlers, one of which the window
// also runs with another sender.
struct Owner {
    TMenuItem* open = nullptr;
    TMenuItem* bar = nullptr;
    TMenuItem* show = nullptr;
    std::vector<std::string> ran;

    void OpenClick(TMenuItem* sender) { ran.push_back("open " + sender->objectName().toStdString()); }
    void ShowClick(QObject* sender) { ran.push_back("show " + sender->objectName().toStdString()); }
};

const TMenuRow<Owner> Rows[] = {
    {&Owner::open, "mOpen", "Open(&O)...", &Owner::OpenClick, (Qt::CTRL | Qt::Key_O).toCombined(), 7},
    {&Owner::bar, "mBar", "-"},
    {&Owner::show, "mShow", "Show(&S)", &Owner::ShowClick, 0, 0, true},
};

TEST(MenuTable, EachRowMakesItsItemBoundToItsHandler)
{
    Owner owner;
    QMenuBar bar;
    QMenu* menu = AddBarMenu(&owner, &bar, "mFile", "File(&F)", Rows);

    EXPECT_EQ(menu->objectName(), "mFile");
    EXPECT_EQ(menu->title(), "File(&F)");
    EXPECT_EQ(bar.actions(), QList<QAction*>{menu->menuAction()});
    ASSERT_EQ(menu->actions(), (QList<QAction*>{owner.open, owner.bar, owner.show}));
    EXPECT_EQ(owner.open->objectName(), "mOpen");
    EXPECT_EQ(owner.open->text(), "Open(&O)...");
    EXPECT_EQ(owner.open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(owner.open->Tag(), 7);
    EXPECT_FALSE(owner.open->Checked());
    EXPECT_TRUE(owner.bar->isSeparator());
    EXPECT_FALSE(owner.bar->OnClick);
    EXPECT_TRUE(owner.show->shortcut().isEmpty());
    EXPECT_TRUE(owner.show->Checked());

    owner.open->trigger();
    owner.show->trigger();
    EXPECT_EQ(owner.ran, (std::vector<std::string>{"open mOpen", "show mShow"}));
}

} // namespace
