#pragma once
// The address dialog: a number typed as an address of the active pane or as a distance from its
// cursor. Enter accepts a number that names a byte of the pane's data (anything else gives
// "Overflow" and keeps the dialog open), Esc cancels with No, the close box with Cancel.

#include "Form.h"

#include <cstdint>

class QRadioButton;
class TEdit;

class TAddressBox : public TForm {
    Q_OBJECT

public:
    explicit TAddressBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TAddressBox() override;

    // ---- Components
    TEdit* Edit1 = nullptr;
    QRadioButton* RadioButton1 = nullptr; // "Address"
    QRadioButton* RadioButton2 = nullptr; // "Offset"

    void FormShow(TForm* sender);
    void Edit1KeyPress(TEdit* sender, QChar& key);

    // The byte chosen; valid after the modal result OK.
    int32_t TargetAddress = 0;
    // The caller's window, to centre in; written before each show.
    TOwnerRect OwnerRect;

private:
    void AcceptAddress();
};

// The one address dialog; set while it exists.
extern TAddressBox* AddressBox;
