#pragma once
// The size dialog: asks for the byte count of a character or space field, 0 to 255, from the
// size its caller presets. Enter or the check-mark button accept, Esc cancels.

#include "Form.h"

#include <cstdint>

class TEdit;
class TSpeedButton;
class TUpDown;
enum class TUDBtnType;

class TSizeBox : public TForm {
    Q_OBJECT

public:
    explicit TSizeBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TSizeBox() override;

    TUpDown* UpDown1 = nullptr;
    TEdit* Edit1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    // Preset by the caller; on OK the size chosen, always within 0 to 255.
    int32_t SizeValue = 0;

    void FormShow(TForm* sender);
    void Edit1KeyPress(TEdit* sender, QChar& key);
    void SpeedButton1Click(TSpeedButton* sender);
};

// The one size dialog; set while it exists.
extern TSizeBox* SizeBox;
