#pragma once

#include "boxaddressing.h"

#include <QtGlobal>

#include <array>
#include <span>

/// Whether a column holding height byte `value` fills cell `row` (0 at the top, 0..15), as the canvas
/// draws it: 0x01..0x10 that many cells from the bottom, 0xF0..0xFF 256 - value cells from the top,
/// 0x11..0xEF the whole column, 0x00 none.
[[nodiscard]] bool columnFills(quint8 value, int row);

/// The width box the games derive from a height box: per row from the top, 0x00 when empty, 0x10 when
/// full, 256 - n when the row's leftmost cell is filled and n otherwise (n the row's filled cells).
[[nodiscard]] std::array<quint8, kBoxSize> derivedWidths(std::span<const quint8, kBoxSize> heights);
