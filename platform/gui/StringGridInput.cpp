// The grid's own keyboard, mouse, wheel and focus handling.
#include "StringGrid.h"

#include "StringGridPrivate.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int WheelNotch = 120;

// Focus that leaves for a popup or another window and comes back is no new entry.
bool PassingFocus(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// The grid that has the focus itself or through its in-place editor.
// The grid that has the focus in the window, or gets it back when the window is activated: while
// no window is active the application has no focus widget, but the window keeps its own.
TStringGrid* FocusedGridIn(const QWidget* window)
{
    for (QWidget* widget = window->focusWidget(); widget; widget = widget->parentWidget())
        if (auto* grid = qobject_cast<TStringGrid*>(widget))
            return grid->isVisible() ? grid : nullptr;
    return nullptr;
}

} // namespace

// ---- Keys

bool TStringGrid::Private::navigationTarget(const QKeyEvent* event, int& column, int& r)
{
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const int lastCol = colCount - 1;
    const int lastRow = rowCount - 1;
    column = col;
    r = row;
    switch (event->key()) {
    case Qt::Key_Up:
        --r;
        break;
    case Qt::Key_Down:
        ++r;
        break;
    case Qt::Key_Left:
        --column;
        break;
    case Qt::Key_Right:
        ++column;
        break;
    case Qt::Key_PageUp:
        // The view moves by a page and the selection with it, keeping its place on screen.
        setTopRow(topRow - pageRows());
        r -= pageRows();
        break;
    case Qt::Key_PageDown:
        setTopRow(topRow + pageRows());
        r += pageRows();
        break;
    case Qt::Key_Home:
        column = fixedCols;
        if (control)
            r = fixedRows;
        break;
    case Qt::Key_End:
        column = lastCol;
        if (control)
            r = lastRow;
        break;
    default:
        return false;
    }
    column = std::clamp(column, fixedCols, lastCol);
    r = std::clamp(r, fixedRows, lastRow);
    return true;
}

bool TStringGrid::Private::navigate(const QKeyEvent* event)
{
    int column = 0;
    int r = 0;
    if (!navigationTarget(event, column, r))
        return false;
    moveTo(column, r, extends(event->modifiers()));
    return true;
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    if (d->editorOpen) {
        // A key the editor passed on (Ctrl alone, F6) goes on to the window; handing it back
        // to the editor would bounce it between the two forever.
        if (d->forwardingKey) {
            event->ignore();
            return;
        }
        // The editor sits on the selected cell; keys reaching the grid belong to it.
        d->editor->setFocus(Qt::OtherFocusReason);
        d->forwardingKey = true;
        QCoreApplication::sendEvent(d->editor, event);
        d->forwardingKey = false;
        return;
    }
    if (d->navigate(event))
        return;
    // Desktops give Shift+F10 beside the menu key; Qt makes a popup of the menu key alone.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        d->showPopupAtCell();
        return;
    }
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        d->openEditor();
        return;
    }
    QChar key = TypedChar(event);
    if (key.isNull()) {
        event->ignore();
        return;
    }
    if (!Fire(OnKeyPress, this, key) || key.isNull())
        return;
    if (IsTextChar(key))
        d->openEditor(key);
    else if (key == u'\r' && d->editing)
        d->openEditor();
    else if (key != u'\b')
        event->ignore(); // Enter and Esc that the grid does not use go on to its window
}

void TStringGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    int key = event->key();
    Fire(OnKeyUp, this, key, event->modifiers());
}

// ---- Mouse and wheel

void TStringGrid::Private::press(QMouseEvent* event, bool doubleClick)
{
    if (!q->hasFocus() && !(editor && editor->hasFocus()))
        q->setFocus(Qt::MouseFocusReason);
    const Qt::MouseButton button = event->button();
    const QPoint pos = event->position().toPoint();
    const bool left = button == Qt::LeftButton;
    if (doubleClick && left && !Fire(q->OnDblClick, q))
        return;
    int column = 0;
    int r = 0;
    const bool onSelectable = q->MouseToCell(pos.x(), pos.y(), column, r) && selectable(column, r);
    if (left && onSelectable) {
        if (moveTo(column, r, extends(event->modifiers())) == Move::Failed)
            return;
        dragSelecting = true;
    }
    if (!Fire(q->OnMouseDown, q, button, event->modifiers(), pos.x(), pos.y()))
        return;
    if (doubleClick && left && onSelectable && column == col && r == row)
        openEditor();
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    d->press(event, false);
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    d->press(event, true);
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging with the left button stretches a range selection to the cell reached, wherever
    // the mouse goes; without range selection it carries the selected cell along.
    if (!d->dragSelecting || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint pos = event->position().toPoint();
    int column = 0;
    int r = 0;
    if (d->rangeSelect)
        d->nearestSelectable(pos, column, r);
    else if (!MouseToCell(pos.x(), pos.y(), column, r) || !d->selectable(column, r))
        return;
    if (d->moveTo(column, r, d->rangeSelect) == Private::Move::Failed)
        d->dragSelecting = false;
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    d->dragSelecting = false;
    const QPoint pos = event->position().toPoint();
    if (!Fire(OnMouseUp, this, event->button(), event->modifiers(), pos.x(), pos.y()))
        return;
    if (event->button() == Qt::RightButton)
        d->showPopup(event->globalPosition().toPoint());
}

void TStringGrid::wheelEvent(QWheelEvent* event)
{
    event->accept();
    // As on Windows, the wheel turns for the grid that has the focus, wherever the mouse is, and
    // also while the window is not active: a grid that moved its selection without having the
    // focus would leave whatever follows the focused grid's selection out of step.
    if (TStringGrid* focused = FocusedGridIn(window()); focused && focused != this) {
        QWidget* target = focused->viewport();
        QWheelEvent forwarded(target->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                              event->pixelDelta(), event->angleDelta(), event->buttons(), event->modifiers(),
                              event->phase(), event->inverted(), event->source());
        QCoreApplication::sendEvent(target, &forwarded);
        return;
    }
    d->wheelRemainder += event->angleDelta().y();
    while (std::abs(d->wheelRemainder) >= WheelNotch) {
        const bool up = d->wheelRemainder > 0;
        d->wheelRemainder -= up ? WheelNotch : -WheelNotch;
        bool handled = false;
        if (!Fire(OnMouseWheel, this, up, event->modifiers(), handled)) {
            d->wheelRemainder = 0;
            return;
        }
        if (handled)
            continue;
        const int r = up ? std::max(d->fixedRows, d->row - 1) : std::min(d->rowCount - 1, d->row + 1);
        if (d->moveTo(d->col, r) == Private::Move::Failed) {
            d->wheelRemainder = 0;
            return;
        }
    }
}

// The mouse's menu comes from the right-button release; only the keyboard's menu key is left.
void TStringGrid::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        d->showPopupAtCell();
}

void TStringGrid::Private::showPopupAtCell()
{
    const QRect cell = q->CellRect(col, row);
    const QPoint at = cell.isEmpty() ? q->viewport()->rect().center() : cell.bottomLeft();
    showPopup(q->viewport()->mapToGlobal(at));
}

void TStringGrid::Private::showPopup(const QPoint& globalPos)
{
    if (popup)
        popup->exec(globalPos);
}

void TStringGrid::SetPopupMenu(QMenu* menu)
{
    d->popup = menu;
}

QMenu* TStringGrid::PopupMenu() const
{
    return d->popup;
}

// ---- Focus: the grid and its editor count as one control, entered once.

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    d->updateCell(d->col, d->row);
    const bool fromEditor = d->focusWithin;
    d->focusEntered();
    if (!d->editorOpen)
        return;
    // While the editor is open the grid only hands the focus on: to the editor, or back past
    // the grid when Shift+Tab leaves the editor.
    if (fromEditor && event->reason() == Qt::BacktabFocusReason)
        focusNextPrevChild(false);
    else
        d->editor->setFocus(Qt::OtherFocusReason);
}

void TStringGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    d->updateCell(d->col, d->row);
    d->focusLeft(event->reason());
}

void TStringGrid::Private::focusEntered()
{
    // Focus given while the window was inactive arrives only once it is active again, and the
    // grid it left then hears of no exit: whatever the activation state, the focus lies here
    // now, so any other grid of the window is entered anew when it next has the focus.
    for (TStringGrid* other : q->window()->findChildren<TStringGrid*>())
        if (other != q && other->window() == q->window())
            other->d->focusWithin = false;
    if (focusWithin)
        return;
    focusWithin = true;
    Fire(q->OnEnter, q);
}

void TStringGrid::Private::focusLeft(Qt::FocusReason reason)
{
    if (PassingFocus(reason))
        return;
    const QWidget* now = QApplication::focusWidget();
    if (now != q && (editor == nullptr || now != editor))
        focusWithin = false;
}
