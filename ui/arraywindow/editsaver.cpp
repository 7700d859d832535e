#include "editsaver.h"

#include "boxaddressing.h"
#include "editortexts.h"
#include "editsession.h"
#include "failuretext.h"
#include "filedialogs.h"
#include "filefollower.h"
#include "messageboxes.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>

namespace {

// Once in a run: after one write into an image, the user knows what Save does.
bool g_imageWrittenInPlace = false;

QString absolute(const QString &file)
{
    return QFileInfo(file).absoluteFilePath();
}

} // namespace

EditSaver::EditSaver(EditSession *session, QWidget *window)
    : QObject(session)
    , m_session(session)
    , m_window(window)
{
    rememberFiles();
    for (const QString &file : m_session->files()) {
        const QString path = absolute(file);
        auto *follower = new FileFollower(this);
        follower->follow(path);
        connect(follower, &FileFollower::changed, this, [this, path] { noticed(path); });
    }
}

void EditSaver::setLanguage(Language language)
{
    m_language = language;
    showDiskLine();
}

EditSaver::FileStamp EditSaver::stamp(const QString &path)
{
    const QFileInfo info(path);
    return { info.lastModified(), info.metadataChangeTime(), info.size() };
}

void EditSaver::noticed(const QString &path)
{
    // The follower watches the folder too: a file made beside ours leaves ours as it was.
    const FileStamp now = stamp(path);
    const bool differs = m_known.value(path) != now;
    const bool readAgain = differs && !m_session->hasUnsaved();
    m_changed.erase(path);
    if (readAgain)
        m_known.insert(path, now); // what the session will hold
    else if (differs)
        m_changed.insert(path);
    showDiskLine();
    // Reading again may replace the session, and this saver with it.
    if (readAgain)
        emit reloadWanted();
}

void EditSaver::showDiskLine()
{
    // A file gone says more than one changed: Save cannot write at all.
    const auto gone = std::find_if(
        m_changed.cbegin(), m_changed.cend(), [](const QString &path) { return !QFileInfo::exists(path); });
    const EditorTexts &t = editorTexts(m_language);
    QString line;
    if (gone != m_changed.cend())
        line = t.goneFromDisk.arg(QDir::toNativeSeparators(*gone));
    else if (!m_changed.empty())
        line = t.changedOnDisk.arg(QDir::toNativeSeparators(*m_changed.cbegin()));
    if (line == m_diskLine)
        return;
    m_diskLine = line;
    emit diskLineChanged(line);
}

void EditSaver::rememberFiles()
{
    m_known.clear();
    for (const QString &file : m_session->files()) {
        const QString path = absolute(file);
        m_known.insert(path, stamp(path));
    }
}

QString EditSaver::unsavedBoxesText() const
{
    QStringList boxes;
    for (const int box : m_session->unsavedBoxes())
        boxes << indexText(box);
    return boxes.join(QStringLiteral(", "));
}

bool EditSaver::refusedForMissingFile()
{
    // Saving reads the set's files, in place or for a copy; the edits stay for when the file is back.
    for (const QString &file : m_session->files()) {
        if (!QFileInfo::exists(file)) {
            messageboxes::inform(m_window, m_language,
                editorTexts(m_language).cannotSaveGone.arg(QDir::toNativeSeparators(absolute(file))),
                BoxIcon::Critical);
            return true;
        }
    }
    return false;
}

bool EditSaver::confirmInPlace()
{
    const EditorTexts &t = editorTexts(m_language);
    const QString changed = QDir::toNativeSeparators(
        QStringList(m_changed.cbegin(), m_changed.cend()).join(QStringLiteral(", ")));
    if (!changed.isEmpty()
        && messageboxes::askSaveCancel(m_window, m_language, t.overwriteChanged.arg(changed)) != Answer::Save)
        return false;
    if (m_session->storage() != SetStorage::Image || g_imageWrittenInPlace)
        return true;
    const QString files = QDir::toNativeSeparators(m_session->files().join(QStringLiteral(", ")));
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
    if (refusedForMissingFile() || !confirmInPlace())
        return false;
    if (const auto failure = m_session->save()) {
        reportFailure(failure->path, failure->reason);
        return false;
    }
    if (m_session->storage() == SetStorage::Image)
        g_imageWrittenInPlace = true;
    rememberFiles();
    m_changed.clear();
    showDiskLine();
    return true;
}

bool EditSaver::saveAs()
{
    if (refusedForMissingFile())
        return false;
    const QString title = languageTexts(m_language).SaveTitle;
    // A new folder's name is welcome: the writer makes the folder.
    const QString output = m_session->storage() == SetStorage::Image
        ? showConfirmingSaveDialog(m_window, editorTexts(m_language).imageFilter, QString(), title)
        : showFolderDialog(m_window, title);
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
    const EditorTexts &t = editorTexts(m_language);
    const QString question = m_session->unsavedBoxes().size() == 1 ? t.keepChange : t.keepChanges;
    switch (messageboxes::askSaveDiscardCancel(m_window, m_language, question.arg(unsavedBoxesText()))) {
    case Answer::Save:
        return save();
    case Answer::Discard:
        return true;
    default:
        return false;
    }
}
