// The style group: thirty style records, their clearing, packing and recounting, field
// insertion and deletion, field addresses and hint expansion.

#include "DataUnit.h"

#include "Runtime.h"

std::array<TStyle, StyleCount> StyleGroup;
std::array<TStyle, StyleCount> StyleStack;

namespace {

constexpr int LastRowIndex = RowCount - 1;

TStyle& CheckedStyle(int StyleIndex)
{
    CheckRange(StyleIndex, 0, StyleCount - 1);
    return StyleGroup[StyleIndex];
}

// The row becomes an empty field, used or not.
void EmptyRow(TStyle& Style, int Row, uint8_t Used)
{
    Style.RowUsed[Row] = Used;
    Style.RowKind[Row] = vkNone;
    Style.RowSize[Row] = 0;
    Style.RowComment[Row] = {};
    Style.RowHint[Row] = {};
}

// Copies all five parallel entries of row From into row To.
void CopyRow(TStyle& Style, int From, int To)
{
    Style.RowUsed[To] = Style.RowUsed[From];
    Style.RowKind[To] = Style.RowKind[From];
    Style.RowSize[To] = Style.RowSize[From];
    Style.RowComment[To] = Style.RowComment[From];
    Style.RowHint[To] = Style.RowHint[From];
}

bool IsNamed(const TStyle& Style)
{
    return Style.StyleName.Length != 0;
}

} // namespace

void ClearStyle(TStyle& Style)
{
    // Copied from one prototype: every read of a group file clears all thirty records, and a
    // fresh temporary for each would double the bytes moved.
    static const TStyle cleared = [] {
        TStyle style;
        style.RowUsed[0] = RowInUse;
        return style;
    }();
    Style = cleared;
}

void ClearStyleRows(TStyle& Style)
{
    for (int row = 0; row < RowCount; ++row)
        EmptyRow(Style, row, 0);
    Style.LastRow = 0;
    Style.TotalSize = 0;
    Style.RowUsed[0] = RowInUse;
}

void NewStyleGroup()
{
    for (TStyle& style : StyleGroup)
        ClearStyle(style);
    StyleGroup[0].StyleName.Assign("Style 0");
}

int PackStyleGroup()
{
    int named = 0;
    for (int slot = 0; slot < StyleCount; ++slot) {
        if (!IsNamed(StyleGroup[slot]))
            continue;
        if (slot != named)
            StyleGroup[named] = StyleGroup[slot];
        ++named;
    }
    for (int slot = named; slot < StyleCount; ++slot)
        ClearStyle(StyleGroup[slot]);
    for (int slot = 0; slot < StyleCount; ++slot)
        RecountStyle(slot);
    if (named == 0)
        StyleGroup[0].StyleName.Assign("Style 0");
    return named;
}

void RecountStyle(int StyleIndex)
{
    TStyle& style = CheckedStyle(StyleIndex);
    style.TotalSize = 0;
    int counted = 0;
    while (counted < RowCount && style.RowUsed[counted] != 0) {
        style.TotalSize = CheckedAdd(style.TotalSize, style.RowSize[counted]);
        ++counted;
    }
    if (counted == 0) {
        style.LastRow = 0;
        style.RowUsed[0] = RowInUse;
    } else {
        style.LastRow = static_cast<int16_t>(counted - 1);
    }
}

void InsertStyleRow(int StyleIndex, int Row)
{
    TStyle& style = CheckedStyle(StyleIndex);
    if (Row < 0 || Row > LastRowIndex)
        return;
    for (int r = LastRowIndex; r > Row; --r)
        CopyRow(style, r - 1, r);
    EmptyRow(style, Row, RowInUse);
    RecountStyle(StyleIndex);
}

void DeleteStyleRow(int StyleIndex, int Row)
{
    TStyle& style = CheckedStyle(StyleIndex);
    if (Row < 0 || Row > LastRowIndex)
        return;
    for (int r = Row; r < LastRowIndex; ++r)
        CopyRow(style, r + 1, r);
    EmptyRow(style, LastRowIndex, 0);
    RecountStyle(StyleIndex);
}

int32_t StyleRowAddress(int32_t Base, int StyleIndex, int Row)
{
    const TStyle& style = CheckedStyle(StyleIndex);
    // Row 200 is allowed: it is the address just behind a style of 200 fields. A negative row
    // adds no field and lies where row 0 does.
    if (Row > RowCount)
        throw ERangeError();
    int32_t address = Base;
    for (int r = 0; r < Row; ++r)
        address = CheckedAdd(address, style.RowSize[r]);
    if (style.UseOffset != 0)
        address = CheckedAdd(address, style.OffsetAddress);
    return address;
}

std::string ExpandHint(const std::string& Hint)
{
    std::string expanded;
    expanded.reserve(Hint.size());
    for (size_t i = 0; i < Hint.size(); ++i) {
        if (Hint[i] == '/' && i + 1 < Hint.size() && Hint[i + 1] == '/') {
            expanded += "\n\r";
            ++i;
        } else {
            expanded += Hint[i];
        }
    }
    return expanded;
}
