#pragma once

#include "boxedits.h"
#include "collisionset.h"
#include "setwriter.h"

#include <QObject>
#include <QUndoStack>

#include <optional>
#include <set>

/// One box as the editor changes it: its heights, the width box that follows them, and its angle.
struct BoxState
{
    BoxBytes heights {};
    BoxBytes widths {}; ///< all zero when the set has no width array
    std::optional<quint8> angle; ///< nothing when the set has no angle map

    bool operator==(const BoxState &) const = default;
};

/// The collision set as read and as edited, and the steps between them. Every change is one step of
/// the undo stack; a step that continues a stroke (a drag) on the same box merges into it. The width box
/// follows every change of heights when the set has a width array. A box is unsaved while it differs
/// from what was last read or saved.
class EditSession : public QObject
{
    Q_OBJECT

public:
    /// `set` as it is on disk; `fixChecksum` corrects an image's header checksum when it is written.
    EditSession(const CollisionSet &set, SetStorage storage, bool fixChecksum, QObject *parent = nullptr);

    [[nodiscard]] const CollisionSet &set() const { return m_edited; }
    [[nodiscard]] SetStorage storage() const { return m_storage; }
    [[nodiscard]] bool fixesChecksum() const { return m_fixChecksum; }
    [[nodiscard]] QStringList files() const { return setFiles(m_saved); }
    [[nodiscard]] QUndoStack *undoStack() { return &m_stack; }

    /// Box `box` (0..boxCount - 1) as edited, or as last read or saved.
    [[nodiscard]] BoxState box(int box) const;
    [[nodiscard]] BoxState savedBox(int box) const;

    /// Box `box` with `heights` and `angle` (ignored without an angle map), as one step. A nonzero
    /// `stroke` merges the step into the last one when that was the same stroke on the same box.
    void change(int box, const BoxBytes &heights, std::optional<quint8> angle, int stroke = 0);
    /// Box `box` as last read or saved, as one step.
    void revert(int box);

    [[nodiscard]] const std::set<int> &unsavedBoxes() const { return m_unsaved; }
    [[nodiscard]] bool hasUnsaved() const { return !m_unsaved.empty(); }

    /// Writes the unsaved boxes back where they were read from; afterwards nothing is unsaved.
    [[nodiscard]] std::optional<FileFailure> save();
    /// Writes a copy with the unsaved boxes, an image's to a file and table files into a folder;
    /// the boxes stay unsaved, as the files on display do not change.
    [[nodiscard]] std::optional<FileFailure> saveCopy(const QString &output) const;

    /// For the undo steps alone: puts `state` into box `box`.
    void apply(int box, const BoxState &state);

signals:
    /// Box `box`'s bytes changed: by a step, an undo or a redo.
    void boxChanged(int box);
    /// Which boxes are unsaved changed.
    void unsavedChanged();
    /// As the undo stack's: true when the set is as last saved by the steps' count.
    void cleanChanged(bool clean);

private:
    [[nodiscard]] BoxState stateOf(const CollisionSet &set, int box) const;
    void push(int box, const BoxState &after, int stroke);

    CollisionSet m_saved;
    CollisionSet m_edited;
    SetStorage m_storage;
    bool m_fixChecksum;
    std::set<int> m_unsaved;
    QUndoStack m_stack;
};
