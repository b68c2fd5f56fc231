#pragma once
// The grid's state and the helpers its parts share: geometry, selection moves, the in-place
// editor. Only the grid's own sources include this.

#include "InputValidator.h"
#include "Messages.h"
#include "StringGrid.h"
#include "StringGridCell.h"
#include "TypedChar.h"

#include <QColor>
#include <QFont>

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QKeyEvent;
class QPainter;
class QMouseEvent;

// Draws the text from the area's left edge one character to a cell as wide as the painter's
// font's digits; control characters (C0, DEL, C1) show as blanks, and a character that the font
// draws wider than the cell is taken from a narrower face and, if need be, narrowed to fit.
void DrawFixedPitchText(QPainter& painter, const QRect& area, const QString& text);
// Draws the text from the area's top-left corner as the font sets it, each control character
// (C0, DEL, C1) a blank as wide as the font's digits, as in a fixed-pitch column.
void DrawCellText(QPainter& painter, const QRect& area, const QString& text);

// Runs an event handler through the dispatcher; an unset handler counts as run. False when a
// runtime error ended it, so that the grid abandons the rest of that input.
template <class Handler, class... Args>
bool Fire(const Handler& handler, Args&&... args)
{
    if (!handler)
        return true;
    return RunHandler([&] { handler(std::forward<Args>(args)...); });
}

struct TStringGrid::Private {
    enum class Move { Done, Refused, Failed };

    explicit Private(TStringGrid* grid) : q(grid) {}

    TStringGrid* q;

    int colCount = 5;
    int rowCount = 5;
    int fixedCols = 1;
    int fixedRows = 1;
    std::vector<TCellText> cells = std::vector<TCellText>(25);
    std::vector<int> colWidths = std::vector<int>(5, DefaultColWidth);
    std::vector<bool> fixedPitchCols = std::vector<bool>(5, false);
    int rowHeight = 24;

    QColor color;
    QColor fixedColor;
    QColor fontColor;
    QFont font;
    bool gridLines = true;
    bool editing = false;
    bool rangeSelect = false;

    int col = 1;
    int row = 1;
    // The corner of a range selection that stays while Col and Row move.
    int anchorCol = 1;
    int anchorRow = 1;
    int topRow = 1;

    int updateLevel = 0;
    bool syncingScrollBar = false;
    bool focusWithin = false;
    bool dragSelecting = false;
    int wheelRemainder = 0;
    QMenu* popup = nullptr;

    QLineEdit* editor = nullptr;
    TInputValidator* validator = nullptr;
    bool editorOpen = false;
    bool forwardingKey = false; // a key is on its way from the grid to the editor
    int editCol = 0;
    int editRow = 0;
    std::string editOriginal;

    static constexpr int DefaultColWidth = 64;

    // ---- Geometry (viewport coordinates; columns never scroll)
    [[nodiscard]] int lineWidth() const { return gridLines ? 1 : 0; }
    [[nodiscard]] int rowPitch() const { return rowHeight + lineWidth(); }
    [[nodiscard]] int fixedHeight() const { return fixedRows * rowPitch(); }
    [[nodiscard]] int colLeft(int column) const;
    // Whole non-fixed rows that fit below the fixed rows; at least one.
    [[nodiscard]] int pageRows() const;
    [[nodiscard]] int maxTopRow() const;
    [[nodiscard]] bool inGrid(int column, int r) const
    {
        return column >= 0 && column < colCount && r >= 0 && r < rowCount;
    }
    [[nodiscard]] bool selectable(int column, int r) const
    {
        return inGrid(column, r) && column >= fixedCols && r >= fixedRows;
    }
    [[nodiscard]] std::size_t index(int column, int r) const;

    // ---- Drawing and scrolling
    void drawFocusRect(QPainter& painter) const;
    void updateCell(int column, int r);
    void updateAll();
    void syncScrollBar();
    void setTopRow(int r);
    void scrollIntoView();
    // Keeps the selection and the top row inside the grid after its shape changed.
    void clampAfterReshape();
    void resizeCells(int newCols, int newRows);

    // ---- Selection
    // A move asked for by the user or the program: OnSelectCell first; an unchanged cell raises
    // nothing and only scrolls into view. Extending keeps the anchor of a range selection;
    // otherwise the selection becomes the one cell.
    Move moveTo(int column, int r, bool extend = false);
    [[nodiscard]] TGridRect selection() const;
    [[nodiscard]] bool extends(Qt::KeyboardModifiers modifiers) const
    {
        return rangeSelect && (modifiers & Qt::ShiftModifier) != 0;
    }
    // The selectable cell nearest to a viewport point, for a range drag that leaves them.
    void nearestSelectable(const QPoint& pos, int& column, int& r) const;
    // The key's target cell; false when the key does not move the selection.
    bool navigationTarget(const QKeyEvent* event, int& column, int& r);
    bool navigate(const QKeyEvent* event);
    void press(QMouseEvent* event, bool doubleClick);
    void focusEntered();
    void focusLeft(Qt::FocusReason reason);
    void showPopup(const QPoint& globalPos);
    // The keyboard's popup, under the current cell.
    void showPopupAtCell();

    // ---- In-place editor
    void ensureEditor();
    // Opens the editor on the selected cell; a typed character replaces the cell's text.
    void openEditor(QChar typed = QChar());
    // Closes the editor; restore puts back the text the cell had when it opened.
    void closeEditor(bool restore);
    void placeEditor();
    void editorEdited(const QString& text);
    // Text that the grid itself puts into the editor: only the byte limit applies.
    void setEditorText(const QString& text);
    void insertIntoEditor(const QString& text);
    // The editor's key presses; true when the key was used up before the editor saw it.
    bool editorKeyPress(QKeyEvent* event);
    bool editorKeyRelease(QKeyEvent* event);
};

// A character that the in-place editor takes as text, unlike Backspace, Enter and Esc.
[[nodiscard]] inline bool IsTextChar(QChar key)
{
    return !key.isNull() && key != u'\b' && key != u'\r' && key != u'\x1b';
}
