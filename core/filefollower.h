#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

/// Tells when the file at a path may have changed: written in place, truncated, removed, or replaced
/// by another file renamed over it. Watches the file and its folder (the folder sees a rename over the
/// file); never opens or reads the file.
///
/// A burst of changes gives one changed() signal, at most `kDelayMs` after the first change of the
/// burst. Only a regular file is followed.
class FileFollower : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDelayMs = 200;

    explicit FileFollower(QObject *parent = nullptr);

    /// Follows `path` (absolute) instead of whatever was followed; false, following nothing, when
    /// `path` names no regular file.
    bool follow(const QString &path);
    void stop();
    [[nodiscard]] const QString &path() const { return m_path; }
    /// True while a change has been seen and changed() is still to come.
    [[nodiscard]] bool isPending() const { return m_delay.isActive(); }

    /// Signals changed() again after the delay, for a listener that could not act on it just now.
    void retryLater();

signals:
    void changed();

private:
    void noticed();
    void deliver();
    void watchFile();

    QString m_path;
    QFileSystemWatcher m_watcher;
    QTimer m_delay;
};
