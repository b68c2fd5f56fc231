#include "Edit.h"

#include "Messages.h"
#include "TypedChar.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <functional>

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent), m_validator(new TInputValidator(this, [this](QChar& key) {
          return !OnKeyPress || RunHandler([&] { OnKeyPress(this, key); });
      }))
{
}

void TEdit::SetMaxLength(int bytes, TEditBytes counted)
{
    m_validator->SetLimit(bytes, counted);
}

int TEdit::MaxLength() const
{
    return m_validator->Limit();
}

void TEdit::SetText(const QString& text)
{
    m_validator->Accept(text);
    setText(text);
}

bool TEdit::PassKey(QChar& key)
{
    if (OnKeyPress && !RunHandler([&] { OnKeyPress(this, key); }))
        return false;
    return !key.isNull();
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = TypedChar(event);
    if (typed.isNull()) {
        // The box's own commands: paste, undo, cut, the moves of the cursor.
        Pasting([&] { QLineEdit::keyPressEvent(event); });
        return;
    }
    QChar key = typed;
    if (!PassKey(key)) {
        event->accept();
        return;
    }
    if (key == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The handler typed another character in its place.
    QKeyEvent replaced(event->type(), 0, Qt::NoModifier, QString(key));
    QLineEdit::keyPressEvent(&replaced);
}

void TEdit::inputMethodEvent(QInputMethodEvent* event)
{
    Pasting([&] { QLineEdit::inputMethodEvent(event); });
}

void TEdit::Pasting(const std::function<void()>& edit)
{
    m_validator->SetFiltering(true);
    edit();
    m_validator->SetFiltering(false);
}

void TEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu's Paste runs while the menu is shown.
    Pasting([&] { QLineEdit::contextMenuEvent(event); });
}

void TEdit::dropEvent(QDropEvent* event)
{
    Pasting([&] { QLineEdit::dropEvent(event); });
}

void TEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection.
    Pasting([&] { QLineEdit::mouseReleaseEvent(event); });
}
