#pragma once

#include "boxaddressing.h"
#include "filehandle.h"

#include <QString>

#include <array>
#include <span>
#include <variant>

/// Which boxes a zone (or act) uses, from its index file: one byte per 16 x 16 block, the number of the
/// block's collision box.
struct ZoneIndex
{
    QString stem; ///< the file's name without ".bin"
    std::array<qint64, kBoxCount> uses {}; ///< blocks per box
};

/// The zones of `zones` that use box `box`, as "STEM:COUNT" separated by blanks, or "unused".
[[nodiscard]] QString zoneUsesText(std::span<const ZoneIndex> zones, int box);

/// Reads the index file `path` in bounded memory, with one open and one close. Anything but a regular
/// file is refused with the path and the reason.
[[nodiscard]] std::variant<ZoneIndex, FileFailure> readZoneIndex(const QString &path);
