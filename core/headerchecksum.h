#pragma once

#include "positionalfile.h"

#include <QByteArrayView>

#include <variant>

// Where a cartridge header keeps its checksum and its end address, and where the sum starts: 0-based.
inline constexpr qint64 kChecksumOffset = 0x18E;
inline constexpr qint64 kRomEndOffset = 0x1A4;
inline constexpr qint64 kChecksumStart = 0x200;

/// The last byte the checksum covers: the sum takes the big-endian words from 0x200 whose first byte
/// lies at or before `romEnd` (the 32-bit address at 0x1A4), and no byte past a file of `fileSize`
/// bytes. Below kChecksumStart when there is nothing to sum.
[[nodiscard]] qint64 checksumLastByte(quint32 romEnd, qint64 fileSize);

/// `sum` plus the big-endian words of `bytes`, wrapping at 16 bits; a lone last byte is a word's high
/// byte (the file ends before its low byte).
[[nodiscard]] quint16 addWords(quint16 sum, QByteArrayView bytes);

/// The checksum that belongs at 0x18E of the cartridge image `image`: 0 when it ends before 0x200 or
/// its end address lies before it.
[[nodiscard]] quint16 headerChecksum(QByteArrayView image);

/// The same for the file at `path`, read once, in pieces. Anything but a regular file is refused.
[[nodiscard]] std::variant<quint16, FileFailure> fileHeaderChecksum(const QString &path);

/// Whether the games of catalogue row `gameId` check the header checksum at power-on and stop on a
/// mismatch: rows 1, 2 and 4. The level file of row 7 has no header at all.
[[nodiscard]] bool checksumCheckedAtPowerOn(int gameId);
