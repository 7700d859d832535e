#pragma once

#include <QString>
#include <cstdint>

/// Upper-case hexadecimal digits of a non-negative value, no prefix, no leading zeros ("0" for zero).
[[nodiscard]] QString hexText(std::uint32_t value);

/// Puts "0" characters in front of `text` until it is `width` characters long; longer text is unchanged.
[[nodiscard]] QString ZeroPad(const QString &text, int width);

/// "major.mm.rrrr", for example "1.00.0003".
[[nodiscard]] QString formatVersion(int major, int minor, int revision);

/// The program's own version, as formatVersion() writes it.
[[nodiscard]] QString VersionString();
