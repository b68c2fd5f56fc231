// The Style menu's copy and delete of whole styles, in their own dialog.
#include "MainUnit.h"

#include "CopyDelBoxUnit.h"

void TMainForm::mStyleDeleteClick(TMenuItem*)
{
    CopyDelBox->OwnerRect = OwnerRectOf(this);
    CopyDelBox->ShowModal();
    // The dialog may have moved or deleted any style, the current one too.
    CurrentStyle = 0;
    RebuildStyleMenu();
    FillStyleGrids(true);
}
