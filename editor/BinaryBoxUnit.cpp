#include "BinaryBoxUnit.h"

#include "CheckMarkGlyph.h"
#include "ColorAndFont.h"
#include "DataUnit.h"
#include "Label.h"
#include "Messages.h"
#include "Panel.h"
#include "SmallDialog.h"
#include "SpeedButton.h"
#include "StringGrid.h"
#include "StyleGridDialog.h"
#include "TypedChar.h"
#include "UpDown.h"

#include <QKeyEvent>

#include <algorithm>

TBinaryBox* BinaryBox = nullptr;

namespace {

constexpr int LabelLefts[] = {7, 18, 29, 41, 52, 64, 75, 87};

// The first entry of BinaryText equal to the text, or -1.
int BinaryIndex(const std::string& text)
{
    const auto found = std::find(BinaryText.begin(), BinaryText.end(), text);
    return found == BinaryText.end() ? -1 : static_cast<int>(found - BinaryText.begin());
}

} // namespace

TBinaryBox::TBinaryBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    BinaryBox = this;
    setObjectName(QStringLiteral("BinaryBox"));
    setWindowTitle(QStringLiteral("Binary Input"));
    SetUpBlueDialog(this, 148, 21, false);
    // No control here takes the focus: the keys come to the form itself.
    setFocusPolicy(Qt::StrongFocus);

    Panel1 = new TPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 105, 21);
    Panel1->SetLoweredBevel(true);
    Panel1->setLineWidth(2);
    Panel1->SetColor(Qt::white);

    QFont bitFont = FormFont();
    bitFont.setPixelSize(16);
    bitFont.setBold(true);
    TLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8};
    for (int bit = 0; bit < 8; ++bit) {
        auto* label = new TLabel(Panel1);
        label->setObjectName(QStringLiteral("Label%1").arg(bit + 1));
        label->setGeometry(LabelLefts[bit], 3, 9, 16);
        label->setFont(bitFont);
        label->setText(QStringLiteral("0"));
        label->OnClick = [this](TLabel* sender) { Label1Click(sender); };
        *labels[bit] = label;
    }

    UpDown1 = new TUpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(105, 0, 17, 21);
    UpDown1->SetRange(0, 255);
    UpDown1->SetWrap(false);
    UpDown1->OnClick = [this](TUpDown* sender, TUDBtnType button) { UpDown1Click(sender, button); };

    SpeedButton1 = new TSpeedButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(123, 0, 23, 20);
    SpeedButton1->SetGlyph(CheckMarkGlyph(), DisabledCheckMarkGlyph());
    SpeedButton1->OnClick = [this](TSpeedButton* sender) { SpeedButton1Click(sender); };

    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TBinaryBox::~TBinaryBox()
{
    if (BinaryBox == this)
        BinaryBox = nullptr;
}

std::array<TLabel*, 8> TBinaryBox::Labels() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8};
}

void TBinaryBox::FormShow(TForm*)
{
    const TStringGrid* grid = ActiveStyleGrid();
    BinText = grid->Cell(grid->Col(), grid->Row());
    CentreOverActiveStyleGrid(this);
    // A cell that holds no bit string (a text typed but not entered) leaves the byte of the
    // last use.
    const int value = BinaryIndex(BinText);
    if (value >= 0) {
        UpDown1->SetPosition(value);
        UpDown1Click(UpDown1, TUDBtnType::btNext);
    }
    setFocus(Qt::OtherFocusReason);
}

void TBinaryBox::UpDown1Click(TUpDown*, TUDBtnType)
{
    const std::string& bits = BinaryText[UpDown1->Position()];
    const std::array<TLabel*, 8> labels = Labels();
    for (size_t bit = 0; bit < labels.size(); ++bit)
        labels[bit]->setText(QString(QLatin1Char(bits[bit])));
}

void TBinaryBox::Label1Click(TLabel* sender)
{
    sender->setText(sender->text() == QStringLiteral("0") ? QStringLiteral("1") : QStringLiteral("0"));
    std::string bits;
    for (const TLabel* label : Labels())
        bits += label->text().toStdString();
    UpDown1->SetPosition(BinaryIndex(bits));
}

void TBinaryBox::FormKeyPress(TForm*, QChar& key)
{
    EnterOrEscape(this, key, [this] { SpeedButton1Click(SpeedButton1); });
}

void TBinaryBox::SpeedButton1Click(TSpeedButton*)
{
    BinText = BinaryText[UpDown1->Position()];
    SetModalResult(mrOk);
}

void TBinaryBox::keyPressEvent(QKeyEvent* event)
{
    const QChar typed = TypedChar(event);
    QChar key = typed;
    if (!typed.isNull())
        RunHandler([&] { FormKeyPress(this, key); });
    if (!typed.isNull() && key.isNull())
        event->accept();
    else
        TForm::keyPressEvent(event);
}
