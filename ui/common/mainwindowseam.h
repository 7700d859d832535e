#pragma once

#include "disassemblyfolder.h"
#include "languagetable.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QPoint;
class QWidget;

/// The main window as the windows beside it know it: what it shows, signals when that changes, and the
/// requests they may make of it. The main window makes the seam, keeps it current and answers each
/// request with its own handlers before the request returns; no other window reaches its widgets.
///
/// Two counts meet here and nowhere else. The main window's design counts file positions from 1 (its
/// ArrayStart); every position a window reads or asks for here is a 0-based file offset, as core/
/// counts them. Box indexes are 0..255 on both sides.
class MainWindowSeam : public QObject
{
    Q_OBJECT

public:
    /// `window` is the main window; it owns the seam.
    explicit MainWindowSeam(QWidget *window);

    /// The main window itself: to place a window beside it, parent one to it or give it a key.
    [[nodiscard]] QWidget *window() const { return m_window; }

    /// A file is open and one of its boxes on display.
    [[nodiscard]] bool loaded() const { return !m_path.isEmpty(); }
    [[nodiscard]] const QString &path() const { return m_path; }
    /// The catalogue row the file was taken for.
    [[nodiscard]] qint16 GameId() const { return m_gameId; }
    /// 0-based offset of the array in use.
    [[nodiscard]] qint64 arrayStart() const { return m_arrayStart; }
    /// The box on display, 0..255.
    [[nodiscard]] int box() const { return m_box; }
    /// The bytes read of the box on display: 16, or fewer when a read failed part-way.
    [[nodiscard]] const QByteArray &boxBytes() const { return m_boxBytes; }
    [[nodiscard]] Language language() const { return m_language; }
    /// The disassembly set whose heights file is on display at array start 0, or nothing.
    [[nodiscard]] const SetFiles *set() const;

    /// Shows box `box` (0..255), as a step of the main window's scroll bar does.
    void showBox(int box);
    /// Uses the array at 0-based `offset`, at most kLastArrayStart as the design's ArrayStart holds it,
    /// keeping the box index.
    void useArrayStart(qint64 offset);
    /// Saves the box's picture, asking first, as F5 does.
    void saveBitmap();
    /// Opens `path` handed in by a door other than the open dialog: the command line, a drop, the file
    /// manager. Invokable, so start-up can queue it by name.
    Q_INVOKABLE void enter(const QString &path);
    /// What a window beside asks before the file or array on display is replaced: true to go on (it
    /// may ask the user to save). The main window's open paths and the requests here consult it.
    void setDiscardCheck(std::function<bool()> check) { m_discardCheck = std::move(check); }
    [[nodiscard]] bool mayDiscardChanges() const { return !m_discardCheck || m_discardCheck(); }

    // The doors' side.
    /// Opens `path` as a file chosen in the open dialog.
    void openFile(const QString &path);
    /// Shows the heights file of `files` at array start 0 under row `gameId`'s label, then the set.
    void showSet(const SetFiles &files, qint16 gameId);

    // The main window's side.
    /// Box `box` of `path` is on display with `bytes`; the file was taken for row `gameId` and its array
    /// lies at the design's 1-based `arrayStart`.
    void publishBox(const QString &path, qint16 gameId, qint32 arrayStart, int box, const QByteArray &bytes);
    void publishLanguage(Language language);

signals:
    /// A file was opened, the array in use changed, or the file changed on disk: read it again.
    void arrayShown();
    /// The main window stepped to box `box`; the array is the same.
    void boxChanged(int box);
    void languageChanged(Language language);
    /// The user asked for the canvas's menu at `globalPos`.
    void canvasMenuRequested(const QPoint &globalPos);

    // The requests, for the main window alone.
    void boxRequested(int box);
    /// `arrayStart` is 1-based, as the design counts.
    void arrayStartRequested(qint32 arrayStart);
    void saveBitmapRequested();
    void fileRequested(const QString &path);
    void setRequested(const QString &heightsPath, qint16 gameId);
    /// For the doors.
    void entered(const QString &path);
    /// A set is on display: the windows beside may show it whole.
    void setShown();

private:
    QWidget *m_window;
    QString m_path;
    qint16 m_gameId = 0;
    qint64 m_arrayStart = 0;
    int m_box = 0;
    QByteArray m_boxBytes;
    Language m_language = Language::English;
    std::optional<SetFiles> m_set;
    std::function<bool()> m_discardCheck;
};
