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
    emit arrayStartRequested(qint32(offset + 1));
}

void MainWindowSeam::saveBitmap()
{
    emit saveBitmapRequested();
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
