#include "MenuItem.h"
#include "PopupMenu.h"

#include "MessageRecorder.h"
#include "Runtime.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace {

TMenuItem* RadioItem(QMenu* menu, const char* name, int group)
{
    TMenuItem* item = AddMenuItem(menu, name, QString::fromLatin1(name));
    item->SetRadioItem(true);
    item->SetGroupIndex(group);
    return item;
}

TEST(MenuItem, CheckingARadioItemClearsOnlyItsGroupInItsMenu)
{
    QMenu menu;
    QMenu otherMenu;
    TMenuItem* a = RadioItem(&menu, "a", 1);
    TMenuItem* b = RadioItem(&menu, "b", 1);
    TMenuItem* c = RadioItem(&menu, "c", 2);
    TMenuItem* plain = AddMenuItem(&menu, "plain", QStringLiteral("plain"));
    TMenuItem* elsewhere = RadioItem(&otherMenu, "elsewhere", 1);
    for (TMenuItem* item : {a, c, plain, elsewhere})
        item->SetChecked(true);

    b->SetChecked(true);

    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    EXPECT_TRUE(plain->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_TRUE(b->isChecked());
    EXPECT_FALSE(a->isChecked());
}

TEST(MenuItem, AClickRunsTheHandlerAndLeavesTheCheckMarkToIt)
{
    QMenu menu;
    TMenuItem* item = AddMenuItem(&menu, "item", QStringLiteral("Item"));
    int clicks = 0;
    item->OnClick = [&](TMenuItem* sender) {
        EXPECT_EQ(sender, item);
        ++clicks;
    };
    for (bool checked : {false, true}) {
        item->SetChecked(checked);
        item->trigger();
        EXPECT_EQ(item->Checked(), checked);
        EXPECT_EQ(item->isChecked(), checked);
    }
    EXPECT_EQ(clicks, 2);
}

TEST(MenuItem, ARuntimeErrorInTheHandlerEndsInTheErrorBox)
{
    MessageRecorder recorder;
    QMenu menu;
    TMenuItem* item = AddMenuItem(&menu, "item", QStringLiteral("Item"));
    item->OnClick = [](TMenuItem*) { throw ERangeError(); };
    item->trigger();
    ASSERT_EQ(recorder.Errors.size(), 1u);
    EXPECT_EQ(recorder.Errors[0], "Range check error");
}

TEST(MenuItem, ADashMakesASeparator)
{
    QMenu menu;
    EXPECT_TRUE(AddMenuItem(&menu, "bar", QStringLiteral("-"))->isSeparator());
    EXPECT_FALSE(AddMenuItem(&menu, "item", QStringLiteral("Item"))->isSeparator());
}

// A window with a menu bar and two controls; the popup menu is attached to the first.
class ShortcutWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        auto* bar = new QMenuBar(window.get());
        bar->setNativeMenuBar(false);
        layout->setMenuBar(bar);
        control = new QLineEdit(window.get());
        other = new QLineEdit(window.get());
        layout->addWidget(control);
        layout->addWidget(other);

        QMenu* menu = bar->addMenu(QStringLiteral("Menu"));
        windowF1 = Counted(AddMenuItem(menu, "windowF1", QStringLiteral("Window F1")), windowF1Clicks);
        windowF1->setShortcut(QKeySequence(Qt::Key_F1));

        popup = new TPopupMenu(window.get());
        QMenu* submenu = AddSubMenu(popup, "sub", QStringLiteral("Sub"));
        popupCtrlA = Counted(AddMenuItem(submenu, "popupCtrlA", QStringLiteral("Ctrl A")), popupCtrlAClicks);
        popupCtrlA->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        popupF1 = Counted(AddMenuItem(popup, "popupF1", QStringLiteral("Popup F1")), popupF1Clicks);
        popupF1->setShortcut(QKeySequence(Qt::Key_F1));
        popup->AttachTo(control);

        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static TMenuItem* Counted(TMenuItem* item, int& clicks)
    {
        item->OnClick = [&clicks](TMenuItem*) { ++clicks; };
        return item;
    }

    void Press(QWidget* focus, QKeyCombination key)
    {
        focus->setFocus();
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    }

    std::unique_ptr<QWidget> window;
    QLineEdit* control = nullptr;
    QLineEdit* other = nullptr;
    TPopupMenu* popup = nullptr;
    TMenuItem* windowF1 = nullptr;
    TMenuItem* popupF1 = nullptr;
    TMenuItem* popupCtrlA = nullptr;
    int windowF1Clicks = 0;
    int popupF1Clicks = 0;
    int popupCtrlAClicks = 0;
};

TEST_F(ShortcutWindow, PopupShortcutsActOnlyWhileTheirControlHasTheFocusAndComeFirstThere)
{
    Press(control, Qt::CTRL | Qt::Key_A);
    Press(control, QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(popupCtrlAClicks, 1);
    EXPECT_EQ(popupF1Clicks, 1);
    EXPECT_EQ(windowF1Clicks, 0);

    Press(other, Qt::CTRL | Qt::Key_A);
    Press(other, QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(popupCtrlAClicks, 1);
    EXPECT_EQ(popupF1Clicks, 1);
    EXPECT_EQ(windowF1Clicks, 1);
}

TEST_F(ShortcutWindow, PopupShortcutsActInAChildMadeAfterTheAttachment)
{
    auto* child = new QLineEdit(control);
    child->setText(QStringLiteral("kept"));
    child->show();
    Press(child, Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(popupCtrlAClicks, 1);
    EXPECT_FALSE(child->hasSelectedText());
}

TEST_F(ShortcutWindow, ADisabledItemRunsNeitherFromItsShortcutNorFromTheMenu)
{
    popupF1->setEnabled(false);
    windowF1->setEnabled(false);
    popupF1->trigger();
    windowF1->trigger();
    Press(control, QKeyCombination(Qt::Key_F1));
    Press(other, QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(popupF1Clicks, 0);
    EXPECT_EQ(windowF1Clicks, 0);

    windowF1->setEnabled(true);
    Press(control, QKeyCombination(Qt::Key_F1));
    EXPECT_EQ(windowF1Clicks, 1) << "the disabled popup item passes its key on";
}

} // namespace
