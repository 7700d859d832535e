#include "mainwindowseam.h"

#include <QWidget>

MainWindowSeam::MainWindowSeam(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("MainWindowSeam"));
}

void MainWindowSeam::showBox(int box)
{
    emit boxRequested(box);
}

void MainWindowSeam::useArrayStart(qint64 offset)
{
    if (!mayDiscardChanges())
        return;
    emit arrayStartRequested(qint32(offset + 1));
}

void MainWindowSeam::saveBitmap()
{
    emit saveBitmapRequested();
}

const SetFiles *MainWindowSeam::set() const
{
    // Another file, or another array of it, has taken its place.
    return m_set && m_set->heights.path == m_path && m_arrayStart == 0 ? &*m_set : nullptr;
}

void MainWindowSeam::enter(const QString &path)
{
    emit entered(path);
}

void MainWindowSeam::openFile(const QString &path)
{
    emit fileRequested(path);
}

void MainWindowSeam::showSet(const SetFiles &files, qint16 gameId)
{
    if (!mayDiscardChanges())
        return;
    m_set = files;
    emit setRequested(files.heights.path, gameId);
    if (set())
        emit setShown();
}

void MainWindowSeam::publishBox(
    const QString &path, qint16 gameId, qint32 arrayStart, int box, const QByteArray &bytes)
{
    m_path = path;
    m_gameId = gameId;
    m_arrayStart = qint64(arrayStart) - 1;
    m_boxBytes = bytes;
    if (box == m_box)
        return;
    m_box = box;
    emit boxChanged(box);
}

void MainWindowSeam::publishLanguage(Language language)
{
    if (language == m_language)
        return;
    m_language = language;
    emit languageChanged(language);
}
