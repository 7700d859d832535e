#pragma once

#include "languagetable.h"

#include <QDateTime>
#include <QHash>
#include <QObject>

class EditSession;
class QWidget;

/// Saving a session and the questions around it: the first write of an image in place in a run, a file
/// that changed on disk under unsaved changes, and unsaved changes that something would drop. It
/// follows the set's files and tells a change made by another program from its own writes.
class EditSaver : public QObject
{
    Q_OBJECT

public:
    /// `session` and `window` outlive the saver; the questions are modal over `window`.
    EditSaver(EditSession *session, QWidget *window);

    void setLanguage(Language language) { m_language = language; }

    /// Writes the unsaved boxes back where they came from, asking first where it must; true when they
    /// were written (or there were none).
    bool save();
    /// Asks for a file (an image) or a folder (table files) and writes a copy there; true when written.
    bool saveAs();
    /// Before something drops unsaved changes (closing, quitting, opening another file, F8): asks Save,
    /// Discard or Cancel when there are any. True when the caller may go on.
    bool mayDiscard();

    [[nodiscard]] bool changedOnDisk() const { return m_changedOnDisk; }

signals:
    /// What the window's line says of the disk: a file changed under unsaved changes, or empty.
    void diskLineChanged(const QString &line);
    /// A file of the set changed on disk and nothing is unsaved: read it again, as before.
    void reloadWanted();

private:
    void noticed(const QString &path);
    void rememberWritten();
    [[nodiscard]] bool confirmInPlace();
    [[nodiscard]] QString unsavedBoxesText() const;
    void reportFailure(const QString &path, const QString &reason);

    EditSession *m_session;
    QWidget *m_window;
    Language m_language = Language::English;
    bool m_changedOnDisk = false;
    // What each file looked like after the last save, to know our own write when it is noticed.
    QHash<QString, std::pair<QDateTime, qint64>> m_written;
};
