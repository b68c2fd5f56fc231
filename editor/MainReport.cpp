// The text report: the active pane's style grid as padded text lines, each field followed by
// its hint as stored.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Files.h"
#include "Runtime.h"

#include <string>

namespace {

// The widths of the Id, address, kind and comment columns, in bytes; the value is not padded.
constexpr size_t ColumnWidths[] = {4, 7, 9, 21};
constexpr int ValueColumn = TMainForm::StyleValueColumn;
const std::string HyphenLine(54, '-');

// The text followed by blanks up to the width; a text that long or longer stays as it is.
std::string Pad(const std::string& text, size_t width)
{
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string ReportLine(const TStringGrid* grid, int row)
{
    std::string line;
    for (int col = 0; col < ValueColumn; ++col)
        line += Pad(grid->Cell(col, row), ColumnWidths[col]);
    return line + grid->Cell(ValueColumn, row);
}

} // namespace

void TMainForm::mSaveTextFileClick(TMenuItem*)
{
    if (!SaveDialog3->Execute())
        return;
    const TStyle& style = CurrentStyleRecord();
    const TStringGrid* grid = StyleGrid(ActivePane);
    TTextWriter report(SaveDialog3->FileName());
    report.WriteLine(ReportLine(grid, 0));
    report.WriteLine(HyphenLine);
    for (int row = 1; row < grid->RowCount(); ++row) {
        report.WriteLine(ReportLine(grid, row));
        const std::string hint = style.RowHint[FieldOfStyleRow(row)].Text();
        if (!hint.empty())
            report.WriteLine("  Hint : " + hint);
    }
    report.Close();
}
