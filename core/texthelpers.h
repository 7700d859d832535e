#pragma once

#include <QString>
#include <cstdint>

/// Upper-case hexadecimal digits of a non-negative value, no prefix, no leading zeros ("0" for zero).
[[nodiscard]] QString hexText(std::uint32_t value);

/// The two upper-case hexadecimal digits of `byte`, "00".."FF", from a table: showing a box writes 17
/// of them and should not format numbers to do it.
[[nodiscard]] QLatin1String hexByte(quint8 byte);

/// Puts "0" characters in front of `text` until it is `width` characters long; longer text is unchanged.
[[nodiscard]] QString ZeroPad(const QString &text, int width);

/// "major.mm.rrrr", for example "1.00.0003".
[[nodiscard]] QString formatVersion(int major, int minor, int revision);

/// The program's own version, as formatVersion() writes it.
[[nodiscard]] QString VersionString();
