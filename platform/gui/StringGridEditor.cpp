// The grid's in-place editor: a line edit laid over the selected cell whose every edit lands in
// the cell, and whose keys pass the grid's key-press event first.
#include "StringGrid.h"

#include "StringGridPrivate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

QLineEdit* TStringGrid::InplaceEditor() const
{
    return d->editor;
}

bool TStringGrid::EditorMode() const
{
    return d->editorOpen;
}

void TStringGrid::SetEditorMode(bool on)
{
    if (on)
        d->openEditor();
    else
        d->closeEditor(false);
}

void TStringGrid::SetEditorByteLimit(int limit)
{
    if (d->validator)
        d->validator->SetLimit(limit, TEditBytes::Data);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (d->editor == nullptr || watched != d->editor)
        return QAbstractScrollArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return d->editorKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return d->editorKeyRelease(static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride:
        // Menu shortcuts win over the editor's own Ctrl and Alt keys.
        if (static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::FocusIn:
        d->focusEntered();
        return false;
    case QEvent::FocusOut:
        d->focusLeft(static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

void TStringGrid::Private::ensureEditor()
{
    if (editor)
        return;
    editor = new QLineEdit(q->viewport());
    editor->hide();
    editor->setFrame(false);
    editor->setMaxLength(std::numeric_limits<int>::max());
    // Pasted and composed text passes the grid's key filter; the grid's own edits do not.
    validator = new TInputValidator(editor, [this](QChar& key) { return Fire(q->OnKeyPress, q, key); });
    validator->SetFiltering(true);
    editor->installEventFilter(q);
    // Files dropped on the editor go on to the window, which takes files wherever they are dropped.
    editor->setAcceptDrops(false);
    // Made late, the editor would come last in the window's tab order; Tab from it goes where
    // Tab from the grid goes.
    QWidget::setTabOrder(q, editor);
    QObject::connect(editor, &QLineEdit::textEdited, q, [this](const QString& text) { editorEdited(text); });
}

void TStringGrid::Private::openEditor(QChar typed)
{
    if (!editing || editorOpen || !selectable(col, row))
        return;
    ensureEditor();
    dragSelecting = false;
    // Each opening starts without a limit; OnGetEditText may set one.
    validator->SetLimit(0, TEditBytes::Data);
    editCol = col;
    editRow = row;
    editOriginal = cells[index(col, row)];
    QString value = QString::fromStdString(editOriginal);
    if (!Fire(q->OnGetEditText, q, col, row, value) || col != editCol || row != editRow || !selectable(col, row))
        return;
    editorOpen = true;
    editor->setFont(font);
    QPalette colours = editor->palette();
    colours.setColor(QPalette::Base, color);
    colours.setColor(QPalette::Text, fontColor);
    editor->setPalette(colours);
    setEditorText(value);
    placeEditor();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    editor->selectAll();
    if (IsTextChar(typed))
        insertIntoEditor(QString(typed));
}

void TStringGrid::Private::closeEditor(bool restore)
{
    if (!editorOpen)
        return;
    editorOpen = false;
    if (restore && inGrid(editCol, editRow))
        cells[index(editCol, editRow)] = editOriginal;
    if (editor->hasFocus())
        q->setFocus(Qt::OtherFocusReason);
    editor->hide();
    updateCell(editCol, editRow);
}

void TStringGrid::Private::placeEditor()
{
    if (!editorOpen)
        return;
    const QRect cell = q->CellRect(editCol, editRow);
    // Scrolled out of view, the editor waits outside the viewport, keeping its focus.
    if (cell.isEmpty())
        editor->setGeometry(-colWidths[editCol] - 1, -rowHeight - 1, colWidths[editCol], rowHeight);
    else
        editor->setGeometry(cell);
}

void TStringGrid::Private::editorEdited(const QString& text)
{
    if (editorOpen)
        cells[index(editCol, editRow)] = text.toStdString();
}

void TStringGrid::Private::setEditorText(const QString& text)
{
    validator->Accept(text);
    validator->SetFiltering(false);
    editor->setText(text);
    validator->SetFiltering(true);
}

void TStringGrid::Private::insertIntoEditor(const QString& text)
{
    validator->SetFiltering(false);
    editor->insert(text);
    validator->SetFiltering(true);
    editorEdited(editor->text());
}

bool TStringGrid::Private::editorKeyPress(QKeyEvent* event)
{
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool atStart = editor->cursorPosition() == 0 && !editor->hasSelectedText();
    const bool atEnd = editor->cursorPosition() == editor->text().size() && !editor->hasSelectedText();
    // Keys that leave the cell belong to the grid; the others move within the text.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return navigate(event);
    case Qt::Key_Home:
    case Qt::Key_End:
        return control && navigate(event);
    case Qt::Key_Left:
        return atStart && navigate(event);
    case Qt::Key_Right:
        return atEnd && navigate(event);
    default:
        break;
    }
    const QChar typed = TypedChar(event);
    if (typed.isNull())
        return false;
    QChar key = typed;
    if (!Fire(q->OnKeyPress, q, key) || key.isNull())
        return true;
    if (key == u'\x1b') {
        closeEditor(true);
        return true;
    }
    if (key == u'\r') {
        closeEditor(false);
        return true;
    }
    // A passed character is put in here, so that it does not pass the filter a second time.
    if (IsTextChar(key)) {
        insertIntoEditor(QString(key));
        return true;
    }
    return false;
}

bool TStringGrid::Private::editorKeyRelease(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return false;
    int key = event->key();
    Fire(q->OnKeyUp, q, key, event->modifiers());
    return key == 0;
}
