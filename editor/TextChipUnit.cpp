#include "TextChipUnit.h"

#include "ColorAndFont.h"
#include "DataUnit.h"
#include "Edit.h"
#include "MainUnit.h"
#include "Messages.h"
#include "Runtime.h"
#include "SmallDialog.h"
#include "TextCodec.h"
#include "ValueKeys.h"

#include <QKeyEvent>
#include <QStringList>

#include <array>
#include <cstdint>
#include <string>

TTextChip* TextChip = nullptr;

namespace {

constexpr int EditWidth = 128;
constexpr int EditHeight = 16;
// What text that does not convert reads as: below every range that steps.
constexpr int64_t NoNumber = -2147483649;

struct TStepRange {
    int64_t Min;
    int64_t Max;
    const char* Line;
};

// The kinds whose numbers the arrow keys step, from Hex to Int64.
constexpr std::array<TStepRange, vkInt64 - vkHex + 1> StepRanges = {{
    {0, 255, "Range is 00..FF"},
    {0, 255, "Range is 0..255"},
    {-128, 127, "Range is -128..127"},
    {0, 65535, "Range is 0..65535"},
    {-32768, 32767, "Range is -32768..32767"},
    {0, 4294967295, "Range is 0..4294967295"},
    {-2147483648, 2147483647, "Range is -2147483648..2147483647"},
    {INT64_MIN, INT64_MAX, "Range is -9223372036854775808..9223372036854775807"},
}};

bool Steps(int kind)
{
    return kind >= vkHex && kind <= vkInt64;
}

const TStepRange& StepRange(int kind)
{
    return StepRanges[static_cast<size_t>(kind - vkHex)];
}

} // namespace

TTextChip::TTextChip(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    TextChip = this;
    setObjectName(QStringLiteral("TextChip"));
    // A tool window, so that the little box never shows in a task bar of its own.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    SetColor(Qt::blue);
    setFont(FormFont());

    Edit1 = new TEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->setGeometry(1, 1, EditWidth, EditHeight);
    Edit1->setText(QStringLiteral("-9223372036854775808"));
    Edit1->installEventFilter(this);
    Edit1->OnKeyPress = [this](TEdit*, QChar& key) { Edit1KeyPress(key); };

    OnCreate = [this](TForm* sender) { FormCreate(sender); };
    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TTextChip::~TTextChip()
{
    if (TextChip == this)
        TextChip = nullptr;
}

void TTextChip::FormCreate(TForm*)
{
    // One pixel of the form's blue shows round the edit box.
    setFixedSize(Edit1->width() + 2, Edit1->height() + 2);
}

void TTextChip::FormShow(TForm*)
{
    CheckRange(EditKind, 0, KindCount - 1);
    // The character kinds' lengths are bytes of the value; 0 is no limit.
    Edit1->SetMaxLength(KindMaxLength[static_cast<size_t>(EditKind)], TEditBytes::Data);
    Edit1->setToolTip(HintShown != 0 ? HintText() : QString());
    EditPane = MainForm->ActivePane;
    PlaceUnderCursorCell();
    std::string kindText;
    std::string valueText;
    PaneValueToText(EditPane, CursorAddress[EditPane], EditKind, KindSize[static_cast<size_t>(EditKind)], kindText,
                    valueText);
    Edit1->setText(BytesToDisplay(valueText));
    Edit1->selectAll();
    activateWindow();
    Edit1->setFocus(Qt::OtherFocusReason);
}

QString TTextChip::HintText() const
{
    QStringList lines{QStringLiteral("It determines by the Return key."), QStringLiteral("It stops by the ESC key.")};
    if (Steps(EditKind))
        lines << QStringLiteral("Value is changed by the up-down key.")
              << QString::fromLatin1(StepRange(EditKind).Line);
    // Lines parted by LF CR, as every hint of the program is.
    return lines.join(QStringLiteral("\n\r"));
}

void TTextChip::PlaceUnderCursorCell()
{
    // A row that is not on screen has an empty rectangle, whose corner is the grid's own.
    const TStringGrid* grid = MainForm->DumpGrid(EditPane);
    const QRect cell = grid->CellRect(grid->Col(), grid->Row() + 1);
    move(grid->viewport()->mapToGlobal(cell.isEmpty() ? QPoint(0, 0) : cell.topLeft()));
}

void TTextChip::Edit1KeyDown(int& key, Qt::KeyboardModifiers)
{
    if ((key != Qt::Key_Up && key != Qt::Key_Down) || !Steps(EditKind))
        return;
    const TStepRange& range = StepRange(EditKind);
    const std::string text = Edit1->text().toStdString();
    int64_t value = NoNumber;
    if (EditKind == vkInt64) {
        if (!TryStrToInt64(text, value))
            return;
    } else {
        value = StrToInt64Def(EditKind == vkHex ? "$" + text : text, NoNumber);
        if (value < range.Min || value > range.Max)
            return;
    }
    // Up lowers the number and Down raises it; each stops at its end of the range.
    if (key == Qt::Key_Up && value != range.Min)
        --value;
    else if (key == Qt::Key_Down && value != range.Max)
        ++value;
    key = 0;
    Edit1->setText(
        QString::fromStdString(EditKind == vkHex ? HexText[static_cast<size_t>(value)] : std::to_string(value)));
}

void TTextChip::Edit1KeyPress(QChar& key)
{
    const auto accept = [this] {
        const bool written = TextToPaneValue(EditPane, CursorAddress[EditPane], EditKind,
                                             KindSize[static_cast<size_t>(EditKind)], DisplayToBytes(Edit1->text()));
        SetModalResult(written ? mrOk : mrNo);
    };
    if (EnterOrEscape(this, key, accept))
        return;
    if (key != u'\b' && !KeyFitsKind(EditKind, key))
        key = QChar();
}

bool TTextChip::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys step the number before the edit box moves its cursor; typed characters
    // reach Edit1KeyPress through the box's own key-press event.
    if (watched != Edit1 || event->type() != QEvent::KeyPress)
        return TForm::eventFilter(watched, event);
    int key = static_cast<QKeyEvent*>(event)->key();
    return !RunHandler([&] { Edit1KeyDown(key, static_cast<QKeyEvent*>(event)->modifiers()); }) || key == 0;
}
