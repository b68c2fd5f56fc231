#include "MenuTable.h"

#include <QKeySequence>

TMenuItem* AddMenuRow(QMenu* menu, const char* name, const char* caption, int shortcut, int tag, bool checked)
{
    TMenuItem* item = AddMenuItem(menu, name, QString::fromUtf8(caption));
    if (shortcut != 0)
        item->setShortcut(QKeySequence(QKeyCombination::fromCombined(shortcut)));
    item->SetTag(tag);
    item->SetChecked(checked);
    return item;
}

QMenu* AddBarMenu(QMenuBar* bar, const char* name, const char* caption)
{
    auto* menu = new QMenu(QString::fromUtf8(caption), bar);
    menu->setObjectName(QString::fromLatin1(name));
    bar->addMenu(menu);
    return menu;
}
