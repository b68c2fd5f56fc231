// The commands that move a pane's cursor: the jumps of the Jump menu.
#include "MainUnit.h"

#include "AddressBoxUnit.h"
#include "DataUnit.h"

bool TMainForm::ShowCursor(int pane)
{
    // Only the selection moves: the dump status bar keeps the address of the last move the user
    // made in the grid.
    TStringGrid* grid = DumpGrid(pane);
    const int64_t cursor = CursorAddress[pane];
    const TDumpCell cell = DumpCellOfAddress(cursor);
    if (cursor < 0 || cell.row >= grid->RowCount() || cell.col >= grid->ColCount())
        return false;
    grid->SetRow(static_cast<int>(cell.row));
    grid->SetCol(static_cast<int>(cell.col));
    return true;
}

void TMainForm::mMoveToTopClick(TMenuItem*)
{
    const int p = ActivePane;
    CursorAddress[p] = 0;
    FillStyleGrids(true);
    ShowCursor(p);
}

void TMainForm::mMoveToEndClick(TMenuItem*)
{
    const int p = ActivePane;
    if (DataSize[p] <= 0 || CursorAddress[p] < 0 || int64_t{CursorAddress[p]} + 1 >= DataSize[p])
        return;
    CursorAddress[p] = DataSize[p] - 1;
    ShowCursor(p);
    FillStyleGrids(false);
}

void TMainForm::mMoveToUserClick(TMenuItem*)
{
    AddressBox->OwnerRect = OwnerRectOf(this);
    if (AddressBox->ShowModal() != mrOk)
        return;
    const int p = ActivePane;
    CursorAddress[p] = AddressBox->TargetAddress;
    ShowCursor(p);
    FillStyleGrids(false);
}

namespace {

// Moves the active pane's cursor by the current style's size: back while that stays at or above
// address 0, forward while it stays below the end of the data. A step back from a cursor beyond
// the data may land beyond it still, where the cursor may stand. The size is recounted first
// even when the cursor cannot move.
void JumpByStyle(TMainForm& form, int direction)
{
    const int p = form.ActivePane;
    if (DataSize[p] <= 0)
        return;
    RecountStyle(form.CurrentStyle);
    const int64_t target = int64_t{CursorAddress[p]} + int64_t{direction} * form.CurrentStyleRecord().TotalSize;
    if (direction < 0 ? target < 0 : target >= DataSize[p])
        return;
    CursorAddress[p] = static_cast<int32_t>(target);
    form.ShowCursor(p);
    form.FillStyleGrids(false);
}

// Sets the active pane for the length of one refill, and back when it ends, also by an error.
class TActivePaneFor {
public:
    TActivePaneFor(TMainForm& form, int pane) : m_form(form), m_pane(form.ActivePane)
    {
        m_form.ActivePane = static_cast<uint8_t>(pane);
    }
    ~TActivePaneFor() { m_form.ActivePane = m_pane; }
    TActivePaneFor(const TActivePaneFor&) = delete;
    TActivePaneFor& operator=(const TActivePaneFor&) = delete;

private:
    TMainForm& m_form;
    uint8_t m_pane;
};

} // namespace

void TMainForm::mMoveToFrontClick(TMenuItem*)
{
    JumpByStyle(*this, -1);
}

void TMainForm::mMoveToNextClick(TMenuItem*)
{
    JumpByStyle(*this, 1);
}

void TMainForm::mSameAddressClick(TMenuItem*)
{
    if (DataSize[0] < 1 || DataSize[1] < 1)
        return;
    const int p = ActivePane;
    const int q = 1 - p;
    if (CursorAddress[p] < 0 || CursorAddress[p] >= DataSize[q])
        return;
    CursorAddress[q] = CursorAddress[p];
    ShowCursor(q);
    // Only the other pane's style grid is laid anew; the active pane, its colours and the focus
    // stay.
    TActivePaneFor other(*this, q);
    FillStyleGrids(false);
}
