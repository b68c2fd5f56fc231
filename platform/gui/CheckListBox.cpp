#include "CheckListBox.h"

#include "Runtime.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QHash>
#include <QItemDelegate>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>
#include <vector>

class TCheckListModel : public QAbstractListModel {
public:
    explicit TCheckListModel(QObject* parent) : QAbstractListModel(parent) {}

    [[nodiscard]] int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_texts.size());
    }

    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const auto row = static_cast<size_t>(index.row());
        if (role == Qt::DisplayRole)
            return QString::fromStdString(m_texts[row]);
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
        beginInsertRows({}, row, row);
        m_texts.push_back(text);
        m_checked.push_back(0);
        // The index keeps the first item of each text: a later equal one is found as that one.
        QString key = Folded(text);
        if (!m_index.contains(key))
            m_index.insert(std::move(key), row);
        endInsertRows();
    }

    void Clear()
    {
        beginResetModel();
        m_texts.clear();
        m_checked.clear();
        m_index.clear();
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
        const QModelIndex changed = index(row);
        emit dataChanged(changed, changed, {Qt::CheckStateRole});
    }

    void SetAllChecked(bool on)
    {
        if (m_checked.empty())
            return;
        std::fill(m_checked.begin(), m_checked.end(), on ? 1 : 0);
        emit dataChanged(index(0), index(Count() - 1), {Qt::CheckStateRole});
    }

    [[nodiscard]] int IndexOf(const std::string& text) const { return m_index.value(Folded(text), -1); }

private:
    static QString Folded(const std::string& text) { return QString::fromStdString(text).toCaseFolded(); }

    std::vector<std::string> m_texts;
    std::vector<char> m_checked;
    QHash<QString, int> m_index;
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
