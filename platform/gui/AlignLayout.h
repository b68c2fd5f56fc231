#pragma once
// Lays out the children of a window or panel by alignment, as the classic form designers do:
// the top-aligned controls stack down from the top edge, then the bottom-aligned ones up from
// the bottom, then the left and the right ones inwards, and the client-aligned controls fill
// what is left. Controls of one alignment stack in the order they were added, the first at the
// edge. A hidden control takes no room; a control aligned None keeps the geometry it has.

#include <QLayout>

#include <vector>

class QWidget;

enum class TAlign { None, Top, Bottom, Left, Right, Client };

class TAlignLayout : public QLayout {
    Q_OBJECT

public:
    // Becomes the parent's layout, without margins or spacing.
    explicit TAlignLayout(QWidget* parent);
    ~TAlignLayout() override;

    // extent is the width of a left or right control and the height of a top or bottom one.
    void AddControl(QWidget* control, TAlign side, int extent = 0);
    void SetAlign(QWidget* control, TAlign side);
    [[nodiscard]] TAlign Align(const QWidget* control) const;
    void SetExtent(QWidget* control, int extent);
    [[nodiscard]] int Extent(const QWidget* control) const;
    // The nearest shown control of the same alignment between control and its edge: the
    // control that a splitter in this place resizes. nullptr when there is none.
    [[nodiscard]] QWidget* EdgeNeighbour(const QWidget* control) const;
    // The room left for the client-aligned controls at the last layout.
    [[nodiscard]] QRect ClientRect() const { return m_clientRect; }

    // The layout that aligns a control, or nullptr.
    [[nodiscard]] static TAlignLayout* Of(const QWidget* control);

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    [[nodiscard]] int count() const override;
    void setGeometry(const QRect& rect) override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSize() const override;

private:
    // A control is found by its entry (Of, Align, Extent); QLayout's item index is no part of
    // what the layout offers.
    using QLayout::indexOf;

    struct Entry {
        QLayoutItem* item;
        TAlign side;
        int extent;
    };
    [[nodiscard]] int IndexOf(const QWidget* control) const;
    Entry& EntryOf(const QWidget* control);
    [[nodiscard]] const Entry& EntryOf(const QWidget* control) const;

    std::vector<Entry> m_entries;
    QRect m_clientRect;
};
