#pragma once
// The in-place value editor: a small borderless box in a blue frame that opens right under the
// dump cursor cell, shows the value at the cursor as the dump popup's kind, steps numbers with
// the arrow keys and writes the typed value into the pane on Enter. Shown modally: OK when the
// bytes were written, No when nothing was.

#include "Form.h"

class TEdit;

class TTextChip : public TForm {
    Q_OBJECT

public:
    explicit TTextChip(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TTextChip() override;

    TEdit* Edit1 = nullptr;
    // The pane whose value is edited; taken from the main window's active pane on every show.
    int EditPane = 0;
    // The kind of the edited value; the caller writes it before the modal show.
    int EditKind = 0;

    void FormCreate(TForm* sender);
    void FormShow(TForm* sender);
    // Steps the number with the Up and Down arrows; setting key to 0 consumes the key.
    void Edit1KeyDown(int& key, Qt::KeyboardModifiers shift);
    // Enter and Esc close the box; the kind decides which other characters pass. Setting key to
    // QChar() drops it.
    void Edit1KeyPress(QChar& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QString HintText() const;
    void PlaceUnderCursorCell();
};

// The one value editor; set while it exists.
extern TTextChip* TextChip;
