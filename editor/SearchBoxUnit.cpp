#include "SearchBoxUnit.h"

#include "ArrowGlyphs.h"
#include "DataUnit.h"
#include "Edit.h"
#include "SmallDialog.h"
#include "SpeedButton.h"
#include "TextCodec.h"

#include <QComboBox>

TSearchBox* SearchBox = nullptr;

namespace {

struct TKindItem {
    const char* label;
    TValueKind kind;
};

// The list's items in their order; the kind goes by the label. There is no Int64 item.
constexpr TKindItem KindItems[] = {
    {"Hex", vkHex},           {"Binary", vkBinary},   {"Byte", vkByte},
    {"ShortInt", vkShortInt}, {"Word", vkWord},       {"SmallInt", vkSmallInt},
    {"LongWord", vkLongWord}, {"LongInt", vkLongInt}, {"Chat", vkChars},
};
constexpr int ChatItem = 8;

int KindOfLabel(const QString& label)
{
    for (const TKindItem& item : KindItems)
        if (label == QLatin1String(item.label))
            return item.kind;
    return vkNone;
}

} // namespace

TSearchBox::TSearchBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    SearchBox = this;
    setObjectName(QStringLiteral("SearchBox"));
    setWindowTitle(QStringLiteral("Search"));
    SetUpBlueDialog(this, 215, 47, true);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(1, 24, 92, 20);
    ComboBox1->setEditable(false);
    ComboBox1->setMaxVisibleItems(9);
    for (const TKindItem& item : KindItems)
        ComboBox1->addItem(QString::fromLatin1(item.label));
    ComboBox1->setCurrentIndex(ChatItem);

    Edit1 = new TEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(1, 1, 212, 20);
    // "Chat" searches for the text's bytes: at most 80 of them.
    Edit1->SetMaxLength(80, TEditBytes::Data);

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(100, 24, 57, 21);
    SpeedButton1->setToolTip(QStringLiteral("Front is Search"));
    SpeedButton1->SetGlyph(ArrowGlyph(TArrow::Up), GreyedArrowGlyph(TArrow::Up));
    SpeedButton1->OnClick = [this](TSpeedButton* sender) { SpeedButton1Click(sender); };

    SpeedButton2 = new TSpeedButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(157, 24, 57, 21);
    SpeedButton2->setToolTip(QStringLiteral("Next is Search"));
    SpeedButton2->SetGlyph(ArrowGlyph(TArrow::Down), GreyedArrowGlyph(TArrow::Down));
    SpeedButton2->OnClick = [this](TSpeedButton* sender) { SpeedButton2Click(sender); };

    setTabOrder(ComboBox1, Edit1);
    Edit1->setFocus(Qt::OtherFocusReason);

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TSearchBox::~TSearchBox()
{
    if (SearchBox == this)
        SearchBox = nullptr;
}

void TSearchBox::FormShow(TForm*)
{
    CentreInOwnerRect(this, OwnerRect);
}

void TSearchBox::SpeedButton1Click(TSpeedButton*)
{
    SetValueAndClose(mrRetry);
}

void TSearchBox::SpeedButton2Click(TSpeedButton*)
{
    SetValueAndClose(mrOk);
}

void TSearchBox::SetValueAndClose(int result)
{
    // A character stands for its byte, so "Chat" searches for the very bytes the dump shows.
    if (SetSearchValue(DisplayToBytes(Edit1->text()), KindOfLabel(ComboBox1->currentText())))
        SetModalResult(result);
}
