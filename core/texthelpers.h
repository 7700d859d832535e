#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

/// Upper-case hexadecimal digits of a value, no prefix, no leading zeros ("0" for zero). Every digit is
/// kept: an offset in a file past 4 GiB shows whole.
[[nodiscard]] QString hexText(std::uint64_t value);

/// A file offset as people type it, in the windows' fields and on the command line alike: hexadecimal
/// digits, "0x" in front if wanted, blanks around ignored, up to 7FFFFFFFFFFFFFFF. Nothing for anything
/// else (empty, a sign, a blank inside, a digit that is not hexadecimal, too large).
[[nodiscard]] std::optional<qint64> parseHexOffset(const QString &text);

/// Exactly `count` bytes as people type them: two hexadecimal digits each, blanks anywhere between the
/// digits. Nothing for anything else.
[[nodiscard]] std::optional<QByteArray> parseHexBytes(QStringView text, qsizetype count);

/// The two upper-case hexadecimal digits of `byte`, "00".."FF", from a table: showing a box writes 17
/// of them and should not format numbers to do it.
[[nodiscard]] QLatin1String hexByte(quint8 byte);

/// Puts "0" characters in front of `text` until it is `width` characters long; longer text is unchanged.
[[nodiscard]] QString ZeroPad(const QString &text, int width);

/// "major.mm.rrrr", for example "1.00.0003".
[[nodiscard]] QString formatVersion(int major, int minor, int revision);

/// The program's own version, as formatVersion() writes it.
[[nodiscard]] QString VersionString();
