#include "editsession.h"

#include "editcommands.h"
#include "widthrule.h"

#include <algorithm>

EditSession::EditSession(const CollisionSet &set, SetStorage storage, bool fixChecksum, QObject *parent)
    : QObject(parent)
    , m_saved(set)
    , m_edited(set)
    , m_storage(storage)
    , m_fixChecksum(fixChecksum)
{
    connect(&m_stack, &QUndoStack::cleanChanged, this, &EditSession::cleanChanged);
}

BoxState EditSession::stateOf(const CollisionSet &set, int box) const
{
    BoxState state;
    const auto heights = set.heightBox(box);
    std::copy(heights.begin(), heights.end(), state.heights.begin());
    if (set.widths.present()) {
        const auto widths = set.widthBox(box);
        std::copy(widths.begin(), widths.end(), state.widths.begin());
    }
    state.angle = set.angle(box);
    return state;
}

BoxState EditSession::box(int box) const
{
    return stateOf(m_edited, box);
}

BoxState EditSession::savedBox(int box) const
{
    return stateOf(m_saved, box);
}

void EditSession::change(int box, const BoxBytes &heights, std::optional<quint8> angle, int stroke)
{
    BoxState after;
    after.heights = heights;
    if (m_edited.widths.present())
        after.widths = derivedWidths(heights);
    after.angle = m_edited.angles.present() ? angle : std::nullopt;
    push(box, after, stroke);
}

void EditSession::revert(int box)
{
    push(box, savedBox(box), 0);
}

void EditSession::push(int box, const BoxState &after, int stroke)
{
    const BoxState before = this->box(box);
    if (after == before)
        return;
    m_stack.push(new BoxEditCommand(this, box, before, after, stroke));
}

void EditSession::apply(int box, const BoxState &state)
{
    std::copy(state.heights.begin(), state.heights.end(),
        m_edited.heights.bytes.begin() + qsizetype(box) * kBoxSize);
    if (m_edited.widths.present())
        std::copy(state.widths.begin(), state.widths.end(),
            m_edited.widths.bytes.begin() + qsizetype(box) * kBoxSize);
    if (m_edited.angles.present() && state.angle)
        m_edited.angles.bytes[size_t(box)] = *state.angle;

    const bool unsaved = state != savedBox(box);
    const bool was = m_unsaved.count(box) != 0;
    if (unsaved)
        m_unsaved.insert(box);
    else
        m_unsaved.erase(box);
    emit boxChanged(box);
    if (unsaved != was)
        emit unsavedChanged();
}

std::optional<FileFailure> EditSession::save()
{
    if (auto failure = writeSetInPlace(setPatches(m_saved, m_edited), m_storage, m_fixChecksum))
        return failure;
    m_saved = m_edited;
    m_unsaved.clear();
    m_stack.setClean();
    emit unsavedChanged();
    return std::nullopt;
}

std::optional<FileFailure> EditSession::saveCopy(const QString &output) const
{
    return writeSetCopy(m_saved, setPatches(m_saved, m_edited), m_storage, m_fixChecksum, output);
}
