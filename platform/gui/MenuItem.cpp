#include "MenuItem.h"

#include "Messages.h"

#include <QMenu>

TMenuItem::TMenuItem(const QString& caption, QObject* parent) : QAction(caption, parent)
{
    // A separator keeps no text: the menu styles would draw it beside the line.
    if (caption == QStringLiteral("-")) {
        setSeparator(true);
        setText(QString());
    }
    connect(this, &QAction::triggered, this, &TMenuItem::Click);
}

void TMenuItem::SetChecked(bool on)
{
    m_checked = on;
    ShowCheck();
    if (!on || !m_radioItem)
        return;
    QMenu* menu = Menu();
    if (!menu)
        return;
    for (QAction* action : menu->actions()) {
        auto* item = qobject_cast<TMenuItem*>(action);
        if (item && item != this && item->m_radioItem && item->m_groupIndex == m_groupIndex && item->m_checked) {
            item->m_checked = false;
            item->ShowCheck();
        }
    }
}

QMenu* TMenuItem::Menu() const
{
    for (QObject* object : associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(object))
            return menu;
    return nullptr;
}

void TMenuItem::ShowCheck()
{
    // Only a checked item is checkable, so that unchecked items draw no empty indicator and a
    // click never toggles a mark by itself.
    setCheckable(m_checked);
    QAction::setChecked(m_checked);
}

void TMenuItem::Click()
{
    ShowCheck();
    if (OnClick)
        RunHandler([this] { OnClick(this); });
}

TMenuItem* AddMenuItem(QMenu* menu, const char* objectName, const QString& caption)
{
    auto* item = new TMenuItem(caption, menu);
    item->setObjectName(QString::fromLatin1(objectName));
    menu->addAction(item);
    return item;
}

QMenu* AddSubMenu(QMenu* menu, const char* objectName, const QString& caption)
{
    auto* submenu = new QMenu(caption, menu);
    submenu->setObjectName(QString::fromLatin1(objectName));
    menu->addMenu(submenu);
    return submenu;
}
