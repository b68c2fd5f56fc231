// The dump side of a pane: its grid's cells, the cursor that follows the selection, the dump
// popup's kind, and the file commands that fill a pane and write it back.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Files.h"
#include "Messages.h"
#include "Runtime.h"
#include "TextCodec.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

constexpr int BytesPerRow = TMainForm::DumpBytesPerRow;
constexpr int FirstByteColumn = TMainForm::DumpFirstByteColumn;
constexpr const char* NoFileOpened = "Not saved: no file has been opened in this pane.";
constexpr const char* NotReadWhole = "Not saved: the file could not be read whole.";

// Whether the two names lead to one existing file.
bool SameFile(const std::string& first, const std::string& second)
{
    std::error_code error;
    return std::filesystem::equivalent(first, second, error);
}

// The six upper-case hexadecimal digits of an address up to 0xFFFFFF. Written by hand because a
// full pane needs 65,536 of them at once.
void PutAddressDigits(int32_t address, char (&digits)[6])
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    for (int i = 5; i >= 0; --i, address >>= 4)
        digits[i] = Digits[address & 0xF];
}

// An address as the dump shows it: at least 6 upper-case hexadecimal digits.
std::string AddressText(int32_t address)
{
    if (address < 0 || address > 0xFFFFFF)
        return IntToHex(address, 6);
    char digits[6];
    PutAddressDigits(address, digits);
    return {digits, sizeof digits};
}

// Writes the cells of the bytes first..last, first being the start of a row, as the dump shows
// them; a row that the data ends inside gets its text and empty cells behind the last byte. Each
// row goes to the grid in one call, its texts handed over where they lie.
void WriteDumpBytes(TStringGrid* grid, const uint8_t* data, int32_t first, int32_t last)
{
    std::array<std::string_view, FirstByteColumn + BytesPerRow> cells;
    char address[6];
    char text[MaxByteUtf8Size * BytesPerRow];
    for (int32_t start = first; start <= last; start += BytesPerRow) {
        const int count = static_cast<int>(std::min<int32_t>(BytesPerRow, last - start + 1));
        PutAddressDigits(start, address);
        char* textEnd = text;
        for (int column = 0; column < count; ++column) {
            const uint8_t byte = data[start + column];
            const char shown = column < BytesPerRow - 1 ? DumpChar[byte] : DumpCharLast[byte];
            textEnd = PutByteAsUtf8(textEnd, static_cast<unsigned char>(shown));
            cells[FirstByteColumn + column] = HexText[byte];
        }
        for (int column = count; column < BytesPerRow; ++column)
            cells[FirstByteColumn + column] = {};
        cells[0] = {address, sizeof address};
        cells[1] = {text, static_cast<std::size_t>(textEnd - text)};
        grid->SetCells(0, static_cast<int>(TMainForm::DumpCellOfAddress(start).row), cells);
    }
}

// The address of the dump grid's selected cell.
int32_t CursorOfCell(const TStringGrid* grid)
{
    return TMainForm::AddressOfDumpCell(grid->Col(), grid->Row());
}

// Keeps the grid's drawing suspended and the hourglass on it for the length of a fill.
class TBulkFill {
public:
    explicit TBulkFill(TStringGrid* grid) : m_grid(grid)
    {
        m_grid->setCursor(Qt::WaitCursor);
        QCoreApplication::processEvents();
        m_grid->BeginUpdate();
    }
    ~TBulkFill()
    {
        m_grid->EndUpdate();
        m_grid->viewport()->repaint();
        m_grid->unsetCursor();
    }
    TBulkFill(const TBulkFill&) = delete;
    TBulkFill& operator=(const TBulkFill&) = delete;

private:
    TStringGrid* m_grid;
};

} // namespace

void TMainForm::SetCaptionFromPane(int pane)
{
    setWindowTitle(QString::fromStdString("Byteloom - " + ExtractFileName(DataFileName[pane])));
}

void TMainForm::FillDumpGrid()
{
    const int p = ActivePane;
    TStringGrid* grid = DumpGrid(p);
    SetCaptionFromPane(p);
    {
        TBulkFill fill(grid);
        // Taken once the pending events have run, for one of them may have loaded the pane anew.
        const int32_t n = DataSize[p];
        grid->SetRowCount((n - 1) / BytesPerRow + 2);
        if (n == 0) {
            for (int column = 1; column < grid->ColCount(); ++column)
                grid->SetCell(column, 1, std::string());
        } else {
            WriteDumpBytes(grid, DataBuffer[p].data(), 0, n - 1);
        }
        grid->SetColRow(2, 1);
        grid->SetTopRow(1);
        // A key release among the pending events took the cursor from the old selection; the
        // cursor follows the selection to address 0, so the two never disagree after a refill.
        CursorAddress[p] = CursorOfCell(grid);
        TStatusBar* bar = DumpBar(p);
        bar->SetPanelText(0, AddressText(CursorAddress[p]));
        bar->SetPanelText(1, "000000-" + AddressText(n - 1));
        bar->SetPanelText(2, std::to_string(n) + "bytes");
        bar->SetPanelText(3, ExtractFileName(DataFileName[p]));
    }
    FillStyleGrids(false);
}

void TMainForm::RefreshDumpRows(int32_t address, int32_t count)
{
    const int p = ActivePane;
    const int64_t first = std::max<int64_t>(0, int64_t{address} / BytesPerRow * BytesPerRow);
    const int64_t last = std::min<int64_t>((int64_t{address} + count) / BytesPerRow * BytesPerRow + BytesPerRow - 1,
                                           int64_t{DataSize[p]} - 1);
    if (first > last)
        return;
    WriteDumpBytes(DumpGrid(p), DataBuffer[p].data(), static_cast<int32_t>(first), static_cast<int32_t>(last));
}

void TMainForm::DumpGridCursorMoved()
{
    const int p = ActivePane;
    CursorAddress[p] = CursorOfCell(DumpGrid(p));
    DumpBar(p)->SetPanelText(0, AddressText(CursorAddress[p]));
    FillStyleGrids(false);
}

void TMainForm::DumpGridKeyUp(TStringGrid* sender, int& key, Qt::KeyboardModifiers shift)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (shift & Qt::ShiftModifier)) {
        key = 0;
        DumpGridDblClick(sender);
        return;
    }
    DumpGridCursorMoved();
}

void TMainForm::DumpGridMouseUp(TStringGrid*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    DumpGridCursorMoved();
}

void TMainForm::DumpGridMouseWheelUp(TStringGrid* sender, bool up, Qt::KeyboardModifiers, bool& handled)
{
    // The notch's move is made here rather than by the grid afterwards, so that the cursor can
    // follow it at once.
    const int row = std::clamp(sender->Row() + (up ? -1 : 1), sender->FixedRows(), sender->RowCount() - 1);
    sender->SetRow(row);
    handled = true;
    DumpGridCursorMoved();
}

void TMainForm::pmKindClick(TMenuItem* sender)
{
    sender->SetChecked(true);
    PopupMenu1->SetTag(sender->Tag());
}

void TMainForm::LoadAndFillActivePane(const std::string& fileName)
{
    const int p = ActivePane;
    try {
        if (LoadDataFile(p, fileName))
            m_holdsFile[p] = true;
    } catch (const ERuntimeError&) {
        // A read that broke off leaves the pane broken, named after the file, at address 0 and
        // holding what arrived: refilled, the window shows that before the error box says why. A
        // file that could not be opened left the pane as it was; only a pane already in that
        // state is refilled then, which shows it as it is.
        if (DataBroken[p] && DataFileName[p] == fileName && CursorAddress[p] == 0)
            FillDumpGrid();
        throw;
    }
    FillDumpGrid();
}

void TMainForm::mOpenClick(TMenuItem*)
{
    OpenDialog1->SetFileName(DataFileName[ActivePane]);
    if (!OpenDialog1->Execute())
        return;
    LoadAndFillActivePane(OpenDialog1->FileName());
}

void TMainForm::mSaveClick(TMenuItem*)
{
    const int p = ActivePane;
    if (DataBroken[p])
        ShowMessage(NotReadWhole);
    else if (!m_holdsFile[p])
        ShowMessage(NoFileOpened);
    else
        SaveDataFile(p, DataFileName[p]);
}

void TMainForm::mSaveAsClick(TMenuItem*)
{
    const int p = ActivePane;
    SaveDialog1->SetFileName(DataFileName[p]);
    if (!SaveDialog1->Execute())
        return;
    // Written over the file the pane names, a pane that never got its bytes would wipe it, and
    // one whose read broke off would put zeros in place of the bytes it never read, as Save
    // would. Under any other name the pane is written as it is.
    if (SameFile(SaveDialog1->FileName(), DataFileName[p])) {
        if (DataBroken[p]) {
            ShowMessage(NotReadWhole);
            return;
        }
        if (!m_holdsFile[p]) {
            ShowMessage(NoFileOpened);
            return;
        }
    }
    SaveDataFile(p, SaveDialog1->FileName());
    m_holdsFile[p] = true;
    SetCaptionFromPane(p);
}

void TMainForm::WMDropFiles(const std::string& path)
{
    LoadAndFillActivePane(path);
}
