#pragma once

#include "languagetable.h"

#include <QDateTime>
#include <QHash>
#include <QObject>

#include <set>

class EditSession;
class QWidget;

/// Saving a session and the questions around it: the first write of an image in place in a run, a file
/// that changed on disk or went away under unsaved changes, and unsaved changes that something would
/// drop. It follows the set's files and tells a change made by another program from its own writes and
/// from a change beside them in their folder.
class EditSaver : public QObject
{
    Q_OBJECT

public:
    /// `session` and `window` outlive the saver; the questions are modal over `window`. The set's files
    /// are taken as the session read them.
    EditSaver(EditSession *session, QWidget *window);

    void setLanguage(Language language);

    /// Writes the unsaved boxes back where they came from, asking first where it must; true when they
    /// were written (or there were none).
    bool save();
    /// Asks for a file (an image) or a folder (table files) and writes a copy there; true when written.
    bool saveAs();
    /// Before something drops unsaved changes (closing, quitting, opening another file, F8): asks Save,
    /// Discard or Cancel when there are any. True when the caller may go on.
    bool mayDiscard();

    [[nodiscard]] bool changedOnDisk() const { return !m_changed.empty(); }

signals:
    /// What the window's line says of the disk: a file changed or gone under unsaved changes, or empty.
    void diskLineChanged(const QString &line);
    /// A file of the set changed on disk and nothing is unsaved: read it again, as before.
    void reloadWanted();

private:
    struct FileStamp
    {
        QDateTime modified;
        QDateTime metadataChanged; // a file renamed over ours has its own
        qint64 size = -1;
        bool operator==(const FileStamp &) const = default;
    };

    [[nodiscard]] static FileStamp stamp(const QString &path);
    void noticed(const QString &path);
    void showDiskLine();
    void rememberFiles();
    [[nodiscard]] bool refusedForMissingFile();
    [[nodiscard]] bool confirmInPlace();
    [[nodiscard]] QString unsavedBoxesText() const;
    void reportFailure(const QString &path, const QString &reason);

    EditSession *m_session;
    QWidget *m_window;
    Language m_language = Language::English;
    // What each file looked like when read or last saved, to tell a real change from our own write or
    // from a neighbour's in the same folder.
    QHash<QString, FileStamp> m_known;
    // Files that differ from what is known while changes are unsaved.
    std::set<QString> m_changed;
    QString m_diskLine;
};
