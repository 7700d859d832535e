#include "filedrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDrop::FileDrop(QWidget *window, bool files)
    : QObject(window)
    , m_window(window)
    , m_files(files)
{
    // Controls that take drops of their own (the text boxes) would get a drag before the window does,
    // so every drag over the window is looked at here.
    window->setAcceptDrops(true);
    qApp->installEventFilter(this);
    connect(
        this, &FileDrop::accepted, this,
        [this](const QStringList &paths) {
            if (m_files)
                emit droppedFiles(paths);
            else
                emit dropped(paths.constFirst());
        },
        Qt::QueuedConnection);
}

FileDrop::~FileDrop()
{
    qApp->removeEventFilter(this);
}

QStringList FileDrop::droppedPaths(const QMimeData *data, bool files)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || (!files && urls.size() != 1))
        return {};
    QStringList paths;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile() || url.toLocalFile().isEmpty()
            || (files && QFileInfo(url.toLocalFile()).isDir()))
            return {};
        paths.append(url.toLocalFile());
    }
    return paths;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != m_window)
        return false;

    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList paths
        = QApplication::activeModalWidget() ? QStringList() : droppedPaths(drop->mimeData(), m_files);
    if (paths.isEmpty()) {
        drop->setDropAction(Qt::IgnoreAction);
        drop->ignore();
        return true;
    }
    // Copy, whatever the source proposes: the file stays where it is.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        emit accepted(paths);
    return true;
}
