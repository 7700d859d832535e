#pragma once

#include "boxaddressing.h"

#include <QString>

#include <array>
#include <vector>

struct CollisionSet;

enum class FindingKind
{
    Width, ///< the stored width box is not the one the heights give
    Height, ///< a height byte in 0x11..0xEF: drawn full, never used by the games
    Angle, ///< an odd angle byte but 0xFF: flagged by the games' rule, most likely by mistake
};

struct Finding
{
    int box = 0;
    FindingKind kind = FindingKind::Width;
    /// The stored bytes: the width box, the height box or the one angle byte.
    std::vector<quint8> stored;
    std::array<quint8, kBoxSize> derived {}; ///< the width box the heights give; for Width only
};

/// What is wrong with `set`, box by box and in the order of FindingKind within a box. The widths and
/// the angles are checked only when the set has them.
[[nodiscard]] std::vector<Finding> checkSet(const CollisionSet &set);

/// "BOX KIND DETAILS": the box in (at least) two hexadecimal digits, "width", "height" or "angle", then
/// the stored bytes and, for a width box, " / " and the derived ones.
[[nodiscard]] QString findingLine(const Finding &finding);
