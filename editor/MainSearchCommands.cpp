// The Search menu: the search dialog, the searches for the search value backward and forward
// from the active pane's cursor, and the walks to the previous and next difference between the
// two panes.
#include "MainUnit.h"

#include "DataUnit.h"
#include "Messages.h"
#include "SearchBoxUnit.h"

#include <algorithm>
#include <iterator>

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

// The panes are compared at the displacement the cursors have, from one byte beyond them.
// i and j are the addresses in pane a and pane b; a pair is compared only when both lie inside
// their pane's data.

// The nearest differing pair from (i, j) down. A start beyond the end of either pane's data first
// steps down into both, the two addresses together, without comparing.
bool PreviousDifference(int64_t& i, int64_t& j)
{
    const int64_t excess = std::max({int64_t{0}, i - (int64_t{DataSize[0]} - 1), j - (int64_t{DataSize[1]} - 1)});
    i -= excess;
    j -= excess;
    if (i < 0 || j < 0)
        return false;
    const int64_t pairs = std::min(i, j) + 1;
    const auto a = std::make_reverse_iterator(DataBuffer[0].data() + i + 1);
    const auto b = std::make_reverse_iterator(DataBuffer[1].data() + j + 1);
    const int64_t equal = std::mismatch(a, a + pairs, b).first - a;
    if (equal == pairs)
        return false;
    i -= equal;
    j -= equal;
    return true;
}

// The nearest differing pair from (i, j) up.
bool NextDifference(int64_t& i, int64_t& j)
{
    const int64_t pairs = std::min(int64_t{DataSize[0]} - i, int64_t{DataSize[1]} - j);
    if (i < 0 || j < 0 || pairs <= 0)
        return false;
    const uint8_t* a = DataBuffer[0].data() + i;
    const int64_t equal = std::mismatch(a, a + pairs, DataBuffer[1].data() + j).first - a;
    if (equal == pairs)
        return false;
    i += equal;
    j += equal;
    return true;
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
