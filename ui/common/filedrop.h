#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMimeData;
class QWidget;

/// Lets local paths be dropped anywhere on `window` (from a file manager: text/uri-list): one file or
/// folder, or with `files` one or more files and no folder. Anything else (a remote URL, plain text)
/// is refused as the drag enters, and so is every drop while a modal window is open. Owned by `window`.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    explicit FileDrop(QWidget *window, bool files = false);
    ~FileDrop() override;

    /// The local paths `data` carries, as `files` takes them, or none.
    [[nodiscard]] static QStringList droppedPaths(const QMimeData *data, bool files = false);

signals:
    /// Sent once the drop has ended, so that what it starts may open windows of its own. dropped()
    /// carries the one path, droppedFiles() the files.
    void dropped(const QString &path);
    void droppedFiles(const QStringList &paths);
    /// The drop is taken; dropped() or droppedFiles() follows from the event loop.
    void accepted(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_files;
};
