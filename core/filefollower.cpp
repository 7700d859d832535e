#include "filefollower.h"

#include <QFileInfo>

FileFollower::FileFollower(QObject *parent)
    : QObject(parent)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &FileFollower::deliver);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileFollower::noticed);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileFollower::noticed);
}

bool FileFollower::follow(const QString &path)
{
    stop();
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    m_path = info.absoluteFilePath();
    m_watcher.addPath(info.absolutePath());
    watchFile();
    return true;
}

void FileFollower::stop()
{
    m_delay.stop();
    m_path.clear();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
}

void FileFollower::retryLater()
{
    if (!m_path.isEmpty())
        m_delay.start();
}

void FileFollower::noticed()
{
    // The first change of a burst sets the time; the rest ride along with it.
    if (!m_delay.isActive())
        m_delay.start();
}

void FileFollower::deliver()
{
    if (m_path.isEmpty())
        return;
    // The system watches a file, not a name: after a rename over it the old file may still be the one
    // watched. Watch whatever has the name now.
    if (m_watcher.files().contains(m_path))
        m_watcher.removePath(m_path);
    watchFile();
    emit changed();
}

void FileFollower::watchFile()
{
    if (QFileInfo(m_path).isFile())
        m_watcher.addPath(m_path);
}
