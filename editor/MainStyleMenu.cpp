// The Style menu's list of the group's named styles, and the choice of the current style there.
#include "MainUnit.h"

#include "DataUnit.h"

#include <string>

namespace {

// The Style menu's fixed items: the group commands, the addition, the copy and delete dialog and
// their two separators. The style items follow them.
constexpr int FixedStyleItems = 7;
constexpr int StyleItemGroup = 99;

} // namespace

void TMainForm::RebuildStyleMenu()
{
    const QList<QAction*> items = mStyle->actions();
    for (qsizetype i = items.size() - 1; i >= FixedStyleItems; --i) {
        if (items[i] == mDummyMenu)
            mDummyMenu = nullptr;
        mStyle->removeAction(items[i]);
        items[i]->deleteLater();
    }

    const int n = PackStyleGroup();
    for (int s = 0; s < StyleCount && StyleGroup[s].StyleName.Length != 0; ++s) {
        const std::string name = "StyleItem" + std::to_string(s);
        TMenuItem* item =
            AddMenuItem(mStyle, name.c_str(), QString::fromStdString(StyleGroup[s].StyleName.Text()));
        item->SetTag(s);
        item->SetGroupIndex(StyleItemGroup);
        item->SetRadioItem(true);
        item->OnClick = [this](TMenuItem* sender) { StyleMenuClick(sender); };
    }
    if (CurrentStyle < n)
        StyleItem(CurrentStyle)->SetChecked(true);
}

TMenuItem* TMainForm::StyleItem(int slot) const
{
    const QList<QAction*> items = mStyle->actions();
    const qsizetype index = FixedStyleItems + qsizetype{slot};
    return slot >= 0 && index < items.size() ? qobject_cast<TMenuItem*>(items[index]) : nullptr;
}

void TMainForm::StyleMenuClick(TMenuItem* sender)
{
    sender->SetChecked(true);
    CurrentStyle = sender->Tag();
    if (StyleGroup[CurrentStyle].UseOffset != 0)
        mMoveToTopClick(mMoveToZero);
    else
        FillStyleGrids(true);
}
