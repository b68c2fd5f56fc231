#include "InputBoxUnit.h"

#include "DataUnit.h"
#include "Edit.h"
#include "MainUnit.h"
#include "SmallDialog.h"
#include "StyleGridDialog.h"

#include <iterator>

TInputBox* InputBox = nullptr;

namespace {

struct TInputPreset {
    const char* caption;
    int maxLength; // bytes of UTF-8
    const char* hint;
};

// The dialog's hint is shown as it stands, both ampersands included; its lines are parted by
// LF CR, as every hint of the program is.
const TInputPreset Presets[] = {
    {"Style name input.", 30, "Max Length is 30 bytes\n\rReturn && ESC key is support."},
    {"Comment input.", 20, "Max Length is 20 bytes\n\rReturn && ESC key is support."},
    {"Hint input.", 80, "Max Length is 80 bytes\n\rReturn && ESC key is support.\n\rNew line is started by //."},
};
const TInputPreset PlainText = {"", 255, ""};

} // namespace

TInputBox::TInputBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    InputBox = this;
    setObjectName(QStringLiteral("InputBox"));
    SetUpBlueDialog(this, 271, 23, true);

    Edit1 = new TEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(1, 1, 268, 20);
    Edit1->setText(QStringLiteral("Edit1"));
    Edit1->OnKeyPress = [this](TEdit* sender, QChar& key) { Edit1KeyPress(sender, key); };

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TInputBox::~TInputBox()
{
    if (InputBox == this)
        InputBox = nullptr;
}

void TInputBox::FormShow(TForm*)
{
    CentreOverActiveStyleGrid(this);
    Edit1->SetText(QString());

    const TInputPreset& preset = InputMode < std::size(Presets) ? Presets[InputMode] : PlainText;
    std::string text;
    if (InputMode <= 2) {
        const TStyle& style = MainForm->CurrentStyleRecord();
        if (InputMode == 0) {
            text = style.StyleName.Text();
        } else {
            const int field = MainForm->SelectedField();
            text = InputMode == 1 ? style.RowComment[field].Text() : style.RowHint[field].Text();
        }
    }
    setWindowTitle(QString::fromUtf8(preset.caption));
    Edit1->SetMaxLength(preset.maxLength);
    Edit1->SetText(QString::fromStdString(text));
    setToolTip(HintShown != 0 ? QString::fromUtf8(preset.hint) : QString());
    InputText = Edit1->text().toStdString();
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TInputBox::Edit1KeyPress(TEdit*, QChar& key)
{
    EnterOrEscape(this, key, [this] {
        InputText = Edit1->text().toStdString();
        SetModalResult(mrOk);
    });
}
