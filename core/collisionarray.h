#pragma once

#include "boxaddressing.h"
#include "positionalfile.h"

#include <QString>

#include <array>
#include <span>
#include <variant>
#include <vector>

inline constexpr int kAngleMapSize = 256;
/// How far in front of the primary array the angle map starts, for every row but 5 (tablePlaces()
/// has them all).
inline constexpr qint64 kAngleMapLead = 0x100;

/// A whole collision array and its angle map, as read from a file. Offsets are 0-based.
struct CollisionArray
{
    std::array<quint8, kArraySize> bytes {};
    std::array<quint8, kAngleMapSize> angles {};
    qint64 arrayStart = 0;
    qint64 angleStart = 0;

    [[nodiscard]] quint8 byte(int box, int column) const { return bytes[size_t(box) * kBoxSize + size_t(column)]; }
    [[nodiscard]] std::span<const quint8, kBoxSize> box(int n) const
    {
        return std::span<const quint8, kBoxSize>(bytes.data() + size_t(n) * kBoxSize, kBoxSize);
    }
    [[nodiscard]] qint64 boxOffset(int box) const { return arrayStart + qint64(box) * kBoxSize; }
};

/// Where a catalogue row keeps an array and the angle map that goes with it, as 0-based offsets.
struct ArrayPlace
{
    qint64 arrayStart = 0;
    qint64 angleStart = 0;
};

/// The primary (or, with `secondary`, the rotated) array of catalogue row `gameId` and its angle map,
/// which sits 0x100 bytes (0x200 for row 5) in front of the primary array and serves both. Nothing for
/// an unknown row, or for `secondary` on a row without a second array.
[[nodiscard]] std::optional<ArrayPlace> cataloguePlace(int gameId, bool secondary);

/// Reads the 4096 bytes at 0-based `arrayStart` and the 256-byte angle map at `angleStart` (none when
/// negative) with one open, two positional reads and one close. Bytes past the end are 0x00, but a
/// table that starts at or past the end is refused, naming its offset and the file's size: zeros from
/// nowhere would pass for an empty array. Anything but a regular file (including a missing one) is
/// refused with the path and the reason.
[[nodiscard]] std::variant<CollisionArray, FileFailure> readCollisionArray(
    const QString &path, qint64 arrayStart, qint64 angleStart);

/// An angle byte as a direction: 256 steps clockwise, so (256 - a) x 360 / 256 degrees and 0 for 0.
/// An odd byte (most often 0xFF) is no angle but a flag: the games test bit 0 and work the angle out
/// themselves.
struct Angle
{
    double degrees = 0;
    bool flagged = false;
};
[[nodiscard]] Angle angleDegrees(quint8 angle);

/// How much `array` looks like collision data, from 0 to 1: the share of bytes in 0x00..0x10 or
/// 0xF0..0xFF, a quarter of it taken away unless box 0 is empty. An array of one repeated byte scores 0.
[[nodiscard]] double plausibility(const CollisionArray &array);

/// The boxes (0..255, ascending) whose 16 bytes or whose angle differ between `a` and `b`.
[[nodiscard]] std::vector<int> compareArrays(const CollisionArray &a, const CollisionArray &b);
