#pragma once
// A popup menu with a tag, shown by the controls it is attached to. Its items' shortcuts act
// only while one of those controls, or a child of one (an in-place editor), has the focus, and
// there they come before the window's own shortcuts and the child's editing keys. A disabled
// item's shortcut passes the key on.

#include <QMenu>

#include <vector>

class QKeyEvent;

class TPopupMenu : public QMenu {
    Q_OBJECT

public:
    explicit TPopupMenu(QWidget* parent = nullptr);

    [[nodiscard]] int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // The menu's shortcuts act while the control or one of its children has the focus.
    void AttachTo(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* object);
    [[nodiscard]] QAction* ItemForKey(const QKeyEvent* event) const;

    int m_tag = 0;
};
