#pragma once
// The shell's folder tree: the folders of the file system from its root on, hidden ones
// included, with the desktop's icons. It opens at the user's home folder. A right click selects
// the folder under the mouse, as a left click does.

#include <QFileIconProvider>
#include <QTreeView>

#include <string>

class QFileSystemModel;

class TShellTreeView : public QTreeView {
    Q_OBJECT

public:
    explicit TShellTreeView(QWidget* parent = nullptr);
    ~TShellTreeView() override;

    // The full path of the selected folder; empty when no folder is selected.
    [[nodiscard]] std::string SelectedFolder() const;
    // Selects the folder, opening the folders above it, and scrolls it into view.
    void SelectFolder(const QString& path);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QFileIconProvider m_icons;
    QFileSystemModel* m_model;
};
