#include "AddressBoxUnit.h"

#include "DataUnit.h"
#include "Edit.h"
#include "MainUnit.h"
#include "Messages.h"
#include "Runtime.h"
#include "SmallDialog.h"

#include <QRadioButton>

#include <limits>

TAddressBox* AddressBox = nullptr;

TAddressBox::TAddressBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    AddressBox = this;
    setObjectName(QStringLiteral("AddressBox"));
    setWindowTitle(QStringLiteral("Input Address"));
    SetUpBlueDialog(this, 136, 40, true);

    Edit1 = new TEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(1, 1, 132, 20);
    Edit1->SetMaxLength(11);
    Edit1->OnKeyPress = [this](TEdit* sender, QChar& key) { Edit1KeyPress(sender, key); };

    RadioButton1 = new QRadioButton(QStringLiteral("Address"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(1, 24, 66, 17);
    RadioButton1->setChecked(true);

    RadioButton2 = new QRadioButton(QStringLiteral("Offset"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(72, 24, 57, 17);

    Edit1->setFocus(Qt::OtherFocusReason);

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TAddressBox::~TAddressBox()
{
    if (AddressBox == this)
        AddressBox = nullptr;
}

void TAddressBox::FormShow(TForm*)
{
    CentreInOwnerRect(this, OwnerRect);
}

void TAddressBox::Edit1KeyPress(TEdit*, QChar& key)
{
    if (EnterOrEscape(this, key, [this] { AcceptAddress(); }))
        return;
    const char16_t c = key.unicode();
    if (!(c == u'\b' || c == u'$' || c == u'-' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') ||
          (c >= u'a' && c <= u'f')))
        key = QChar();
}

void TAddressBox::AcceptAddress()
{
    // A text that is no number becomes a value outside every address, and so an "Overflow" too.
    int64_t address = StrToInt64Def(Edit1->text().toStdString(), TextDefault);
    if (address < std::numeric_limits<int32_t>::min() || address > std::numeric_limits<int32_t>::max()) {
        ShowMessage("Overflow");
        return;
    }
    const int p = MainForm->ActivePane;
    if (RadioButton2->isChecked())
        address += CursorAddress[p];
    if (address < 0 || address >= DataSize[p]) {
        ShowMessage("Overflow");
        return;
    }
    TargetAddress = static_cast<int32_t>(address);
    SetModalResult(mrOk);
}
