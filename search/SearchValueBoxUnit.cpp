#include "SearchValueBoxUnit.h"

#include "ButtonGlyphs.h"
#include "DataUnit.h"
#include "SmallDialog.h"
#include "TextCodec.h"

#include <algorithm>

TSearchValueBox* SearchValueBox = nullptr;

namespace {

constexpr int ClientWidth = 215;
constexpr int ClientHeight = 47;
constexpr int VisibleKinds = 9;
constexpr int DesignKind = 7; // "LongInt"
constexpr int ChatIndex = 9;

// The items in order; item i up to "Int64" is the value kind i + 1.
const char* const KindItems[] = {"Binary",   "Hex",      "Byte",    "ShortInt", "Word",
                                 "SmallInt", "LongWord", "LongInt", "Int64",    "Chat"};

// The dialog's buttons carry their caption beside the glyph, on a raised face that stands out
// from the dialog's blue.
void ShowCaption(TSpeedButton* button, const QString& caption)
{
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(false);
}

} // namespace

TSearchValueBox::TSearchValueBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    SearchValueBox = this;
    setObjectName(QStringLiteral("SearchValueBox"));
    setWindowTitle(QStringLiteral("Search Value"));
    SetUpBlueDialog(this, ClientWidth, ClientHeight, true);

    Edit1 = new TEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(1, 1, 212, 20);
    // The bytes the text stands for, as the dump shows them: a character above U+00FF takes more
    // than one.
    Edit1->SetMaxLength(ChatCapacity, TEditBytes::Data);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(1, 24, 92, 20);
    ComboBox1->setMaxVisibleItems(VisibleKinds);
    for (const char* item : KindItems)
        ComboBox1->addItem(QString::fromLatin1(item));
    ComboBox1->setCurrentIndex(DesignKind);

    SpeedButton1 = new TSpeedButton(this);
    ShowCaption(SpeedButton1, QStringLiteral("No"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(100, 24, 57, 21);
    SpeedButton1->setToolTip(QStringLiteral("Front is Search"));
    SpeedButton1->SetGlyph(NoGlyph(false), NoGlyph(true));
    SpeedButton1->OnClick = [this](TSpeedButton* sender) { SpeedButton1Click(sender); };

    SpeedButton2 = new TSpeedButton(this);
    ShowCaption(SpeedButton2, QStringLiteral("OK"));
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setGeometry(157, 24, 57, 21);
    SpeedButton2->setToolTip(QStringLiteral("Next is Search"));
    SpeedButton2->SetGlyph(OkGlyph(false), OkGlyph(true));
    SpeedButton2->OnClick = [this](TSpeedButton* sender) { SpeedButton2Click(sender); };

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TSearchValueBox::~TSearchValueBox()
{
    if (SearchValueBox == this)
        SearchValueBox = nullptr;
}

void TSearchValueBox::FormShow(TForm*)
{
    CentreInOwnerRect(this, OwnerRect);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TSearchValueBox::SpeedButton1Click(TSpeedButton*)
{
    SetModalResult(mrNo);
}

void TSearchValueBox::SpeedButton2Click(TSpeedButton*)
{
    if (MakePattern(ComboBox1->currentIndex(), DisplayToBytes(Edit1->text())))
        SetModalResult(mrOk);
}

bool TSearchValueBox::MakePattern(int Index, const std::string& Text)
{
    Pattern.fill(0);
    if (Index < 0 || Index > ChatIndex)
        return false;
    if (Index == ChatIndex) {
        // The edit box holds no more; a longer text from elsewhere keeps its first bytes.
        const auto length = std::min(Text.size(), static_cast<size_t>(ChatCapacity));
        std::copy_n(Text.begin(), length, Pattern.begin());
        PatternLength = static_cast<int32_t>(length);
        return true;
    }
    const int kind = Index + 1;
    if (!TextToValue(Pattern.data(), PatternCapacity, 0, kind, 0, Text))
        return false;
    PatternLength = KindSize[static_cast<size_t>(kind)];
    return true;
}
