#pragma once
// A string grid that behaves as a Windows string grid does: fixed rows on top and fixed columns
// at the left that cannot be selected, a selected cell moved by its own keyboard, mouse and
// wheel handling, and an in-place editor. It paints only the visible cells from a flat array of
// cell texts, so that a 65,537-row grid fills in milliseconds.
//
// Events are plain callbacks that run through RunHandler, so that a runtime error raised in a
// handler ends that handler and shows the error box. Cell texts are UTF-8.

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QMenu;

// A rectangle of cells, corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
};

class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    // ---- Shape and contents
    [[nodiscard]] int ColCount() const;
    void SetColCount(int count);
    // Rows that remain keep their cells; new rows are empty.
    [[nodiscard]] int RowCount() const;
    void SetRowCount(int count);
    [[nodiscard]] int FixedCols() const;
    void SetFixedCols(int count);
    [[nodiscard]] int FixedRows() const;
    void SetFixedRows(int count);
    // A cell outside the grid raises ERangeError, as do column widths outside it.
    [[nodiscard]] std::string Cell(int col, int row) const;
    // Setting the cell that the in-place editor shows updates the editor's text as well.
    void SetCell(int col, int row, std::string_view text);
    // Sets the cells from (col, row) on to the right, one for each text, as SetCell would each;
    // for a fill of many rows, where a call for each cell would cost more than the cell itself.
    void SetCells(int col, int row, std::span<const std::string_view> texts);
    [[nodiscard]] int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    [[nodiscard]] int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    // A fixed-pitch column draws its texts one character to a cell as wide as the font's digits,
    // so that characters that stand each for a byte line up. In every column a control
    // character shows as a blank as wide as a digit, whatever the cell's text holds.
    [[nodiscard]] bool FixedPitchCol(int col) const;
    void SetFixedPitchCol(int col, bool on);

    // ---- Look
    void SetColor(const QColor& color);
    [[nodiscard]] QColor Color() const;
    void SetFixedColor(const QColor& color);
    [[nodiscard]] QColor FixedColor() const;
    // The grid's font and the colour its text is drawn in.
    void SetGridFont(const QFont& font, const QColor& textColor);
    [[nodiscard]] QFont GridFont() const;
    [[nodiscard]] QColor FontColor() const;
    void SetGridLines(bool on);
    // Options: editing lets typing, F2 and a double click open the in-place editor on a
    // selectable cell; range selection lets Shift with the keys or a click, and a drag, select a
    // rectangle of cells from the cell where it started (the anchor) to the cell reached, which
    // becomes Col and Row.
    void SetEditing(bool on);
    [[nodiscard]] bool Editing() const;
    void SetRangeSelect(bool on);
    [[nodiscard]] bool RangeSelect() const;
    void SetThumbTracking(bool on);

    // ---- Selection and scrolling
    [[nodiscard]] int Col() const;
    [[nodiscard]] int Row() const;
    // Each move raises OnSelectCell first and happens only when it allows; a cell in a fixed
    // row or column is never selected (asking for one raises ERangeError). Asking for the cell
    // already selected raises no event. The grid scrolls so that the selected cell is visible.
    // A move by the program selects the one cell.
    void SetCol(int col);
    void SetRow(int row);
    void SetColRow(int col, int row);
    // The selected cells: the current cell alone, or the range of range selection.
    [[nodiscard]] TGridRect Selection() const;
    [[nodiscard]] int TopRow() const;
    void SetTopRow(int row);
    // How many non-fixed rows fit in the view.
    [[nodiscard]] int VisibleRowCount() const;

    // ---- Drawing, geometry
    // Suspends painting (and scroll-bar updates) until the matching EndUpdate, which repaints.
    void BeginUpdate();
    void EndUpdate();
    // The cell's rectangle in viewport coordinates; empty when the cell is not on screen.
    [[nodiscard]] QRect CellRect(int col, int row) const;
    // The cell under a viewport point; false when the point lies on no cell.
    bool MouseToCell(int x, int y, int& col, int& row) const;

    // ---- In-place editor
    // The editor opens on the selected cell (typing a character that OnKeyPress lets through,
    // F2, Enter, or a double click, when editing is on and the cell is selectable). It first
    // raises OnGetEditText, then shows that text. Every edit is written to the cell at once, so the
    // cell holds the typed text; when the selection moves, OnSelectCell runs first (it may
    // rewrite the cell being left) and the editor then closes without writing again. Esc
    // closes it and restores the text the cell had when it opened. Enter, unless OnKeyPress
    // drops it, closes the editor, keeping the text.
    [[nodiscard]] bool EditorMode() const;
    void SetEditorMode(bool on);
    // The editor widget, or nullptr before the editor was first opened.
    [[nodiscard]] QLineEdit* InplaceEditor() const;
    // The most bytes the editor takes, counting one byte for a character up to U+00FF and the
    // UTF-8 length of any other; 0 sets no limit. Applies to the editor as it is now open; each
    // opening starts without a limit, so OnGetEditText is the place to set it.
    void SetEditorByteLimit(int limit);

    void SetPopupMenu(QMenu* menu);
    [[nodiscard]] QMenu* PopupMenu() const;

    // ---- Events (Sender is this grid)
    std::function<void(TStringGrid* sender)> OnEnter;
    // A typed character, from the grid or from its in-place editor before the editor takes it;
    // setting key to QChar() drops it. Backspace is '\b', Enter '\r', Esc '\x1b'.
    std::function<void(TStringGrid* sender, QChar& key)> OnKeyPress;
    // A key release; setting key to 0 marks it handled.
    std::function<void(TStringGrid* sender, int& key, Qt::KeyboardModifiers shift)> OnKeyUp;
    std::function<void(TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseDown;
    std::function<void(TStringGrid* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>
        OnMouseUp;
    // One call per wheel notch, before the grid's own handling (one row up or down, in the same
    // column); setting handled to true skips that. While another grid of the window has the
    // focus, the wheel over this one turns for that grid.
    std::function<void(TStringGrid* sender, bool up, Qt::KeyboardModifiers shift, bool& handled)> OnMouseWheel;
    std::function<void(TStringGrid* sender)> OnDblClick;
    // Before the selection moves to (col, row); canSelect false vetoes the move.
    std::function<void(TStringGrid* sender, int col, int row, bool& canSelect)> OnSelectCell;
    // When the in-place editor takes the text of (col, row); the editor shows value.
    std::function<void(TStringGrid* sender, int col, int row, QString& value)> OnGetEditText;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The cells' font is SetGridFont's: the widget's own does not reach them.
    using QAbstractScrollArea::setFont;

    struct Private;
    Private* d;
};
