#include "SizeBoxUnit.h"

#include "CheckMarkGlyph.h"
#include "Edit.h"
#include "SmallDialog.h"
#include "SpeedButton.h"
#include "StyleGridDialog.h"
#include "UpDown.h"

TSizeBox* SizeBox = nullptr;

TSizeBox::TSizeBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    SizeBox = this;
    setObjectName(QStringLiteral("SizeBox"));
    setWindowTitle(QStringLiteral("Size input"));
    SetUpBlueDialog(this, 115, 27, true);

    Edit1 = new TEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(3, 3, 65, 20);
    Edit1->SetMaxLength(5);
    Edit1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit1->setText(QStringLiteral("0"));
    Edit1->OnKeyPress = [this](TEdit* sender, QChar& key) { Edit1KeyPress(sender, key); };

    UpDown1 = new TUpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(68, 3, 16, 20);
    UpDown1->SetRange(0, 255);
    UpDown1->SetWrap(false);
    UpDown1->SetAssociate(Edit1);

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(88, 2, 23, 22);
    SpeedButton1->SetGlyph(CheckMarkGlyph(), DisabledCheckMarkGlyph());
    SpeedButton1->OnClick = [this](TSpeedButton* sender) { SpeedButton1Click(sender); };

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TSizeBox::~TSizeBox()
{
    if (SizeBox == this)
        SizeBox = nullptr;
}

void TSizeBox::FormShow(TForm*)
{
    CentreOverActiveStyleGrid(this);
    UpDown1->SetPosition(SizeValue);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TSizeBox::Edit1KeyPress(TEdit*, QChar& key)
{
    if (EnterOrEscape(this, key, [this] { SpeedButton1Click(SpeedButton1); }))
        return;
    if ((key < u'0' || key > u'9') && key != u'\b')
        key = QChar();
}

void TSizeBox::SpeedButton1Click(TSpeedButton*)
{
    SizeValue = UpDown1->Position();
    SetModalResult(mrOk);
}
