#include "MainFormFixture.h"

#include "HintHook.h"

#include <QHelpEvent>
#include <QMouseEvent>

namespace {

class Hints : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        ShowWindow();
    }

    // Rests the mouse on the cell, as the toolkit asks for a hint there after a pause; the mouse
    // has left the grid before, so that no earlier hint stands.
    static QWidget* Hover(TStringGrid* grid, int col, int row)
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(grid->viewport(), &leave);
        const QPoint local = grid->CellRect(col, row).center();
        const QPoint global = grid->viewport()->mapToGlobal(local);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &move);
        QHelpEvent rest(QEvent::ToolTip, local, global);
        QApplication::sendEvent(grid->viewport(), &rest);
        return ShownHint();
    }

    static std::string Text(const QWidget* hint) { return hint ? HintText(hint).toStdString() : "(no hint)"; }

    // 16 pixels right of the cell's left edge and 16 below its bottom edge.
    static QPoint BelowCell(const TStringGrid* grid, int col, int row)
    {
        const QRect cell = grid->CellRect(col, row);
        return grid->viewport()->mapToGlobal(QPoint(cell.left() + 16, cell.top() + cell.height() + 16));
    }
};

TEST_F(Hints, ADumpCellShowsItsAddressAndTheValueOfThePopupsKindBelowItself)
{
    std::vector<uint8_t> bytes(0x30);
    bytes[0x23] = 0x7F;
    bytes[0x26] = 0x01;
    Load(0, bytes);
    EXPECT_EQ(HintHidePause(), 5000);

    const QWidget* hint = Hover(form->aDumpGrid, 5, 3);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(Text(hint), "[000023]\n7F");
    EXPECT_EQ(hint->pos(), BelowCell(form->aDumpGrid, 5, 3));

    form->pmLongWord->trigger();
    EXPECT_EQ(Text(Hover(form->aDumpGrid, 5, 3)), "[000023]\n16777343");
    Load(0, std::vector<uint8_t>(0x25));
    EXPECT_EQ(Text(Hover(form->aDumpGrid, 5, 3)), "[000023]\nOverLoad") << "two bytes left from there";
}

TEST_F(Hints, EachDumpGridShowsItsOwnPanesBytes)
{
    Load(1, {0xB0, 0xB1});
    Load(0, {0xA0, 0xA1});
    form->mDoubleWindow->trigger();
    form->aDumpGrid->setFocus();
    ASSERT_EQ(form->ActivePane, 0);
    EXPECT_EQ(Text(Hover(form->bDumpGrid, 3, 1)), "[000001]\nB1");
    EXPECT_EQ(Text(Hover(form->aDumpGrid, 3, 1)), "[000001]\nA1");
}

TEST_F(Hints, AStyleRowShowsItsFieldsHintWithTheSlashesAsLineBreaks)
{
    SetFields({{vkByte, 1}, {vkByte, 1}});
    StyleGroup[0].RowHint[0].Assign("first//second");
    form->FillStyleGrids(true);
    for (int col : {0, 4}) {
        const QWidget* hint = Hover(form->aStyleGrid, col, 1);
        ASSERT_NE(hint, nullptr) << col;
        EXPECT_EQ(Text(hint), "first\nsecond");
        EXPECT_EQ(hint->pos(), BelowCell(form->aStyleGrid, col, 1));
    }
    EXPECT_EQ(Hover(form->aStyleGrid, 4, 2), nullptr) << "a field without a hint shows none";
    EXPECT_EQ(Text(Hover(form->bStyleGrid, 2, 0)), "F2 & F3 key is Moves\nRight-click is Edit");
    EXPECT_EQ(Text(Hover(form->aDumpGrid, 0, 1)), "Shift + Return key & Double-click is Edit\nRicht-click is Kind");
}

TEST_F(Hints, WithShowHintOffOnlyTheCellHintsShow)
{
    Load(0, {0x41, 0x42});
    SetFields({{vkByte, 1}});
    StyleGroup[0].RowHint[0].Assign("count");
    form->FillStyleGrids(true);
    form->mShowHint->trigger();
    EXPECT_EQ(Text(Hover(form->aDumpGrid, 2, 1)), "[000000]\n41");
    EXPECT_EQ(Text(Hover(form->aStyleGrid, 4, 1)), "count");
    for (const auto& [col, row] : {std::pair{0, 1}, std::pair{1, 1}, std::pair{5, 0}})
        EXPECT_EQ(Hover(form->aDumpGrid, col, row), nullptr) << col << "," << row;
    EXPECT_EQ(Hover(form->aStyleGrid, 1, 0), nullptr);
}

} // namespace
