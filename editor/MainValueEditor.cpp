// The in-place value editor's opening from a dump grid: a double click on a byte cell, or
// Shift+Enter in the grid.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Runtime.h"
#include "TextChipUnit.h"

void TMainForm::DumpGridMouseDown(TStringGrid* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    int col = 0;
    int row = 0;
    m_lastPressOnByte = sender->MouseToCell(x, y, col, row) && IsDumpByteCell(col, row);
}

void TMainForm::DumpGridMouseDblClick(TStringGrid* sender)
{
    if (m_lastPressOnByte)
        DumpGridDblClick(sender);
}

void TMainForm::DumpGridDblClick(TStringGrid*)
{
    const int p = ActivePane;
    const TStringGrid* grid = DumpGrid(p);
    if (!IsDumpByteCell(grid->Col(), grid->Row()))
        return;
    const int32_t cursor = CursorAddress[p];
    if (cursor < 0)
        return;
    const int kind = PopupMenu1->Tag();
    CheckRange(kind, 0, KindCount - 1);
    const int32_t size = KindSize[static_cast<size_t>(kind)];
    // The whole value must lie inside the data; the cells behind the last byte hold none.
    if (int64_t{cursor} + size - 1 >= DataSize[p])
        return;
    TextChip->EditKind = kind;
    if (TextChip->ShowModal() == mrOk)
        RefreshDumpRows(cursor, size);
}
