#include "PopupMenu.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace {

QAction* FindShortcut(const QMenu* menu, const QKeySequence& key)
{
    for (QAction* action : menu->actions()) {
        if (!action->isEnabled() || !action->isVisible())
            continue;
        if (QMenu* submenu = action->menu()) {
            if (QAction* found = FindShortcut(submenu, key))
                return found;
        } else if (!action->isSeparator() && !action->shortcut().isEmpty() && action->shortcut() == key) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

TPopupMenu::TPopupMenu(QWidget* parent) : QMenu(parent)
{
}

void TPopupMenu::AttachTo(QWidget* control)
{
    Watch(control);
}

void TPopupMenu::Watch(QObject* object)
{
    if (!object->isWidgetType())
        return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        Watch(child);
}

QAction* TPopupMenu::ItemForKey(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == 0 || key == Qt::Key_unknown || key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
        key == Qt::Key_Meta)
        return nullptr;
    return FindShortcut(this, QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key))));
}

bool TPopupMenu::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        Watch(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::ShortcutOverride:
        // Claiming the key keeps the window's shortcuts and the child's own keys from it; it
        // then arrives as the key press below.
        if (ItemForKey(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (QAction* item = ItemForKey(static_cast<QKeyEvent*>(event))) {
            item->trigger();
            return true;
        }
        break;
    default:
        break;
    }
    return QMenu::eventFilter(watched, event);
}
