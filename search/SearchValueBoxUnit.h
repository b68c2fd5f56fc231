#pragma once
// The "Search Value" dialog: the value typed in Edit1 and its kind chosen in ComboBox1 become the
// byte pattern the search looks for. The kinds are the editor's value kinds, encoded by the
// editor's parsers with their messages, and "Chat", the text's own bytes. Only the buttons and
// the close box end the dialog: Enter and Esc do nothing here.

#include "Edit.h"
#include "Form.h"
#include "SpeedButton.h"

#include <QComboBox>

#include <array>
#include <cstdint>
#include <string>

inline constexpr int PatternCapacity = 256;
// Edit1 takes this many bytes, which bounds a "Chat" pattern.
inline constexpr int ChatCapacity = 80;

class TSearchValueBox : public TForm {
    Q_OBJECT

public:
    explicit TSearchValueBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TSearchValueBox() override;

    TEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;

    // All bytes beyond the first PatternLength are 0 after every MakePattern.
    std::array<uint8_t, PatternCapacity> Pattern{};
    int32_t PatternLength = 0;
    TOwnerRect OwnerRect;

    void FormShow(TForm* sender);
    void SpeedButton1Click(TSpeedButton* sender);
    void SpeedButton2Click(TSpeedButton* sender);
    // Encodes the text by the kind at the index; false, with the parser's message where the kind
    // has one, when the text is refused. PatternLength changes only on success.
    bool MakePattern(int Index, const std::string& Text);
};

extern TSearchValueBox* SearchValueBox;
