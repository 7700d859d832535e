#include "editcommands.h"

namespace {

constexpr int kBoxEditId = 0x7467;

} // namespace

BoxEditCommand::BoxEditCommand(
    EditSession *session, int box, const BoxState &before, const BoxState &after, int stroke)
    : m_session(session)
    , m_box(box)
    , m_before(before)
    , m_after(after)
    , m_stroke(stroke)
{
}

void BoxEditCommand::undo()
{
    m_session->apply(m_box, m_before);
}

void BoxEditCommand::redo()
{
    m_session->apply(m_box, m_after);
}

int BoxEditCommand::id() const
{
    return m_stroke != 0 ? kBoxEditId : -1;
}

bool BoxEditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const BoxEditCommand *>(other);
    if (next->m_stroke != m_stroke || next->m_box != m_box)
        return false;
    m_after = next->m_after;
    // A drag that ends where it began changes nothing; the stack then drops the step.
    setObsolete(m_after == m_before);
    return true;
}
