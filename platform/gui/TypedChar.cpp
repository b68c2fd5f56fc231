#include "TypedChar.h"

#include <QKeyEvent>

QChar TypedChar(const QKeyEvent* event)
{
    const bool control = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    switch (event->key()) {
    case Qt::Key_Backspace:
        return control ? QChar() : QChar(u'\b');
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return control ? QChar() : QChar(u'\r');
    case Qt::Key_Escape:
        return QChar(u'\x1b');
    default:
        break;
    }
    const QString text = event->text();
    if (control || text.size() != 1)
        return {};
    const QChar key = text.front();
    if (key.isSurrogate() || key.category() == QChar::Other_Control)
        return {};
    return key;
}
