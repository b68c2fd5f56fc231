// The style popup's commands: fields added, deleted and cleared, the style renamed, its offset
// jumped by, set and switched, the editing commands locked, and a field's comment, hint and
// kind set.
#include "MainUnit.h"

#include "DataUnit.h"
#include "InputBoxUnit.h"
#include "Runtime.h"
#include "SizeBoxUnit.h"

int TMainForm::SelectedField() const
{
    return FieldOfStyleRow(StyleGrid(ActivePane)->Row());
}

bool TMainForm::AskForText(uint8_t mode)
{
    InputBox->InputMode = mode;
    return InputBox->ShowModal() == mrOk;
}

void TMainForm::pmAdditionClick(TMenuItem*)
{
    InsertStyleRow(CurrentStyle, SelectedField() + 1);
    FillStyleGrids(true);
}

void TMainForm::pmDeleteClick(TMenuItem*)
{
    DeleteStyleRow(CurrentStyle, SelectedField());
    FillStyleGrids(true);
}

void TMainForm::pmClearClick(TMenuItem*)
{
    ClearStyleRows(CurrentStyleRecord());
    FillStyleGrids(true);
}

void TMainForm::pmNewNameClick(TMenuItem*)
{
    if (AskForText(0))
        CurrentStyleRecord().StyleName.Assign(InputBox->InputText);
    // An emptied name frees the slot; the rebuild's packing drops the style from the menu.
    RebuildStyleMenu();
    FillStyleGrids(true);
}

void TMainForm::pmJumpOffsetClick(TMenuItem*)
{
    const int p = ActivePane;
    const TStyle& style = CurrentStyleRecord();
    // Wide enough that no offset from a style file can overflow: a cursor that would leave the
    // data is simply not taken.
    const int64_t cursor = int64_t{CursorAddress[p]} + style.OffsetAddress;
    if (cursor < 0 || cursor + style.TotalSize >= DataSize[p])
        return;
    CursorAddress[p] = static_cast<int32_t>(cursor);
    FillStyleGrids(true);
    ShowCursor(p);
    DumpGrid(p)->setFocus(Qt::OtherFocusReason);
}

void TMainForm::pmSetOffsetClick(TMenuItem*)
{
    TStyle& style = CurrentStyleRecord();
    style.OffsetAddress = CursorAddress[ActivePane];
    pmOffsetAddress->setText(QString::fromStdString(IntToHex(style.OffsetAddress, 6)));
    pmOffsetAddress->SetChecked(true);
    style.UseOffset = OffsetInUse;
    // The style stays where the cursor was, now as the offset from address zero.
    mMoveToTopClick(mMoveToZero);
}

void TMainForm::pmOffsetAddressClick(TMenuItem*)
{
    const bool on = !pmOffsetAddress->Checked();
    pmOffsetAddress->SetChecked(on);
    CurrentStyleRecord().UseOffset = on ? OffsetInUse : 0;
    FillStyleGrids(true);
}

void TMainForm::pmLockClick(TMenuItem*)
{
    const bool locked = !pmLock->Checked();
    pmLock->SetChecked(locked);
    for (TMenuItem* item : {pmAddition,  pmDelete,    pmClear,    pmNewName, pmSetOffset, pmOffsetAddress, pmComment,
                            pmHint,      pmNone1,     pmBinary1,  pmHex1,    pmByte1,     pmShortInt1,     pmWord1,
                            pmSmallint1, pmLongWord1, pmLongInt1, pmInt641,  pmChar1,     pmSpace1})
        item->setEnabled(!locked);
}

void TMainForm::pmCommentClick(TMenuItem*)
{
    const int field = SelectedField();
    if (AskForText(1)) {
        TStyle& style = CurrentStyleRecord();
        style.RowUsed[field] = RowInUse;
        style.RowComment[field].Assign(InputBox->InputText);
    }
    FillStyleGrids(true);
}

void TMainForm::pmHintClick(TMenuItem*)
{
    const int field = SelectedField();
    if (AskForText(2)) {
        TStyle& style = CurrentStyleRecord();
        style.RowUsed[field] = RowInUse;
        // Stored as typed: "//" becomes a line break only where the hint is shown.
        style.RowHint[field].Assign(InputBox->InputText);
    }
    FillStyleGrids(true);
}

void TMainForm::pmNone1Click(TMenuItem* sender)
{
    const int kind = sender->Tag();
    CheckRange(kind, 0, KindCount - 1);
    TStringGrid* grid = StyleGrid(ActivePane);
    grid->SetEditorMode(false);
    const int field = SelectedField();
    TStyle& style = CurrentStyleRecord();
    style.RowUsed[field] = RowInUse;
    style.RowKind[field] = static_cast<uint8_t>(kind);
    if (kind <= vkInt64) {
        style.RowSize[field] = KindSize[kind];
    } else if (kind == vkChars || kind == vkSpace) {
        if (style.RowSize[field] == 0)
            style.RowSize[field] = KindSize[kind];
        // Cancelling keeps the new kind with the size it has now.
        SizeBox->SizeValue = style.RowSize[field];
        if (SizeBox->ShowModal() == mrOk)
            style.RowSize[field] = SizeBox->SizeValue;
    }
    RecountStyle(CurrentStyle);
    // Ready for the field's value where the grid can edit in place.
    if (grid->Editing())
        grid->SetEditorMode(true);
    FillStyleGrids(true);
}
