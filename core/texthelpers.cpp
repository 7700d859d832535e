#include "texthelpers.h"

#include "version.h"

#include <array>
#include <limits>

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

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return u >= '0' && u <= '9' ? u - '0'
        : u >= 'A' && u <= 'F'  ? u - 'A' + 10
        : u >= 'a' && u <= 'f'  ? u - 'a' + 10
                                : -1;
}

} // namespace

QString hexText(std::uint64_t value)
{
    char digits[16];
    int count = 0;
    do {
        digits[15 - count++] = kDigits[value & 15];
        value >>= 4;
    } while (value != 0);
    return QString::fromLatin1(digits + 16 - count, count);
}

std::optional<qint64> parseHexOffset(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(u"0x", Qt::CaseInsensitive))
        digits = digits.mid(2);
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0 || value > (quint64(std::numeric_limits<qint64>::max()) >> 4))
            return std::nullopt;
        value = value << 4 | quint64(digit);
    }
    return qint64(value);
}

std::optional<QByteArray> parseHexBytes(QStringView text, qsizetype count)
{
    QByteArray bytes;
    int high = -1;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        const int digit = hexDigit(c);
        if (digit < 0 || bytes.size() == count)
            return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes.append(char(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0 || bytes.size() != count)
        return std::nullopt;
    return bytes;
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
