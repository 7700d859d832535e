#pragma once

#include "editsession.h"

#include <QUndoCommand>

/// One change of one box: its state before and after. Steps of one stroke on one box merge, so a drag
/// undoes as a whole.
class BoxEditCommand : public QUndoCommand
{
public:
    /// `session` outlives the command (it owns the stack). `stroke` 0 never merges.
    BoxEditCommand(EditSession *session, int box, const BoxState &before, const BoxState &after, int stroke);

    void undo() override;
    void redo() override;
    [[nodiscard]] int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    EditSession *m_session;
    int m_box;
    BoxState m_before;
    BoxState m_after;
    int m_stroke;
};
