#pragma once
// The text dialog: asks for the current style's name, or the comment or hint of the field on
// the active style grid's current row, preset with what the style holds. Enter accepts, Esc
// cancels.

#include "Form.h"

#include <cstdint>
#include <string>

class TEdit;

class TInputBox : public TForm {
    Q_OBJECT

public:
    explicit TInputBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TInputBox() override;

    TEdit* Edit1 = nullptr;
    // 0 the style's name, 1 the field's comment, 2 its hint; any other value a plain text
    // without caption or preset. Written by the caller before the show.
    uint8_t InputMode = 0;
    // UTF-8. The preset from the show on; on OK what Edit1 held when Enter was pressed.
    std::string InputText;

    void FormShow(TForm* sender);
    void Edit1KeyPress(TEdit* sender, QChar& key);
};

// The one text dialog; set while it exists.
extern TInputBox* InputBox;
