// The style grids: the current style laid over each pane's bytes at the pane's cursor, and the
// value entry in them.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Files.h"
#include "Runtime.h"
#include "TextCodec.h"
#include "ValueKeys.h"

#include <algorithm>

namespace {

// A style group file may give LastRow any value; the grids show at most the 200 fields there are.
int ShownLastRow(const TStyle& style)
{
    return std::clamp<int>(style.LastRow, 0, RowCount - 1);
}

std::string ValueCellText(int pane, int32_t address, int kind, int32_t count)
{
    std::string kindText;
    std::string valueText;
    PaneValueToText(pane, address, kind, count, kindText, valueText);
    return BytesToDisplayUtf8(valueText);
}

} // namespace

int TMainForm::FieldOfStyleRow(int row)
{
    CheckRange(row - 1, 0, RowCount - 1);
    return row - 1;
}

TStyle& TMainForm::CurrentStyleRecord() const
{
    CheckRange(CurrentStyle, 0, StyleCount - 1);
    return StyleGroup[CurrentStyle];
}

void TMainForm::FillStyleGrids(bool both)
{
    const TStyle& style = CurrentStyleRecord();
    pmNewName->setText(QString::fromStdString(style.StyleName.Text()));
    pmOffsetAddress->setText(QString::fromStdString(IntToHex(style.OffsetAddress, 6)));
    pmOffsetAddress->SetChecked(style.UseOffset != 0);
    if (ActivePane == 0 || both)
        FillStyleGrid(0);
    if (ActivePane == 1 || both)
        FillStyleGrid(1);
}

void TMainForm::FillStyleGrid(int pane)
{
    const TStyle& style = CurrentStyleRecord();
    TStringGrid* grid = StyleGrid(pane);
    const int lastRow = ShownLastRow(style);
    grid->SetRowCount(lastRow + 2);
    int32_t address = CursorAddress[pane];
    if (style.UseOffset != 0)
        address = CheckedAdd(address, style.OffsetAddress);
    for (int i = 0; i <= lastRow; ++i) {
        std::string kindText;
        std::string valueText;
        PaneValueToText(pane, address, style.RowKind[i], style.RowSize[i], kindText, valueText);
        grid->SetCell(0, i + 1, std::to_string(i));
        grid->SetCell(1, i + 1, IntToHex(address, 6));
        grid->SetCell(2, i + 1, std::move(kindText));
        grid->SetCell(3, i + 1, style.RowComment[i].Text());
        grid->SetCell(StyleValueColumn, i + 1, BytesToDisplayUtf8(valueText));
        address = CheckedAdd(address, style.RowSize[i]);
    }
    TStatusBar* bar = StyleBar(pane);
    bar->SetPanelText(0, std::to_string(style.TotalSize) + "bytes");
    bar->SetPanelText(1, style.StyleName.Text());
    bar->SetPanelText(2, ChangeFileExt(ExtractFileName(StyleGroupFileName), ""));
}

void TMainForm::StyleGridKeyPress(TStringGrid* sender, QChar& key)
{
    if (key == u'\b')
        return;
    const int p = ActivePane;
    if (CursorAddress[p] >= DataSize[p]) {
        key = QChar();
        return;
    }
    const TStyle& style = CurrentStyleRecord();
    const int row = sender->Row();
    const int i = FieldOfStyleRow(row);
    if (key != u'\r') {
        // Of the kinds without a rule of their own, only the characters of vkChars take text.
        const int kind = style.RowKind[i];
        if (kind == vkNone || kind > vkChars || !KeyFitsKind(kind, key))
            key = QChar();
        return;
    }
    const int32_t address = StyleRowAddress(CursorAddress[p], CurrentStyle, i);
    // A refused text brings the parser's own message and leaves the bytes; the cell then shows
    // what the data holds either way.
    TextToPaneValue(p, address, style.RowKind[i], style.RowSize[i],
                    DisplayUtf8ToBytes(sender->Cell(StyleValueColumn, row)));
    RefreshDumpRows(address, style.RowSize[i]);
    sender->SetCell(StyleValueColumn, row, ValueCellText(p, address, style.RowKind[i], style.RowSize[i]));
    key = QChar();
}

void TMainForm::StyleGridSelectCell(TStringGrid* sender, int, int, bool&)
{
    const int row = sender->Row();
    if (sender->Col() != StyleValueColumn || row <= 0 || row >= sender->RowCount())
        return;
    const int p = ActivePane;
    const TStyle& style = CurrentStyleRecord();
    const int i = FieldOfStyleRow(row);
    sender->SetCell(
        StyleValueColumn, row,
        ValueCellText(p, StyleRowAddress(CursorAddress[p], CurrentStyle, i), style.RowKind[i], style.RowSize[i]));
}

void TMainForm::StyleGridGetEditText(TStringGrid* sender, int col, int row, QString&)
{
    if (col != StyleValueColumn || row <= 0)
        return;
    const TStyle& style = CurrentStyleRecord();
    const int i = FieldOfStyleRow(row);
    const int kind = style.RowKind[i];
    const int32_t limit = kind <= vkInt64 ? KindMaxLength[kind] : style.RowSize[i];
    // No limit of our own for 0, and none for a size that a damaged style file made negative.
    sender->SetEditorByteLimit(std::max<int32_t>(limit, 0));
}

void TMainForm::StyleGridMouseDown(TStringGrid* sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    int col = 0;
    int row = 0;
    const bool onCell = sender->MouseToCell(x, y, col, row);
    m_lastPressOnHeader = onCell && row == 0;
    if (!onCell || row <= 0 || col >= StyleValueColumn)
        return;
    sender->SetCol(StyleValueColumn);
    sender->SetRow(row);
}
