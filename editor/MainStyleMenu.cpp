// The Style menu: the commands on the style group as a whole, the addition of a style, and the
// list of the group's named styles with the choice of the current style there.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Messages.h"
#include "Runtime.h"

#include <string>
#include <string_view>

namespace {

// The Style menu's fixed items: the group commands, the addition, the copy and delete dialog and
// their two separators. The style items follow them.
constexpr int FixedStyleItems = 7;
constexpr int StyleItemGroup = 99;

// A generated name is "Style " and a number; the number starts at this byte of the name.
constexpr size_t StyleNumberStart = 6;

// The number of a new style: one above the number that the last listed name carries behind
// "Style ", or else the new slot's index. Summed in 64 bits, so that "Style 2147483647" is
// followed by "Style 2147483648" instead of an overflow.
int64_t NewStyleNumber(const std::string& lastName, int slot)
{
    const std::string_view number =
        lastName.size() > StyleNumberStart ? std::string_view(lastName).substr(StyleNumberStart) : std::string_view();
    const int32_t value = StrToIntDef(number, -1);
    return value != -1 ? int64_t{value} + 1 : slot;
}

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

    PackStyleGroup();
    // A group without any named style comes out of the packing with slot 0 named "Style 0", so
    // the listed slots, not the packing's count, say which current style has its item.
    int listed = 0;
    for (; listed < StyleCount && StyleGroup[listed].StyleName.Length != 0; ++listed) {
        const std::string name = "StyleItem" + std::to_string(listed);
        TMenuItem* item =
            AddMenuItem(mStyle, name.c_str(), QString::fromStdString(StyleGroup[listed].StyleName.Text()));
        item->SetTag(listed);
        item->SetGroupIndex(StyleItemGroup);
        item->SetRadioItem(true);
        item->OnClick = [this](TMenuItem* sender) { StyleMenuClick(sender); };
    }
    if (CurrentStyle < listed)
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
    if (CurrentStyleRecord().UseOffset != 0)
        mMoveToTopClick(mMoveToZero);
    else
        FillStyleGrids(true);
}

void TMainForm::mStyleGroupReadClick(TMenuItem*)
{
    OpenDialog2->SetFileName(StyleGroupFileName);
    if (!OpenDialog2->Execute())
        return;
    ReadStyleGroup(OpenDialog2->FileName());
}

void TMainForm::ReadStyleGroup(const std::string& fileName)
{
    const auto showGroup = [this] {
        RebuildStyleMenu();
        FillStyleGrids(true);
    };
    try {
        ReadStyleGroupFile(fileName);
    } catch (const ERuntimeError&) {
        // A read that a corrupt count ends part-way has replaced the group all the same: the
        // menu and the grids show what is now in memory, packed and recounted, before the error
        // box comes up. Left as read, the group would fail every later refill of the grids.
        showGroup();
        throw;
    }
    showGroup();
}

void TMainForm::mStyleGroupSaveClick(TMenuItem*)
{
    SaveDialog2->SetFileName(StyleGroupFileName);
    if (SaveDialog2->Execute())
        WriteStyleGroupFile(SaveDialog2->FileName());
}

void TMainForm::mStyleGroupNewClick(TMenuItem*)
{
    NewStyleGroup();
    CurrentStyle = 0;
    RebuildStyleMenu();
    FillStyleGrids(true);
}

void TMainForm::mStyleAddClick(TMenuItem*)
{
    const int n = PackStyleGroup();
    if (n > StyleCount - 1) {
        ShowMessage("It cannot add any more.");
        return;
    }
    // The last item names the last style the menu lists.
    const std::string lastName = mStyle->actions().constLast()->text().toStdString();
    CurrentStyle = n;
    StyleGroup[n].StyleName.Assign("Style " + std::to_string(NewStyleNumber(lastName, n)));
    RebuildStyleMenu();
    FillStyleGrids(true);
}
