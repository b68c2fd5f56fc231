#pragma once
// Lets a window take files dropped from the desktop: the first local file of a drop is handed
// to the handler (through RunHandler), the others are ignored.

#include <QObject>

#include <functional>
#include <string>

class QWidget;

class TFileDropTarget : public QObject {
    Q_OBJECT

public:
    using THandler = std::function<void(const std::string& path)>;

    // The window accepts drops from now on; the target lives as the window's child.
    TFileDropTarget(QWidget* window, THandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THandler m_handler;
};
