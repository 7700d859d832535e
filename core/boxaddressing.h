#pragma once

#include "positionalfile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <limits>
#include <optional>

inline constexpr int kBoxCount = 256;
inline constexpr int kBoxSize = 16;
inline constexpr qint32 kArraySize = kBoxCount * kBoxSize;

/// The last 0-based array start whose every box still has a 1-based position in 32 bits, as the main
/// window keeps them.
inline constexpr qint64 kLastArrayStart = std::numeric_limits<qint32>::max() - 1 - (kArraySize - kBoxSize);

/// 1-based position of box `index` (0..255) of the array starting at 1-based `arrayStart`.
[[nodiscard]] qint32 BoxLocation(qint32 arrayStart, int index);

/// The box index as two hexadecimal digits, "00".."FF".
[[nodiscard]] QString indexText(int index);

/// The 0-based file offset of a 1-based position, in hexadecimal: the texts of the box location and
/// of the array start.
[[nodiscard]] QString offsetText(qint32 position);

/// One box byte as two hexadecimal digits and a blank; 16 of them make the bytes text.
[[nodiscard]] QString byteText(quint8 byte);

/// The bytes text of a box: byteText() of each byte in turn, the blank after the last one kept.
[[nodiscard]] QString boxBytesText(const QByteArray &bytes);

/// The array start the Primary option restores: the primary array of the rows that have a second one,
/// otherwise `arrayStart` unchanged.
[[nodiscard]] qint32 primaryArrayStart(qint16 gameId, qint32 arrayStart);

/// The array start after the Secondary option: the array directly behind the one at `arrayStart`.
[[nodiscard]] qint32 secondaryArrayStart(qint32 arrayStart);

/// Reads the 16 bytes of the box at 1-based `boxLocation` with one open, 16 single-byte reads and one
/// close, calling `onByte(column, byte)` after each read. Bytes past the end of the file are 0x00.
/// Stops at the first failure and returns it.
std::optional<FileFailure> readCollisionBox(
    const QString &path, qint32 boxLocation, const std::function<void(int column, quint8 byte)> &onByte);
