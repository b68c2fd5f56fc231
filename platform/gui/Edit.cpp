#include "Edit.h"

#include "Messages.h"
#include "TypedChar.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

bool TEdit::PassKey(QChar& key)
{
    return RunHandler([&] { OnKeyPress(this, key); }) && !key.isNull();
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = TypedChar(event);
    if (typed.isNull() || !OnKeyPress) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = typed;
    if (!PassKey(key)) {
        event->accept();
        return;
    }
    if (key != typed && IsTextChar(key)) {
        insert(QString(key));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text passes the filter character by character, as typed keys do.
    if (OnKeyPress && !event->commitString().isEmpty()) {
        QString passed;
        for (QChar key : event->commitString()) {
            if (!key.isSurrogate() && PassKey(key))
                passed += key;
        }
        event->setCommitString(passed, event->replacementStart(), event->replacementLength());
    }
    QLineEdit::inputMethodEvent(event);
}
