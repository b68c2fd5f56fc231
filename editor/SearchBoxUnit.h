#pragma once
// The search dialog: a value typed as text, its kind chosen from a list, and two arrow buttons
// that make it the search value and end the dialog with Retry (search backward) or OK (search
// forward). Text the kind refuses leaves the dialog open as typed. Enter and Esc do nothing
// here: only the buttons and the close box (Cancel) end it.

#include "Form.h"

class QComboBox;
class TEdit;
class TSpeedButton;

class TSearchBox : public TForm {
    Q_OBJECT

public:
    explicit TSearchBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TSearchBox() override;

    // ---- Components
    QComboBox* ComboBox1 = nullptr;
    TEdit* Edit1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;

    void FormShow(TForm* sender);
    void SpeedButton1Click(TSpeedButton* sender);
    void SpeedButton2Click(TSpeedButton* sender);

    // The caller's window, to centre in; written before each show.
    TOwnerRect OwnerRect;

private:
    // Makes the typed text the search value as the chosen kind and, when it is accepted, ends
    // the dialog with the result.
    void SetValueAndClose(int result);
};

// The one search dialog; set while it exists.
extern TSearchBox* SearchBox;
