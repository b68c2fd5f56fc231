#pragma once
// A menu item with the properties the windows set on it: a tag, a group index and a radio flag,
// a check mark that only the program sets (a click alone does not change it), the enabled state
// and the shortcut of QAction. Radio items of one group index in one menu form a radio group:
// checking one clears the others. A caption of "-" makes a separator line.
//
// OnClick runs through RunHandler. A disabled item runs neither from the menu nor from its
// shortcut.

#include <QAction>

#include <functional>

class QMenu;

class TMenuItem : public QAction {
    Q_OBJECT

public:
    TMenuItem(const QString& caption, QObject* parent);

    [[nodiscard]] int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    [[nodiscard]] int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int groupIndex) { m_groupIndex = groupIndex; }
    [[nodiscard]] bool RadioItem() const { return m_radioItem; }
    void SetRadioItem(bool on) { m_radioItem = on; }
    [[nodiscard]] bool Checked() const { return m_checked; }
    void SetChecked(bool on);

    // The menu the item was added to, or nullptr.
    [[nodiscard]] QMenu* Menu() const;

    std::function<void(TMenuItem* sender)> OnClick;

private:
    // The check mark is SetChecked's: QAction's own would bypass the radio group and be undone
    // at the next click.
    using QAction::setChecked;

    void ShowCheck();
    void Click();

    int m_tag = 0;
    int m_groupIndex = 0;
    bool m_radioItem = false;
    bool m_checked = false;
};

// Appends a new item to the menu; the menu owns it.
TMenuItem* AddMenuItem(QMenu* menu, const char* objectName, const QString& caption);
// Appends a submenu; the parent menu owns it.
QMenu* AddSubMenu(QMenu* menu, const char* objectName, const QString& caption);
