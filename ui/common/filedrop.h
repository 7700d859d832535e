#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

/// Lets one local file be dropped anywhere on `window` (from a file manager: text/uri-list). Anything
/// else (several files, a folder, a remote URL, plain text) is refused as the drag enters, and so is
/// every drop while a modal window is open. Owned by `window`.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    explicit FileDrop(QWidget *window);
    ~FileDrop() override;

    /// The local path of the one file `data` carries, or the empty text.
    [[nodiscard]] static QString droppedPath(const QMimeData *data);

signals:
    /// Sent once the drop has ended, so that what it starts may open windows of its own.
    void dropped(const QString &path);
    /// The drop is taken; dropped() follows from the event loop.
    void accepted(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};
