#include "CopyDelBoxUnit.h"

#include "ArrowGlyphs.h"
#include "CopyDelBoxImages.h"
#include "DataUnit.h"
#include "Messages.h"
#include "SmallDialog.h"
#include "SpeedButton.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QStyledItemDelegate>

#include <array>

TCopyDelBox* CopyDelBox = nullptr;

namespace {

constexpr int ItemHeight = 12;

class TFixedHeightItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ItemHeight};
    }
};

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, QRect geometry)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QListWidget* MakeList(QWidget* parent, const char* name, QRect geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setItemDelegate(new TFixedHeightItems(list));
    list->setUniformItemSizes(true);
    return list;
}

TSpeedButton* MakeButton(QWidget* parent, const char* name, const QPixmap& glyph, const QPixmap& greyed, QRect geometry)
{
    auto* button = new TSpeedButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->SetGlyph(glyph, greyed);
    return button;
}

// The selected item's index, or -1.
int ItemIndex(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.constFirst());
}

void FillList(QListWidget* list, const std::array<TStyle, StyleCount>& group)
{
    list->clear();
    for (int s = 0; s < StyleCount && group[s].StyleName.Length != 0; ++s)
        list->addItem(QString::fromStdString(group[s].StyleName.Text()));
}

// The slots after the deleted one move down; the last becomes a cleared style.
void DeleteSlot(std::array<TStyle, StyleCount>& group, int slot)
{
    for (int i = slot; i < StyleCount - 1; ++i)
        group[i] = group[i + 1];
    ClearStyle(group[StyleCount - 1]);
}

// Copies the source list's selected style into the first unnamed slot of the target's group;
// false when the source has no selection or the target is full.
bool CopySelected(const QListWidget* source, const std::array<TStyle, StyleCount>& from, const QListWidget* target,
                  std::array<TStyle, StyleCount>& to)
{
    const int s = ItemIndex(source);
    const int n = target->count();
    if (s < 0 || n >= StyleCount)
        return false;
    to[n] = from[s];
    return true;
}

} // namespace

TCopyDelBox::TCopyDelBox(QWidget* parent, TFormCreation&& creation) : TForm(creation, parent)
{
    CopyDelBox = this;
    setObjectName(QStringLiteral("CopyDelBox"));
    setWindowTitle(QStringLiteral("Copy & Delete"));
    SetUpBlueDialog(this, 454, 211, true);

    Label1 = MakeLabel(this, "Label1", "Style group file", {4, 1, 201, 12});
    Label2 = MakeLabel(this, "Label2", "Stack", {247, 1, 201, 12});
    ListBox1 = MakeList(this, "ListBox1", {1, 15, 206, 193});
    ListBox2 = MakeList(this, "ListBox2", {245, 15, 206, 193});
    SpeedButton1 =
        MakeButton(this, "SpeedButton1", ArrowGlyph(TArrow::Right), GreyedArrowGlyph(TArrow::Right), {211, 30, 30, 22});
    SpeedButton2 =
        MakeButton(this, "SpeedButton2", ArrowGlyph(TArrow::Left), GreyedArrowGlyph(TArrow::Left), {211, 60, 30, 22});
    SpeedButton3 = MakeButton(this, "SpeedButton3", WasteBinGlyph(), GreyedWasteBinGlyph(), {211, 144, 30, 22});
    setTabOrder(ListBox1, ListBox2);

    for (QListWidget* list : {ListBox1, ListBox2})
        list->installEventFilter(this);
    SpeedButton1->OnClick = [this](TSpeedButton* sender) { SpeedButton1Click(sender); };
    SpeedButton2->OnClick = [this](TSpeedButton* sender) { SpeedButton2Click(sender); };
    SpeedButton3->OnClick = [this](TSpeedButton* sender) { SpeedButton3Click(sender); };
    OnShow = [this](TForm* sender) { FormShow(sender); };
}

TCopyDelBox::~TCopyDelBox()
{
    if (CopyDelBox == this)
        CopyDelBox = nullptr;
}

bool TCopyDelBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == ListBox1)
            RunHandler([this] { ListBox1Enter(ListBox1); });
        else if (watched == ListBox2)
            RunHandler([this] { ListBox2Enter(ListBox2); });
    }
    return TForm::eventFilter(watched, event);
}

void TCopyDelBox::FormShow(TForm*)
{
    CentreInOwnerRect(this, OwnerRect);
    RefreshLists(3);
}

void TCopyDelBox::RefreshLists(uint8_t Which)
{
    if (Which == 1 || Which == 3)
        FillList(ListBox1, StyleGroup);
    if (Which == 2 || Which == 3)
        FillList(ListBox2, StyleStack);
}

void TCopyDelBox::SpeedButton1Click(TSpeedButton*)
{
    if (CopySelected(ListBox1, StyleGroup, ListBox2, StyleStack))
        RefreshLists(3);
}

void TCopyDelBox::SpeedButton2Click(TSpeedButton*)
{
    if (CopySelected(ListBox2, StyleStack, ListBox1, StyleGroup))
        RefreshLists(3);
}

void TCopyDelBox::SpeedButton3Click(TSpeedButton*)
{
    if (m_enteredList == ListBox1 && ItemIndex(ListBox1) >= 0) {
        DeleteSlot(StyleGroup, ItemIndex(ListBox1));
        RefreshLists(1);
    } else if (m_enteredList == ListBox2 && ItemIndex(ListBox2) >= 0) {
        DeleteSlot(StyleStack, ItemIndex(ListBox2));
        RefreshLists(2);
    }
}

void TCopyDelBox::ListBox1Enter(QListWidget*)
{
    m_enteredList = ListBox1;
    ListBox2->clearSelection();
}

void TCopyDelBox::ListBox2Enter(QListWidget*)
{
    m_enteredList = ListBox2;
    ListBox1->clearSelection();
}
