#include "FileDrop.h"

#include "Messages.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QString FirstLocalPath(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

TFileDropTarget::TFileDropTarget(QWidget* window, THandler handler) : QObject(window), m_handler(std::move(handler))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool TFileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (FirstLocalPath(drag->mimeData()).isEmpty())
            return false;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = FirstLocalPath(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const std::string localPath = path.toStdString();
        RunHandler([&] { m_handler(localPath); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
