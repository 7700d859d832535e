#pragma once

#include "collisionarray.h"
#include "zoneindex.h"

#include <QString>

#include <optional>
#include <span>

enum class ArrayFormat
{
    Hex,
    Asm,
    C,
    Json
};

/// "hex", "asm", "c" or "json", as the command line names them.
[[nodiscard]] std::optional<ArrayFormat> arrayFormatFromName(const QString &name);

/// The 16 bytes of `box` as the window's bytes text shows them: two digits and a blank each.
[[nodiscard]] QString boxText(const CollisionArray &array, int box);

/// One line of the hex format, without its end: the box index, its file offset in hexadecimal, its
/// bytes text and its angle ("-- (absent)" when the array has no angle map: angleStart < 0).
[[nodiscard]] QString boxLine(const CollisionArray &array, int box);

/// An angle byte for people: "E0 (45°)", "01 (358.59375°)", "FF (flagged)", with `flagged` in the
/// reader's language. The one text of an angle: the grid, the dumps and the clipboard all show it.
[[nodiscard]] QString angleText(quint8 angle, const QString &flagged = QStringLiteral("flagged"));

/// The whole array in `format`, every line ending in "\n":
/// - Hex: per box, its index, its file offset, its bytes text and its angle.
/// - Asm: per box, a comment naming it, then `dc.b $00,...` with upper-case digits.
/// - C: a `static const unsigned char collision_array[256][16]` initializer, one box a line.
/// - Json: an array of 256 objects (index, offset, bytes, angle byte, degrees or null when flagged),
///   one a line; angle and degrees null without an angle map.
/// With `zones`, each hex line ends with zoneUsesText() and each JSON object holds a "used" object of
/// the zones that use the box and their counts.
[[nodiscard]] QString arrayText(
    const CollisionArray &array, ArrayFormat format, std::span<const ZoneIndex> zones = {});
