#pragma once
// The bit editor: one byte as eight clickable bit digits, bit 0 on the left, beside an up-down
// that steps the whole byte. Enter or the check-mark button accept, Esc cancels.

#include "Form.h"

#include <array>
#include <string>

class TLabel;
class TPanel;
class TSpeedButton;
class TUpDown;
enum class TUDBtnType;

class TBinaryBox : public TForm {
    Q_OBJECT

public:
    explicit TBinaryBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TBinaryBox() override;

    TPanel* Panel1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TUpDown* UpDown1 = nullptr;
    // The byte as 8 bit characters: on show the text of the style grid's current cell, on OK
    // one of the strings of BinaryText.
    std::string BinText;

    void FormShow(TForm* sender);
    void UpDown1Click(TUpDown* sender, TUDBtnType button);
    void Label1Click(TLabel* sender);
    void FormKeyPress(TForm* sender, QChar& key);
    void SpeedButton1Click(TSpeedButton* sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] std::array<TLabel*, 8> Labels() const;
};

// The one bit editor; set while it exists.
extern TBinaryBox* BinaryBox;
