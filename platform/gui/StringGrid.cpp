#include "StringGrid.h"

#include "Runtime.h"
#include "StringGridPrivate.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent), d(new Private(this))
{
    d->color = palette().color(QPalette::Active, QPalette::Base);
    d->fixedColor = palette().color(QPalette::Active, QPalette::Button);
    d->fontColor = palette().color(QPalette::Active, QPalette::Text);
    d->font = font();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setTracking(false);
    d->syncScrollBar();
}

TStringGrid::~TStringGrid()
{
    // The editor's focus events must not reach a grid that is half gone.
    if (d->editor) {
        d->editor->removeEventFilter(this);
        delete d->editor;
    }
    delete d;
}

// ---- Shape and contents

int TStringGrid::ColCount() const
{
    return d->colCount;
}

void TStringGrid::SetColCount(int count)
{
    count = std::max(count, 1);
    if (count == d->colCount)
        return;
    d->resizeCells(count, d->rowCount);
    d->colWidths.resize(count, Private::DefaultColWidth);
    d->fixedPitchCols.resize(count, false);
    d->fixedCols = std::min(d->fixedCols, count - 1);
    d->clampAfterReshape();
}

int TStringGrid::RowCount() const
{
    return d->rowCount;
}

void TStringGrid::SetRowCount(int count)
{
    count = std::max(count, 1);
    if (count == d->rowCount)
        return;
    d->resizeCells(d->colCount, count);
    d->fixedRows = std::min(d->fixedRows, count - 1);
    d->clampAfterReshape();
}

int TStringGrid::FixedCols() const
{
    return d->fixedCols;
}

void TStringGrid::SetFixedCols(int count)
{
    if (count < 0 || count >= d->colCount)
        throw ERangeError();
    d->fixedCols = count;
    d->clampAfterReshape();
}

int TStringGrid::FixedRows() const
{
    return d->fixedRows;
}

void TStringGrid::SetFixedRows(int count)
{
    if (count < 0 || count >= d->rowCount)
        throw ERangeError();
    d->fixedRows = count;
    d->clampAfterReshape();
}

std::string TStringGrid::Cell(int col, int row) const
{
    return std::string(d->cells[d->index(col, row)].View());
}

void TStringGrid::SetCell(int col, int row, std::string_view text)
{
    SetCells(col, row, {&text, 1});
}

void TStringGrid::SetCells(int col, int row, std::span<const std::string_view> texts)
{
    if (texts.empty())
        return;
    const int last = col + static_cast<int>(texts.size()) - 1;
    TCellText* cell = &d->cells[d->index(col, row)];
    if (last >= d->colCount)
        throw ERangeError();
    for (const std::string_view text : texts)
        *cell++ = text;
    if (d->editorOpen && row == d->editRow && col <= d->editCol && d->editCol <= last) {
        // As on opening, the new text stands selected, so that what is typed next replaces it,
        // and Esc goes back to it.
        d->editOriginal = std::string(texts[d->editCol - col]);
        d->setEditorText(QString::fromUtf8(texts[d->editCol - col]));
        d->editor->selectAll();
    }
    if (d->updateLevel == 0)
        for (int c = col; c <= last; ++c)
            d->updateCell(c, row);
}

int TStringGrid::ColWidth(int col) const
{
    if (col < 0 || col >= d->colCount)
        throw ERangeError();
    return d->colWidths[col];
}

void TStringGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= d->colCount)
        throw ERangeError();
    d->colWidths[col] = std::max(width, 0);
    d->placeEditor();
    d->updateAll();
}

bool TStringGrid::FixedPitchCol(int col) const
{
    if (col < 0 || col >= d->colCount)
        throw ERangeError();
    return d->fixedPitchCols[col];
}

void TStringGrid::SetFixedPitchCol(int col, bool on)
{
    if (col < 0 || col >= d->colCount)
        throw ERangeError();
    d->fixedPitchCols[col] = on;
    d->updateAll();
}

int TStringGrid::DefaultRowHeight() const
{
    return d->rowHeight;
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    d->rowHeight = std::max(height, 1);
    d->clampAfterReshape();
}

// ---- Look

void TStringGrid::SetColor(const QColor& color)
{
    d->color = color;
    d->updateAll();
}

QColor TStringGrid::Color() const
{
    return d->color;
}

void TStringGrid::SetFixedColor(const QColor& color)
{
    d->fixedColor = color;
    d->updateAll();
}

QColor TStringGrid::FixedColor() const
{
    return d->fixedColor;
}

void TStringGrid::SetGridFont(const QFont& font, const QColor& textColor)
{
    d->font = font;
    d->fontColor = textColor;
    if (d->editor)
        d->editor->setFont(font);
    d->updateAll();
}

QFont TStringGrid::GridFont() const
{
    return d->font;
}

QColor TStringGrid::FontColor() const
{
    return d->fontColor;
}

void TStringGrid::SetGridLines(bool on)
{
    d->gridLines = on;
    d->clampAfterReshape();
}

void TStringGrid::SetEditing(bool on)
{
    d->editing = on;
    if (!on && d->editorOpen)
        d->closeEditor(false);
}

bool TStringGrid::Editing() const
{
    return d->editing;
}

void TStringGrid::SetRangeSelect(bool on)
{
    d->rangeSelect = on;
    d->anchorCol = d->col;
    d->anchorRow = d->row;
    d->updateAll();
}

bool TStringGrid::RangeSelect() const
{
    return d->rangeSelect;
}

void TStringGrid::SetThumbTracking(bool on)
{
    verticalScrollBar()->setTracking(on);
}

// ---- Selection and scrolling

int TStringGrid::Col() const
{
    return d->col;
}

int TStringGrid::Row() const
{
    return d->row;
}

void TStringGrid::SetCol(int col)
{
    SetColRow(col, d->row);
}

void TStringGrid::SetRow(int row)
{
    SetColRow(d->col, row);
}

void TStringGrid::SetColRow(int col, int row)
{
    if (!d->selectable(col, row))
        throw ERangeError();
    d->moveTo(col, row);
}

TGridRect TStringGrid::Selection() const
{
    return d->selection();
}

int TStringGrid::TopRow() const
{
    return d->topRow;
}

void TStringGrid::SetTopRow(int row)
{
    d->setTopRow(row);
}

int TStringGrid::VisibleRowCount() const
{
    const int fit = std::max(0, (viewport()->height() - d->fixedHeight()) / d->rowPitch());
    return std::min(fit, d->rowCount - d->topRow);
}

// ---- Drawing, geometry

void TStringGrid::BeginUpdate()
{
    if (d->updateLevel++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void TStringGrid::EndUpdate()
{
    if (d->updateLevel == 0 || --d->updateLevel > 0)
        return;
    viewport()->setUpdatesEnabled(true);
    d->syncScrollBar();
    // A new range may show or hide the scroll bar; the area does that in a queued call, which
    // would resize the viewport and paint it all once more after the repaint that ends a fill.
    // Made now, the viewport has its final size before anything is painted.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    d->placeEditor();
    viewport()->update();
}

QRect TStringGrid::CellRect(int col, int row) const
{
    if (!d->inGrid(col, row))
        return {};
    int top = row * d->rowPitch();
    if (row >= d->fixedRows) {
        if (row < d->topRow)
            return {};
        top = d->fixedHeight() + (row - d->topRow) * d->rowPitch();
    }
    const int left = d->colLeft(col);
    if (top >= viewport()->height() || left >= viewport()->width())
        return {};
    return {left, top, d->colWidths[col], d->rowHeight};
}

bool TStringGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    if (x < 0 || y < 0)
        return false;
    int column = 0;
    for (int right = 0; column < d->colCount; ++column) {
        right += d->colWidths[column] + d->lineWidth();
        if (x < right)
            break;
    }
    if (column == d->colCount)
        return false;
    const int fixedHeight = d->fixedHeight();
    const int r = y < fixedHeight ? y / d->rowPitch() : d->topRow + (y - fixedHeight) / d->rowPitch();
    if (r >= d->rowCount)
        return false;
    col = column;
    row = r;
    return true;
}

void TStringGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect area = event->rect();
    painter.fillRect(area, d->color);
    painter.setFont(d->font);
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    const QColor highlightText = palette().color(QPalette::Active, QPalette::HighlightedText);
    const QColor lineColor = palette().color(QPalette::Active, QPalette::Mid);
    const int width = viewport()->width();
    const int height = viewport()->height();
    const int pitch = d->rowPitch();
    const int line = d->lineWidth();

    const TGridRect range = d->selection();
    auto paintRow = [&](int r, int top) {
        if (top + pitch <= area.top() || top > area.bottom())
            return;
        for (int c = 0, left = 0; c < d->colCount && left < width; left += d->colWidths[c] + line, ++c) {
            const QRect cell(left, top, d->colWidths[c], d->rowHeight);
            const bool fixed = c < d->fixedCols || r < d->fixedRows;
            const bool selected = !fixed && c >= range.Left && c <= range.Right && r >= range.Top && r <= range.Bottom;
            painter.fillRect(cell, fixed ? d->fixedColor : selected ? highlight : d->color);
            if (line) {
                painter.fillRect(cell.right() + 1, top, line, pitch, lineColor);
                painter.fillRect(left, cell.bottom() + 1, cell.width(), line, lineColor);
            }
            const TCellText& text = d->cells[d->index(c, r)];
            if (text.Empty())
                continue;
            painter.setPen(selected ? highlightText : d->fontColor);
            painter.setClipRect(cell);
            if (d->fixedPitchCols[c])
                DrawFixedPitchText(painter, cell.adjusted(2, 2, 0, 0), QString::fromUtf8(text.View()));
            else
                DrawCellText(painter, cell.adjusted(2, 2, 0, 0), QString::fromUtf8(text.View()));
            painter.setClipping(false);
        }
    };
    for (int r = 0; r < d->fixedRows; ++r)
        paintRow(r, r * pitch);
    for (int r = d->topRow, top = d->fixedHeight(); r < d->rowCount && top < height; ++r, top += pitch)
        paintRow(r, top);
    if (hasFocus())
        d->drawFocusRect(painter);
}

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    d->clampAfterReshape();
}

void TStringGrid::scrollContentsBy(int, int)
{
    if (d->syncingScrollBar)
        return;
    const int top = std::clamp(d->fixedRows + verticalScrollBar()->value(), d->fixedRows, d->maxTopRow());
    if (top == d->topRow)
        return;
    d->topRow = top;
    d->placeEditor();
    d->updateAll();
}

// ---- Private: geometry and scrolling

// A dotted frame that inverts what lies under it, so it shows on any colour, as the desktop's
// grids mark the cell that takes the keys.
void TStringGrid::Private::drawFocusRect(QPainter& painter) const
{
    const QRect cell = q->CellRect(col, row);
    if (cell.isEmpty())
        return;
    QPen dots(Qt::white);
    dots.setDashPattern({1, 1});
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(dots);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.restore();
}

int TStringGrid::Private::colLeft(int column) const
{
    int left = 0;
    for (int c = 0; c < column; ++c)
        left += colWidths[c] + lineWidth();
    return left;
}

int TStringGrid::Private::pageRows() const
{
    return std::max(1, (q->viewport()->height() - fixedHeight()) / rowPitch());
}

int TStringGrid::Private::maxTopRow() const
{
    return std::max(fixedRows, rowCount - pageRows());
}

std::size_t TStringGrid::Private::index(int column, int r) const
{
    if (!inGrid(column, r))
        throw ERangeError();
    return static_cast<std::size_t>(r) * colCount + column;
}

void TStringGrid::Private::updateCell(int column, int r)
{
    if (updateLevel > 0)
        return;
    const QRect rect = q->CellRect(column, r);
    if (!rect.isEmpty())
        q->viewport()->update(rect);
}

void TStringGrid::Private::updateAll()
{
    if (updateLevel == 0)
        q->viewport()->update();
}

void TStringGrid::Private::syncScrollBar()
{
    if (updateLevel > 0)
        return;
    QScrollBar* bar = q->verticalScrollBar();
    syncingScrollBar = true;
    bar->setRange(0, maxTopRow() - fixedRows);
    bar->setPageStep(pageRows());
    bar->setSingleStep(1);
    bar->setValue(topRow - fixedRows);
    syncingScrollBar = false;
}

void TStringGrid::Private::setTopRow(int r)
{
    r = std::clamp(r, fixedRows, maxTopRow());
    if (r == topRow)
        return;
    topRow = r;
    syncScrollBar();
    placeEditor();
    updateAll();
}

void TStringGrid::Private::scrollIntoView()
{
    if (row < topRow)
        setTopRow(row);
    else if (row >= topRow + pageRows())
        setTopRow(row - pageRows() + 1);
}

void TStringGrid::Private::clampAfterReshape()
{
    col = std::clamp(col, fixedCols, colCount - 1);
    row = std::clamp(row, fixedRows, rowCount - 1);
    anchorCol = std::clamp(anchorCol, fixedCols, colCount - 1);
    anchorRow = std::clamp(anchorRow, fixedRows, rowCount - 1);
    if (editorOpen && (editCol != col || editRow != row))
        closeEditor(false);
    topRow = std::clamp(topRow, fixedRows, maxTopRow());
    syncScrollBar();
    placeEditor();
    updateAll();
}

void TStringGrid::Private::resizeCells(int newCols, int newRows)
{
    const std::size_t count = static_cast<std::size_t>(newRows) * newCols;
    if (newCols == colCount) {
        // Rows that go are emptied but keep their place, so that the rows of the next larger
        // file are written where they lie instead of the array growing and moving again.
        const std::size_t used = static_cast<std::size_t>(rowCount) * colCount;
        for (std::size_t i = count; i < used; ++i)
            cells[i].Clear();
        if (count > cells.size())
            cells.resize(count);
    } else {
        std::vector<TCellText> reshaped(count);
        const int keepCols = std::min(colCount, newCols);
        for (int r = 0; r < std::min(rowCount, newRows); ++r)
            for (int c = 0; c < keepCols; ++c)
                reshaped[static_cast<std::size_t>(r) * newCols + c] = std::move(cells[index(c, r)]);
        cells = std::move(reshaped);
    }
    colCount = newCols;
    rowCount = newRows;
}

TStringGrid::Private::Move TStringGrid::Private::moveTo(int column, int r, bool extend)
{
    const bool wasRange = anchorCol != col || anchorRow != row;
    if (column == col && r == row) {
        if (!extend && wasRange) {
            anchorCol = col;
            anchorRow = row;
            updateAll();
        }
        scrollIntoView();
        return Move::Done;
    }
    bool canSelect = true;
    if (!Fire(q->OnSelectCell, q, column, r, canSelect))
        return Move::Failed;
    // The handler may have reshaped the grid.
    if (!canSelect || !selectable(column, r))
        return Move::Refused;
    if (editorOpen)
        closeEditor(false);
    updateCell(col, row);
    col = column;
    row = r;
    if (!extend) {
        anchorCol = col;
        anchorRow = row;
    }
    scrollIntoView();
    if (wasRange || extend)
        updateAll();
    else
        updateCell(col, row);
    return Move::Done;
}

TGridRect TStringGrid::Private::selection() const
{
    return {std::min(col, anchorCol), std::min(row, anchorRow), std::max(col, anchorCol), std::max(row, anchorRow)};
}

void TStringGrid::Private::nearestSelectable(const QPoint& pos, int& column, int& r) const
{
    column = colCount - 1;
    for (int c = 0, right = 0; c < colCount; ++c) {
        right += colWidths[c] + lineWidth();
        if (pos.x() < right) {
            column = c;
            break;
        }
    }
    // Above the scrolling rows the drag reaches the row above them, so the view follows it up.
    r = pos.y() < fixedHeight() ? topRow - 1 : topRow + (pos.y() - fixedHeight()) / rowPitch();
    column = std::clamp(column, fixedCols, colCount - 1);
    r = std::clamp(r, fixedRows, rowCount - 1);
}
