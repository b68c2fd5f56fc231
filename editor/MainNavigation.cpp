// The commands that move a pane's cursor: the jumps of the Jump menu.
#include "MainUnit.h"

#include "DataUnit.h"

namespace {

constexpr int BytesPerRow = 16;

} // namespace

void TMainForm::ShowCursor(int pane)
{
    // Only the selection moves: the dump status bar keeps the address of the last move the user
    // made in the grid.
    TStringGrid* grid = DumpGrid(pane);
    const int64_t cursor = CursorAddress[pane];
    const int64_t row = cursor / BytesPerRow + 1;
    const int64_t col = cursor % BytesPerRow + 2;
    if (cursor < 0 || row >= grid->RowCount() || col >= grid->ColCount())
        return;
    grid->SetRow(static_cast<int>(row));
    grid->SetCol(static_cast<int>(col));
}

void TMainForm::mMoveToTopClick(TMenuItem*)
{
    const int p = ActivePane;
    CursorAddress[p] = 0;
    FillStyleGrids(true);
    ShowCursor(p);
}
