#pragma once
// The copy and delete dialog: whole styles copied between the style group and the Stack, a
// second set of thirty slots that lives for the run, and deleted from either. It works on the
// two sets directly; the main window catches up when the dialog closes.

#include "Form.h"

#include <cstdint>

class QLabel;
class QListWidget;
class TSpeedButton;

class TCopyDelBox : public TForm {
    Q_OBJECT

public:
    explicit TCopyDelBox(QWidget* parent = nullptr, TFormCreation&& creation = {});
    ~TCopyDelBox() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    // The names of the style group's slots and of the Stack's, from slot 0 up to the first
    // unnamed slot: an item's index is its slot.
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    // The calling window, in which the dialog centres itself.
    TOwnerRect OwnerRect;

    void FormShow(TForm* sender);
    // 1 refills ListBox1, 2 ListBox2, 3 both; a refilled list has no selection.
    void RefreshLists(uint8_t Which);
    void SpeedButton1Click(TSpeedButton* sender);
    void SpeedButton2Click(TSpeedButton* sender);
    void SpeedButton3Click(TSpeedButton* sender);
    void ListBox1Enter(QListWidget* sender);
    void ListBox2Enter(QListWidget* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The list that took the focus last: the one the delete button acts on, as the buttons
    // never take the focus.
    QListWidget* m_enteredList = nullptr;
};

// The one copy and delete dialog; set while it exists.
extern TCopyDelBox* CopyDelBox;
