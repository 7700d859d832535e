#include "texthelpers.h"

#include "version.h"

#include <array>

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

constexpr std::array<char, 512> kHexBytes = [] {
    std::array<char, 512> table {};
    for (std::size_t byte = 0; byte < 256; ++byte) {
        table[2 * byte] = kDigits[byte >> 4];
        table[2 * byte + 1] = kDigits[byte & 15];
    }
    return table;
}();

} // namespace

QString hexText(std::uint32_t value)
{
    char digits[8];
    int count = 0;
    do {
        digits[7 - count++] = kDigits[value & 15];
        value >>= 4;
    } while (value != 0);
    return QString::fromLatin1(digits + 8 - count, count);
}

QLatin1String hexByte(quint8 byte)
{
    return QLatin1String(kHexBytes.data() + 2 * std::size_t(byte), 2);
}

QString ZeroPad(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), QLatin1Char('0')) + text;
}

QString formatVersion(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.%3")
        .arg(major)
        .arg(ZeroPad(QString::number(minor), 2))
        .arg(ZeroPad(QString::number(revision), 4));
}

QString VersionString()
{
    return formatVersion(kVersionMajor, kVersionMinor, kVersionRevision);
}
