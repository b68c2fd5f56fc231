#pragma once
// For the time a listing, comparison or search runs: the hourglass over the list, and the
// commands that would change the list or start another search disabled, since they would run
// inside the long command while it lets pending events through. All comes back when the command
// ends, also by an error.

#include "TrawlboxUnit.h"

#include <initializer_list>

class TTrawlboxForm::TBusy {
public:
    explicit TBusy(TTrawlboxForm* form) : m_form(form) { Set(true); }
    ~TBusy() { Set(false); }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    void Set(bool busy)
    {
        for (TMenuItem* item :
             {m_form->mSetFolder, m_form->mComparison, m_form->mFindValue, m_form->mAllClear, m_form->mAllCheck})
            item->setEnabled(!busy);
        if (busy)
            m_form->CheckListBox1->setCursor(Qt::WaitCursor);
        else
            m_form->CheckListBox1->unsetCursor();
    }

    TTrawlboxForm* m_form;
};
