#pragma once

#include "boxaddressing.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

using BoxBytes = std::array<quint8, kBoxSize>;

/// Which edge of the box a column is filled from while editing.
enum class FillMode
{
    Floor, ///< from the bottom: 0x01..0x10
    Ceiling, ///< from the top: 0xFF..0xF0
};

/// The byte of a column filled from the mode's edge up to and including `row` (0..15, from the top):
/// 16 - row for a floor, 255 - row for a ceiling.
[[nodiscard]] quint8 columnByteTo(FillMode mode, int row);

/// How many cells `byte` fills from the mode's edge: 0 for an empty column or one filled from the other
/// edge, 16 for a column drawn full (0x11..0xEF).
[[nodiscard]] int cellsFrom(FillMode mode, quint8 byte);

/// `byte` raised (`cells` > 0) or lowered by whole cells from the mode's edge, within 0..16 cells.
[[nodiscard]] quint8 steppedColumn(FillMode mode, quint8 byte, int cells);

/// The box seen in a mirror standing beside it: columns reversed. An even angle a turns to 256 - a;
/// an odd one, flagged, stays as it is.
[[nodiscard]] BoxBytes mirroredLeftRight(const BoxBytes &heights);
[[nodiscard]] quint8 angleMirroredLeftRight(quint8 angle);

/// The box seen in a mirror lying under it: a floor of n cells becomes a ceiling of n cells and back
/// (0x01..0x10 <-> 0xFF..0xF0); empty and full columns stay. An even angle a turns to 128 - a; an odd one
/// stays.
[[nodiscard]] BoxBytes mirroredUpDown(const BoxBytes &heights);
[[nodiscard]] quint8 angleMirroredUpDown(quint8 angle);

/// A box's 16 bytes as people type them: 32 hexadecimal digits, blanks anywhere between them. Nothing
/// for anything else.
[[nodiscard]] std::optional<BoxBytes> parseBoxBytes(const QString &text);
