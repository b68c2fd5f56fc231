// The bit editor's opening from the upper style grid and the write of the byte it returns.
#include "MainUnit.h"

#include "BinaryBoxUnit.h"
#include "DataUnit.h"
#include "Runtime.h"

void TMainForm::StyleGridDblClick(TStringGrid* sender)
{
    if (m_lastPressOnHeader || sender->Col() != StyleValueColumn || sender->Row() < 1)
        return;
    const int field = FieldOfStyleRow(sender->Row());
    const TStyle& style = CurrentStyleRecord();
    const int p = ActivePane;
    const int32_t address = StyleRowAddress(CursorAddress[p], CurrentStyle, field);
    // The last byte of the data is left to typing in the cell.
    if (style.RowKind[field] != vkBinary || address >= DataSize[p] - 1)
        return;
    if (BinaryBox->ShowModal() != mrOk)
        return;
    // The text is always one of the bit strings, so the parser takes it.
    TextToPaneValue(p, address, style.RowKind[field], style.RowSize[field], BinaryBox->BinText);
    RefreshDumpRows(address, style.RowSize[field]);
    FillStyleGrids(true);
}
