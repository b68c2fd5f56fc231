#pragma once
// Menus made from tables. A row gives an item's name, caption, handler, shortcut, tag and check
// mark, so that what an item runs is read where the item is made. The row's item and handler
// are members of the window that owns the menu.

#include "MenuItem.h"

#include <QMenu>
#include <QMenuBar>

#include <cstddef>

// A handler of the window TOwner. Most take the clicked item; a few that the window also runs
// itself, with itself as the sender, take any object.
template <class TOwner>
class TMenuHandler {
public:
    constexpr TMenuHandler() = default;
    constexpr TMenuHandler(void (TOwner::*onItem)(TMenuItem*)) : m_onItem(onItem) {}
    constexpr TMenuHandler(void (TOwner::*onObject)(QObject*)) : m_onObject(onObject) {}

    void Bind(TOwner* owner, TMenuItem* item) const
    {
        if (m_onItem)
            item->OnClick = [owner, handler = m_onItem](TMenuItem* sender) { (owner->*handler)(sender); };
        else if (m_onObject)
            item->OnClick = [owner, handler = m_onObject](TMenuItem* sender) { (owner->*handler)(sender); };
    }

private:
    void (TOwner::*m_onItem)(TMenuItem*) = nullptr;
    void (TOwner::*m_onObject)(QObject*) = nullptr;
};

template <class TOwner>
struct TMenuRow {
    TMenuItem* TOwner::*item;
    const char* name;
    const char* caption; // "-" for a separator, which runs nothing
    TMenuHandler<TOwner> handler = {};
    int shortcut = 0; // a QKeyCombination's combined value; 0 for none
    int tag = 0;
    bool checked = false;
};

// Appends an item with the caption, shortcut, tag and check mark; the menu owns it.
TMenuItem* AddMenuRow(QMenu* menu, const char* name, const char* caption, int shortcut, int tag, bool checked);
// Appends an empty menu to the bar; the bar owns it.
QMenu* AddBarMenu(QMenuBar* bar, const char* name, const char* caption);

// Appends the rows' items to the menu, each bound to its handler, and sets the owner's members.
template <class TOwner, std::size_t N>
void AddMenuRows(TOwner* owner, QMenu* menu, const TMenuRow<TOwner> (&rows)[N])
{
    for (const TMenuRow<TOwner>& row : rows) {
        TMenuItem* item = AddMenuRow(menu, row.name, row.caption, row.shortcut, row.tag, row.checked);
        row.handler.Bind(owner, item);
        owner->*row.item = item;
    }
}

// Appends a menu of the rows to the bar.
template <class TOwner, std::size_t N>
QMenu* AddBarMenu(TOwner* owner, QMenuBar* bar, const char* name, const char* caption,
                  const TMenuRow<TOwner> (&rows)[N])
{
    QMenu* menu = AddBarMenu(bar, name, caption);
    AddMenuRows(owner, menu, rows);
    return menu;
}
