// The grids' cell hints: a dump byte's address and value, a style field's own hint.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Runtime.h"
#include "TextCodec.h"

namespace {

// Where a cell's hint stands: right of the cell's left edge and below its bottom edge.
constexpr int HintOffset = 16;

QString DumpCellHint(int pane, int32_t address, int kind)
{
    CheckRange(kind, 0, KindCount - 1);
    std::string kindText;
    std::string valueText;
    PaneValueToText(pane, address, kind, KindSize[kind], kindText, valueText);
    return QStringLiteral("[%1]\n\r").arg(QString::fromStdString(IntToHex(address, 6))) + BytesToDisplay(valueText);
}

} // namespace

void TMainForm::ApplicationShowHint(QString& HintStr, bool&, THintInfo& HintInfo)
{
    auto* grid = qobject_cast<TStringGrid*>(HintInfo.HintControl);
    const int pane = grid == aDumpGrid || grid == aStyleGrid ? 0 : 1;
    const bool dump = grid == aDumpGrid || grid == bDumpGrid;
    if (!dump && grid != aStyleGrid && grid != bStyleGrid)
        return;
    int col = 0;
    int row = 0;
    if (!grid->MouseToCell(HintInfo.CursorPos.x(), HintInfo.CursorPos.y(), col, row)) {
        // Off the cells the grid's own hint stands until the mouse moves on.
        HintInfo.CursorRect = QRect();
        return;
    }
    const QRect rect = grid->CellRect(col, row);
    HintInfo.HintPos = ClientToScreen(grid, QPoint(rect.left() + HintOffset, rect.top() + rect.height() + HintOffset));
    if (dump && IsDumpByteCell(col, row)) {
        HintStr = DumpCellHint(pane, AddressOfDumpCell(col, row), PopupMenu1->Tag());
    } else if (!dump && row > 0) {
        HintStr = QString::fromStdString(ExpandHint(CurrentStyleRecord().RowHint[FieldOfStyleRow(row)].Text()));
    }
    HintInfo.CursorRect = rect;
}
