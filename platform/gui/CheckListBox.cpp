#include "CheckListBox.h"

#include "Runtime.h"
#include "TextCodec.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QItemDelegate>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class TCheckListModel : public QAbstractListModel {
public:
    explicit TCheckListModel(QObject* parent) : QAbstractListModel(parent) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_shown; }

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const auto row = static_cast<size_t>(index.row());
        if (role == Qt::DisplayRole)
            return FileNameToDisplay(m_texts[row]);
        if (role == Qt::CheckStateRole)
            return m_checked[row] ? Qt::Checked : Qt::Unchecked;
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::CheckStateRole)
            return false;
        SetChecked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }

    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        // The root above the items is no item: it has none of an item's flags.
        if (!index.isValid())
            return QAbstractListModel::flags(index);
        return QAbstractListModel::flags(index) | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
    }

    [[nodiscard]] const std::string& Text(int row) const
    {
        CheckRange(row, 0, Count() - 1);
        return m_texts[static_cast<size_t>(row)];
    }
    [[nodiscard]] int Count() const { return static_cast<int>(m_texts.size()); }

    void Add(const std::string& text)
    {
        const int row = Count();
        m_texts.push_back(text);
        m_checked.push_back(0);
        m_nextOfKey.push_back(-1);
        // Each key keeps its items in list order, so that the first of them is found first.
        const auto [entry, isNew] = m_index.try_emplace(FoldedKey(text), TKeyRows{row, row});
        if (!isNew) {
            m_nextOfKey[static_cast<size_t>(entry->second.last)] = row;
            entry->second.last = row;
        }
        if (m_updates == 0)
            ShowAdded();
    }

    void BeginUpdate() { ++m_updates; }

    void EndUpdate()
    {
        if (m_updates > 0 && --m_updates == 0)
            ShowAdded();
    }

    void Clear()
    {
        beginResetModel();
        m_texts.clear();
        m_checked.clear();
        m_nextOfKey.clear();
        m_index.clear();
        m_shown = 0;
        endResetModel();
    }

    [[nodiscard]] bool Checked(int row) const
    {
        CheckRange(row, 0, Count() - 1);
        return m_checked[static_cast<size_t>(row)] != 0;
    }

    void SetChecked(int row, bool on)
    {
        CheckRange(row, 0, Count() - 1);
        m_checked[static_cast<size_t>(row)] = on ? 1 : 0;
        if (row >= m_shown)
            return;
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed, {Qt::CheckStateRole});
    }

    void SetAllChecked(bool on)
    {
        if (m_checked.empty())
            return;
        std::fill(m_checked.begin(), m_checked.end(), on ? 1 : 0);
        if (m_shown > 0)
            emit dataChanged(index(0), index(m_shown - 1), {Qt::CheckStateRole});
    }

    [[nodiscard]] int IndexOf(const std::string& text) const
    {
        const auto entry = m_index.find(FoldedKey(text));
        if (entry == m_index.end())
            return -1;
        for (int row = entry->second.first; row >= 0; row = m_nextOfKey[static_cast<size_t>(row)])
            if (m_texts[static_cast<size_t>(row)] == text)
                return row;
        return entry->second.first;
    }

private:
    struct TKeyRows {
        int first;
        int last;
    };

    // The key of a text in the case-blind index: each run of UTF-8 case folded, each other byte
    // kept behind a 0 byte, and a 0 byte of the text doubled. Two texts share a key only where
    // they differ in the letter case of their UTF-8 alone, however many bytes are not UTF-8.
    static std::string FoldedKey(std::string_view text)
    {
        std::string key;
        key.reserve(text.size());
        size_t at = 0;
        while (at < text.size()) {
            size_t end = at;
            for (size_t length; end < text.size() && (length = Utf8SequenceLength(text.substr(end))) > 0;)
                end += length;
            const QByteArray folded =
                QString::fromUtf8(text.data() + at, static_cast<qsizetype>(end - at)).toCaseFolded().toUtf8();
            for (const char byte : folded) {
                key.push_back(byte);
                if (byte == '\0')
                    key.push_back('\0');
            }
            if (end < text.size()) {
                key.push_back('\0');
                key.push_back(text[end]);
                ++end;
            }
            at = end;
        }
        return key;
    }

    // Tells the views of the items added since they last heard, in one insertion.
    void ShowAdded()
    {
        if (m_shown == Count())
            return;
        beginInsertRows({}, m_shown, Count() - 1);
        m_shown = Count();
        endInsertRows();
    }

    std::vector<std::string> m_texts;
    std::vector<char> m_checked;
    // Entry i: the next item after item i with the same key, or -1.
    std::vector<int> m_nextOfKey;
    std::unordered_map<std::string, TKeyRows> m_index;
    // The items that the views know of: the first m_shown. The rest were added in an update.
    int m_shown = 0;
    int m_updates = 0;
};

namespace {

// The least time between two layouts of the lines while items are being added.
constexpr qint64 LayoutPause = 100;

// The check boxes keep the desktop's colours, so that they show on a list of any colour.
class TCheckBoxDelegate : public QItemDelegate {
public:
    using QItemDelegate::QItemDelegate;

protected:
    void drawCheck(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                   Qt::CheckState state) const override
    {
        QStyleOptionViewItem standard(option);
        standard.palette = QApplication::palette();
        QItemDelegate::drawCheck(painter, standard, rect, state);
    }
};

} // namespace

TCheckListBox::TCheckListBox(QWidget* parent) : QListView(parent), m_model(new TCheckListModel(this))
{
    setModel(m_model);
    setItemDelegate(new TCheckBoxDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The paint fills the ground itself, so that a paint left out keeps what is on screen.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_paintLater.setSingleShot(true);
    connect(&m_paintLater, &QTimer::timeout, viewport(), qOverload<>(&QWidget::update));
}

int TCheckListBox::Count() const
{
    return m_model->Count();
}

const std::string& TCheckListBox::Item(int index) const
{
    return m_model->Text(index);
}

void TCheckListBox::Add(const std::string& text)
{
    m_model->Add(text);
}

void TCheckListBox::BeginUpdate()
{
    m_model->BeginUpdate();
}

void TCheckListBox::EndUpdate()
{
    m_model->EndUpdate();
}

void TCheckListBox::Clear()
{
    m_model->Clear();
}

bool TCheckListBox::Checked(int index) const
{
    return m_model->Checked(index);
}

void TCheckListBox::SetChecked(int index, bool on)
{
    m_model->SetChecked(index, on);
}

void TCheckListBox::SetAllChecked(bool on)
{
    m_model->SetAllChecked(on);
}

void TCheckListBox::SetColor(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, color);
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
}

void TCheckListBox::SetListFont(const QFont& font, const QColor& textColor)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, textColor);
    colours.setColor(QPalette::WindowText, textColor);
    setPalette(colours);
    setFont(font);
}

void TCheckListBox::doItemsLayout()
{
    QListView::doItemsLayout();
    m_layoutDropped = false;
    m_sinceLayout.start();
}

void TCheckListBox::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QListView::rowsInserted(parent, start, end);
    m_layoutDropped = true;
}

// A long listing adds items and lets the window paint between them, before the view's own turn
// to lay the lines out again comes: such a paint lays them out itself, or it would show no line
// at all until the listing ends. As each layout passes over all items, a paint soon after the
// last one keeps the lines on screen as they are and comes again when the pause is over.
void TCheckListBox::paintEvent(QPaintEvent* event)
{
    if (m_layoutDropped && m_sinceLayout.isValid() && m_sinceLayout.elapsed() < LayoutPause) {
        if (!m_paintLater.isActive())
            m_paintLater.start(static_cast<int>(LayoutPause - m_sinceLayout.elapsed()));
        return;
    }
    executeDelayedItemsLayout();
    QPainter(viewport()).fillRect(event->rect(), palette().brush(QPalette::Base));
    QListView::paintEvent(event);
}

int TCheckListBox::IndexOfExact(const std::string& text) const
{
    return m_model->IndexOf(text);
}
