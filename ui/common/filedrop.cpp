#include "filedrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDrop::FileDrop(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // Controls that take drops of their own (the text boxes) would get a drag before the window does,
    // so every drag over the window is looked at here.
    window->setAcceptDrops(true);
    qApp->installEventFilter(this);
    connect(this, &FileDrop::accepted, this, &FileDrop::dropped, Qt::QueuedConnection);
}

FileDrop::~FileDrop()
{
    qApp->removeEventFilter(this);
}

QString FileDrop::droppedPath(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    QString path = urls.first().toLocalFile();
    if (path.isEmpty() || QFileInfo(path).isDir())
        return {};
    return path;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != m_window)
        return false;

    auto *drop = static_cast<QDropEvent *>(event);
    const QString path = QApplication::activeModalWidget() ? QString() : droppedPath(drop->mimeData());
    if (path.isEmpty()) {
        drop->setDropAction(Qt::IgnoreAction);
        drop->ignore();
        return true;
    }
    // Copy, whatever the source proposes: the file stays where it is.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        emit accepted(path);
    return true;
}
