#include "ShellTreeView.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMouseEvent>

namespace {

constexpr int Indent = 19;

} // namespace

TShellTreeView::TShellTreeView(QWidget* parent) : QTreeView(parent), m_model(new QFileSystemModel(this))
{
    // The tree is read when it opens and as folders are expanded; it does not follow later
    // changes on its own.
    m_model->setOption(QFileSystemModel::DontWatchForChanges);
    // The desktop's folder icons, or the style's where the desktop has no icon theme.
    m_model->setIconProvider(&m_icons);
    m_model->setFilter(QDir::AllDirs | QDir::Drives | QDir::Hidden | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    setRootIsDecorated(false);
    setIndentation(Indent);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    SelectFolder(QDir::homePath());
}

// The model reads the folders on a thread of its own that asks the icon provider, so it goes
// before the provider does.
TShellTreeView::~TShellTreeView()
{
    delete m_model;
}

std::string TShellTreeView::SelectedFolder() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? m_model->filePath(current).toStdString() : std::string();
}

void TShellTreeView::SelectFolder(const QString& path)
{
    const QModelIndex index = m_model->index(path);
    if (!index.isValid())
        return;
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent())
        expand(above);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TShellTreeView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            setCurrentIndex(index);
        return;
    }
    QTreeView::mousePressEvent(event);
}
