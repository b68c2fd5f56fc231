#pragma once
// The grid's state and the helpers its parts share: geometry, selection moves, the in-place
// editor. Only the grid's own sources include this.

#include "Messages.h"
#include "StringGrid.h"
#include "TypedChar.h"

#include <QColor>
#include <QFont>
#include <QValidator>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class QKeyEvent;
class QMouseEvent;

// The bytes a text takes in the in-place editor: one for a character up to U+00FF (the bytes of
// the data shown as characters), the UTF-8 length for any other.
[[nodiscard]] int EditorByteCount(const QString& text);

// Refuses an edit that makes the text longer than the limit, unless the text was already that
// long, so that an over-long text can still be shortened.
class ByteLimitValidator : public QValidator {
public:
    using QValidator::QValidator;
    void SetLimit(int limit) { m_limit = limit; }
    void SetAcceptedText(const QString& text) { m_acceptedBytes = EditorByteCount(text); }
    State validate(QString& input, int& pos) const override;

private:
    int m_limit = 0;
    int m_acceptedBytes = 0;
};

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
    std::vector<std::string> cells = std::vector<std::string>(25);
    std::vector<int> colWidths = std::vector<int>(5, DefaultColWidth);
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
    int topRow = 1;

    int updateLevel = 0;
    bool syncingScrollBar = false;
    bool focusWithin = false;
    bool dragSelecting = false;
    int wheelRemainder = 0;
    QMenu* popup = nullptr;

    QLineEdit* editor = nullptr;
    ByteLimitValidator* validator = nullptr;
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
    // nothing and only scrolls into view.
    Move moveTo(int column, int r);
    // The key's target cell; false when the key does not move the selection.
    bool navigationTarget(const QKeyEvent* event, int& column, int& r);
    bool navigate(const QKeyEvent* event);
    void press(QMouseEvent* event, bool doubleClick);
    void focusEntered();
    void focusLeft(Qt::FocusReason reason);
    void showPopup(const QPoint& globalPos);

    // ---- In-place editor
    void ensureEditor();
    // Opens the editor on the selected cell; a typed character replaces the cell's text.
    void openEditor(QChar typed = QChar());
    // Closes the editor; restore puts back the text the cell had when it opened.
    void closeEditor(bool restore);
    void placeEditor();
    void editorEdited(const QString& text);
    // The editor's key presses; true when the key was used up before the editor saw it.
    bool editorKeyPress(QKeyEvent* event);
    bool editorKeyRelease(QKeyEvent* event);
};

