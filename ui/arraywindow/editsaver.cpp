#include "editsaver.h"

#include "boxaddressing.h"
#include "editortexts.h"
#include "editsession.h"
#include "failuretext.h"
#include "filedialogs.h"
#include "filefollower.h"
#include "messageboxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace {

// Once in a run: after one write into an image, the user knows what Save does.
bool g_imageWrittenInPlace = false;

std::pair<QDateTime, qint64> stamp(const QString &path)
{
    const QFileInfo info(path);
    return { info.lastModified(), info.size() };
}

} // namespace

EditSaver::EditSaver(EditSession *session, QWidget *window)
    : QObject(session)
    , m_session(session)
    , m_window(window)
{
    for (const QString &file : m_session->files()) {
        const QString path = QFileInfo(file).absoluteFilePath();
        auto *follower = new FileFollower(this);
        follower->follow(path);
        connect(follower, &FileFollower::changed, this, [this, path] { noticed(path); });
    }
}

void EditSaver::noticed(const QString &path)
{
    const auto written = m_written.constFind(path);
    if (written != m_written.cend() && *written == stamp(path))
        return;
    if (!m_session->hasUnsaved()) {
        emit reloadWanted();
        return;
    }
    m_changedOnDisk = true;
    emit diskLineChanged(editorTexts(m_language).changedOnDisk.arg(QDir::toNativeSeparators(path)));
}

void EditSaver::rememberWritten()
{
    m_written.clear();
    for (const QString &file : m_session->files()) {
        const QString path = QFileInfo(file).absoluteFilePath();
        m_written.insert(path, stamp(path));
    }
}

QString EditSaver::unsavedBoxesText() const
{
    QStringList boxes;
    for (const int box : m_session->unsavedBoxes())
        boxes << indexText(box);
    return boxes.join(QStringLiteral(", "));
}

bool EditSaver::confirmInPlace()
{
    const EditorTexts &t = editorTexts(m_language);
    const QString files = QDir::toNativeSeparators(m_session->files().join(QStringLiteral(", ")));
    if (m_changedOnDisk
        && messageboxes::askSaveCancel(m_window, m_language, t.overwriteChanged.arg(files)) != Answer::Save)
        return false;
    if (m_session->storage() != SetStorage::Image || g_imageWrittenInPlace)
        return true;
    const QString text = t.firstSave.arg(
        files, unsavedBoxesText(), m_session->fixesChecksum() ? t.checksumFixed : t.checksumKept);
    return messageboxes::askSaveCancel(m_window, m_language, text) == Answer::Save;
}

void EditSaver::reportFailure(const QString &path, const QString &reason)
{
    messageboxes::inform(m_window, m_language, failureText(editorTexts(m_language).saveFailed, path, reason),
        BoxIcon::Critical);
}

bool EditSaver::save()
{
    if (!m_session->hasUnsaved())
        return true;
    if (!confirmInPlace())
        return false;
    if (const auto failure = m_session->save()) {
        reportFailure(failure->path, failure->reason);
        return false;
    }
    if (m_session->storage() == SetStorage::Image)
        g_imageWrittenInPlace = true;
    rememberWritten();
    m_changedOnDisk = false;
    emit diskLineChanged(QString());
    return true;
}

bool EditSaver::saveAs()
{
    const LanguageTexts &words = languageTexts(m_language);
    const QString output = m_session->storage() == SetStorage::Image
        ? showConfirmingSaveDialog(m_window, editorTexts(m_language).imageFilter, QString(), words.SaveTitle)
        : QFileDialog::getExistingDirectory(m_window, words.SaveTitle);
    if (output.isEmpty())
        return false;
    if (const auto failure = m_session->saveCopy(output)) {
        reportFailure(failure->path, failure->reason);
        return false;
    }
    return true;
}

bool EditSaver::mayDiscard()
{
    if (!m_session->hasUnsaved())
        return true;
    const QString text = editorTexts(m_language).keepChanges.arg(unsavedBoxesText());
    switch (messageboxes::askSaveDiscardCancel(m_window, m_language, text)) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}
