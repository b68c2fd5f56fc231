// The Search menu: the search dialog, the searches for the search value backward and forward
// from the active pane's cursor, and the walks to the previous and next difference between the
// two panes.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Messages.h"
#include "SearchBoxUnit.h"

namespace {

void ShowSearchHit(TMainForm& form, bool found)
{
    if (!found) {
        ShowMessage("Not found.");
        return;
    }
    if (form.ShowCursor(form.ActivePane))
        form.FillStyleGrids(false);
}

void ShowDifference(TMainForm& form, bool found, int64_t i, int64_t j)
{
    if (!found) {
        ShowMessage("Inspection end.");
        return;
    }
    CursorAddress[0] = static_cast<int32_t>(i);
    CursorAddress[1] = static_cast<int32_t>(j);
    form.ShowCursor(0);
    form.ShowCursor(1);
    form.FillStyleGrids(true);
}

} // namespace

void TMainForm::mSearch1Click(TMenuItem*)
{
    SearchBox->OwnerRect = OwnerRectOf(this);
    switch (SearchBox->ShowModal()) {
    case mrOk:
        mNextSearchClick(mNextSearch);
        break;
    case mrRetry:
        mFrontSearchClick(mFrontSearch);
        break;
    default:
        break;
    }
}

void TMainForm::mFrontSearchClick(TMenuItem*)
{
    ShowSearchHit(*this, FrontSearch(ActivePane, CursorAddress[ActivePane]));
}

void TMainForm::mNextSearchClick(TMenuItem*)
{
    ShowSearchHit(*this, NextSearch(ActivePane, CursorAddress[ActivePane]));
}

// The panes are compared at the displacement the cursors have, from one byte beyond them.
void TMainForm::mFrontComparedClick(TMenuItem*)
{
    int64_t i = int64_t{CursorAddress[0]} - 1;
    int64_t j = int64_t{CursorAddress[1]} - 1;
    const bool found = PreviousDifference(i, j);
    ShowDifference(*this, found, i, j);
}

void TMainForm::mNextComparedClick(TMenuItem*)
{
    int64_t i = int64_t{CursorAddress[0]} + 1;
    int64_t j = int64_t{CursorAddress[1]} + 1;
    const bool found = NextDifference(i, j);
    ShowDifference(*this, found, i, j);
}
