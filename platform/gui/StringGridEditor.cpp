// The grid's in-place editor: a line edit laid over the selected cell whose every edit lands in
// the cell, and whose keys pass the grid's key-press event first.
#include "StringGrid.h"

#include "InsertedRun.h"
#include "StringGridPrivate.h"
#include "TextCodec.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

QValidator::State EditorTextValidator::CheckLimit(const QString& input) const
{
    if (m_limit <= 0)
        return Acceptable;
    const int bytes = DisplayByteCount(input);
    return bytes <= m_limit || bytes <= DisplayByteCount(m_accepted) ? Acceptable : Invalid;
}

QValidator::State EditorTextValidator::validate(QString& input, int& pos) const
{
    if (m_trusted)
        return CheckLimit(input);
    if (!m_passed.isNull() && input == m_passed)
        return Acceptable;
    const TInsertedRun run = InsertedRun(m_accepted, input, pos);
    const QString inserted = input.mid(run.Start, run.Length);
    if (inserted.isEmpty())
        return CheckLimit(input);
    const QString before = input.left(run.Start);
    const QString after = input.mid(run.Start + run.Length);
    int bytes = DisplayByteCount(before + after);
    QString passed;
    for (QChar key : inserted) {
        // Backspace, Enter and Esc are commands when typed, never text; a lone half of a
        // surrogate pair cannot pass as a key.
        if (!IsTextChar(key) || key.isSurrogate())
            continue;
        if (!m_filter(key))
            break;
        if (!IsTextChar(key))
            continue;
        const int keyBytes = DisplayByteCount(QString(key));
        if (m_limit > 0 && bytes + keyBytes > m_limit)
            break;
        passed += key;
        bytes += keyBytes;
    }
    input = before + passed + after;
    pos = static_cast<int>(before.size() + passed.size());
    m_passed = input;
    return Acceptable;
}

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
        d->validator->SetLimit(limit);
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
    validator = new EditorTextValidator(editor, [this](QChar& key) { return Fire(q->OnKeyPress, q, key); });
    editor->setValidator(validator);
    editor->installEventFilter(q);
    // Files dropped on the editor go on to the window, which takes files wherever they are dropped.
    editor->setAcceptDrops(false);
    // Made late, the editor would come last in the window's tab order; Tab from it goes where
    // Tab from the grid goes.
    QWidget::setTabOrder(q, editor);
    QObject::connect(editor, &QLineEdit::textEdited, q, [this](const QString& text) { editorEdited(text); });
    QObject::connect(editor, &QLineEdit::textChanged, q,
                     [this](const QString& text) { validator->SetAcceptedText(text); });
}

void TStringGrid::Private::openEditor(QChar typed)
{
    if (!editing || editorOpen || !selectable(col, row))
        return;
    ensureEditor();
    dragSelecting = false;
    // Each opening starts without a limit; OnGetEditText may set one.
    validator->SetLimit(0);
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
    validator->SetTrusted(true);
    editor->setText(text);
    validator->SetTrusted(false);
}

void TStringGrid::Private::insertIntoEditor(const QString& text)
{
    validator->SetTrusted(true);
    editor->insert(text);
    validator->SetTrusted(false);
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
