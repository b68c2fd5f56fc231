#pragma once
// A check list box: one line per item, each with its check mark, for lists of a hundred thousand
// items and more. The items live in a model and only the visible lines are drawn, so no item
// costs a widget. Items are only appended or all cleared, never inserted or removed one by one.
// The user ticks and unticks an item with the mouse or the space bar. An item's text is a file
// name, bytes that need not be UTF-8; it is kept as it is and shown as FileNameToDisplay shows it.

#include <QElapsedTimer>
#include <QListView>
#include <QTimer>

#include <string>

class TCheckListModel;

class TCheckListBox : public QListView {
    Q_OBJECT

public:
    explicit TCheckListBox(QWidget* parent = nullptr);

    [[nodiscard]] int Count() const;
    // The item's text, byte for byte as added.
    [[nodiscard]] const std::string& Item(int index) const;
    // Appends an unticked item.
    void Add(const std::string& text);
    // Between the two, added items are at once items of the list, but its views and accessibility
    // clients learn of them in one insertion at the last EndUpdate: an insertion announced row by
    // row costs a screen reader's user minutes for a long list. Updates nest.
    void BeginUpdate();
    void EndUpdate();
    void Clear();

    [[nodiscard]] bool Checked(int index) const;
    void SetChecked(int index, bool on);
    // Ticks or unticks every item at once, with one change notice.
    void SetAllChecked(bool on);

    // The colour behind the items, as a grid's colour is set; the check boxes keep the desktop's.
    void SetColor(const QColor& color);
    // The items' font and the colour of their text.
    void SetListFont(const QFont& font, const QColor& textColor);

    // The index of the first item whose text equals the text byte for byte; where none does, of
    // the first item whose text equals it when the letter case of its UTF-8 is ignored; else -1.
    // Found through an index of the texts, not by a walk through the list.
    [[nodiscard]] int IndexOfExact(const std::string& text) const;

    void doItemsLayout() override;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TCheckListModel* m_model;
    // An added item drops the lines' layout, which costs a pass over all items to make again.
    bool m_layoutDropped = false;
    QElapsedTimer m_sinceLayout;
    QTimer m_paintLater;
};
