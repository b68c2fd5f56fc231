#include "MainFormFixture.h"
#include "ModalAnswer.h"
#include "SpeedButton.h"

#include <QLabel>
#include <QListWidget>

#include <array>
#include <functional>

namespace {

using TGroup = std::array<TStyle, StyleCount>;
using Names = std::vector<std::string>;

class CopyAndDelete : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        for (TStyle& style : StyleStack)
            ClearStyle(style);
        ShowWindow();
    }

    static void SetNames(TGroup& group, const Names& names)
    {
        for (size_t slot = 0; slot < group.size(); ++slot) {
            ClearStyle(group[slot]);
            if (slot < names.size())
                group[slot].StyleName.Assign(names[slot]);
        }
    }

    static Names NamesOf(const TGroup& group)
    {
        Names names;
        for (const TStyle& style : group) {
            if (style.StyleName.Length == 0)
                break;
            names.push_back(style.StyleName.Text());
        }
        return names;
    }

    static Names Items(const QListWidget* list)
    {
        Names names;
        for (int i = 0; i < list->count(); ++i)
            names.push_back(list->item(i)->text().toStdString());
        return names;
    }

    // Opens the dialog from the Style menu, runs the script in it and closes it by its close box.
    void RunDialog(const std::function<void(TCopyDelBox* box)>& script)
    {
        bool ran = false;
        const TModalAnswer answer(CopyDelBox, [&] {
            TCopyDelBox* box = CopyDelBox;
            if (QTest::qWaitForWindowActive(box)) {
                script(box);
                ran = true;
            }
            box->close();
        });
        form->mStyleDelete->trigger();
        EXPECT_TRUE(ran) << "the dialog was not shown active";
        EXPECT_FALSE(CopyDelBox->isVisible());
    }

    static void ClickItem(QListWidget* list, int index)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(index)).center());
    }

    static void Press(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

TEST_F(CopyAndDelete, TheDialogIsABlueToolWindowOfTwoListsAndThreeImageButtons)
{
    SetNames(StyleGroup, {"Header", "Record"});
    SetNames(StyleStack, {"Saved"});
    RunDialog([&](TCopyDelBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Copy & Delete"));
        EXPECT_EQ(box->size(), QSize(454, 211));
        EXPECT_TRUE(box->windowFlags().testFlag(Qt::Tool));
        EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::blue));
        const TOwnerRect owner = OwnerRectOf(form.get());
        EXPECT_EQ(box->x(), owner.Left + (owner.Right - owner.Left - box->frameGeometry().width()) / 2);
        EXPECT_EQ(box->y(), owner.Top + (owner.Bottom - owner.Top - box->frameGeometry().height()) / 2);

        EXPECT_EQ(box->Label1->text(), QStringLiteral("Style group file"));
        EXPECT_EQ(box->Label2->text(), QStringLiteral("Stack"));
        EXPECT_EQ(box->Label1->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(box->ListBox1->geometry(), QRect(1, 15, 206, 193));
        EXPECT_EQ(box->ListBox2->geometry(), QRect(245, 15, 206, 193));
        EXPECT_EQ(box->ListBox1->visualItemRect(box->ListBox1->item(0)).height(), 12);
        EXPECT_EQ(Items(box->ListBox1), (Names{"Header", "Record"}));
        EXPECT_EQ(Items(box->ListBox2), (Names{"Saved"}));
        EXPECT_TRUE(box->ListBox1->hasFocus()) << "first in the tab order";

        const QToolButton* buttons[] = {box->SpeedButton1, box->SpeedButton2, box->SpeedButton3};
        const QRect places[] = {{211, 30, 30, 22}, {211, 60, 30, 22}, {211, 144, 30, 22}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(buttons[i]->geometry(), places[i]);
            EXPECT_EQ(buttons[i]->focusPolicy(), Qt::NoFocus);
            EXPECT_TRUE(buttons[i]->text().isEmpty());
            EXPECT_TRUE(buttons[i]->autoRaise());
        }
        // The arrows point the way their copy goes: the broad head is on that side.
        const QImage right = box->SpeedButton1->icon().pixmap(16, 16).toImage();
        const QImage left = box->SpeedButton2->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(right.pixelColor(12, 7), QColor(Qt::red));
        EXPECT_EQ(right.pixelColor(9, 2), QColor(Qt::black));
        EXPECT_EQ(right.pixelColor(6, 2).alpha(), 0);
        EXPECT_EQ(left.pixelColor(3, 7), QColor(Qt::red));
        EXPECT_EQ(left.pixelColor(6, 2), QColor(Qt::black));
        EXPECT_EQ(left.pixelColor(9, 2).alpha(), 0);
        EXPECT_EQ(right.pixelColor(0, 0).alpha(), 0) << "olive is the transparent colour";
        const QImage bin = box->SpeedButton3->icon().pixmap(16, 16).toImage();
        EXPECT_NE(bin.pixelColor(8, 10).alpha(), 0);
        EXPECT_NE(box->SpeedButton3->icon().pixmap(16, 16, QIcon::Disabled).toImage(), bin);
    });
}

TEST_F(CopyAndDelete, ACopyTakesTheWholeStyleToTheFirstFreeSlotOfTheOtherSet)
{
    SetNames(StyleGroup, {"A", "B", "C"});
    StyleGroup[1].RowKind[0] = vkWord;
    StyleGroup[1].RowSize[0] = 2;
    StyleGroup[1].RowHint[0].Assign("kept");
    StyleGroup[1].OffsetAddress = 16;
    RunDialog([&](TCopyDelBox* box) {
        Press(box->SpeedButton1);
        EXPECT_TRUE(Items(box->ListBox2).empty()) << "nothing selected, nothing copied";
        for (int copy = 1; copy <= 2; ++copy) {
            ClickItem(box->ListBox1, 1);
            Press(box->SpeedButton1);
            EXPECT_EQ(Items(box->ListBox2), Names(static_cast<size_t>(copy), "B"));
            EXPECT_TRUE(box->ListBox1->selectedItems().isEmpty());
            EXPECT_TRUE(box->ListBox2->selectedItems().isEmpty());
        }
        ClickItem(box->ListBox2, 0);
        Press(box->SpeedButton2);
        EXPECT_EQ(Items(box->ListBox1), (Names{"A", "B", "C", "B"}));
    });
    EXPECT_EQ(StyleStack[1].RowKind[0], vkWord);
    EXPECT_EQ(StyleStack[1].RowHint[0].Text(), "kept");
    EXPECT_EQ(StyleGroup[3].OffsetAddress, 16);
    EXPECT_EQ(StyleGroup[3].RowSize[0], 2);

    RunDialog([&](TCopyDelBox* box) {
        EXPECT_EQ(Items(box->ListBox2), (Names{"B", "B"})) << "the Stack lasts from one opening to the next";
    });
    EXPECT_NE(form->StyleItem(3), nullptr);
}

TEST_F(CopyAndDelete, TheDeleteActsOnTheListEnteredLast)
{
    SetNames(StyleGroup, {"A", "B", "C"});
    SetNames(StyleStack, {"X", "Y"});
    RunDialog([&](TCopyDelBox* box) {
        ClickItem(box->ListBox1, 0);
        ClickItem(box->ListBox2, 1);
        EXPECT_TRUE(box->ListBox1->selectedItems().isEmpty()) << "entering the Stack drops the group's selection";
        Press(box->SpeedButton3);
        EXPECT_EQ(Items(box->ListBox2), (Names{"X"}));
        EXPECT_EQ(Items(box->ListBox1), (Names{"A", "B", "C"}));

        const QListWidgetItem* stackItem = box->ListBox2->item(0);
        ClickItem(box->ListBox1, 1);
        Press(box->SpeedButton3);
        EXPECT_EQ(Items(box->ListBox1), (Names{"A", "C"}));
        EXPECT_EQ(box->ListBox2->item(0), stackItem) << "only the list concerned is refilled";
        Press(box->SpeedButton3);
        EXPECT_EQ(Items(box->ListBox1), (Names{"A", "C"})) << "the refill left no selection";
    });
    EXPECT_EQ(NamesOf(StyleStack), (Names{"X"}));
    EXPECT_EQ(StyleGroup[29].StyleName.Length, 0);
    EXPECT_EQ(StyleGroup[29].RowUsed[0], 255) << "the freed slot is a cleared style";
}

TEST_F(CopyAndDelete, AFullGroupTakesNoCopyAndDeletingEveryStyleLeavesStyle0)
{
    Names thirty;
    for (int i = 0; i < StyleCount; ++i)
        thirty.push_back("S" + std::to_string(i));
    SetNames(StyleGroup, thirty);
    SetNames(StyleStack, {"X"});
    RunDialog([&](TCopyDelBox* box) {
        EXPECT_EQ(Items(box->ListBox1), thirty);
        ClickItem(box->ListBox2, 0);
        Press(box->SpeedButton2);
        EXPECT_EQ(box->ListBox1->count(), StyleCount);
        for (int i = 0; i < StyleCount; ++i) {
            ClickItem(box->ListBox1, 0);
            Press(box->SpeedButton3);
        }
        EXPECT_EQ(box->ListBox1->count(), 0);
    });
    EXPECT_EQ(NamesOf(StyleGroup), (Names{"Style 0"}));
    ASSERT_NE(form->StyleItem(0), nullptr);
    EXPECT_EQ(form->StyleItem(0)->text(), QStringLiteral("Style 0"));
    EXPECT_EQ(form->StyleItem(1), nullptr);
    EXPECT_EQ(form->aStyleBar->PanelText(1), "Style 0");
}

TEST_F(CopyAndDelete, ClosingTheDialogMakesTheFirstStyleCurrent)
{
    SetNames(StyleGroup, {"A", "B", "C"});
    form->RebuildStyleMenu();
    form->StyleMenuClick(form->StyleItem(2));
    ASSERT_EQ(form->aStyleBar->PanelText(1), "C");
    RunDialog([](TCopyDelBox*) {});
    EXPECT_EQ(form->CurrentStyle, 0);
    EXPECT_TRUE(form->StyleItem(0)->Checked());
    EXPECT_FALSE(form->StyleItem(2)->Checked());
    EXPECT_EQ(form->aStyleBar->PanelText(1), "A");
    EXPECT_EQ(form->bStyleBar->PanelText(1), "A");
}

} // namespace
