#include "boxedits.h"

#include <algorithm>

namespace {

constexpr int kCells = 16;

bool flagged(quint8 angle)
{
    return (angle & 1) != 0;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if ((u | 0x20) >= 'a' && (u | 0x20) <= 'f')
        return (u | 0x20) - 'a' + 10;
    return -1;
}

} // namespace

quint8 columnByteTo(FillMode mode, int row)
{
    row = std::clamp(row, 0, kCells - 1);
    return mode == FillMode::Floor ? quint8(kCells - row) : quint8(255 - row);
}

int cellsFrom(FillMode mode, quint8 byte)
{
    if (byte == 0)
        return 0;
    if (byte > 0x10 && byte < 0xF0)
        return kCells;
    const bool floor = byte <= 0x10;
    if (floor != (mode == FillMode::Floor))
        return 0;
    return floor ? byte : 256 - byte;
}

quint8 steppedColumn(FillMode mode, quint8 byte, int cells)
{
    const int n = std::clamp(cellsFrom(mode, byte) + cells, 0, kCells);
    if (n == 0)
        return 0;
    return mode == FillMode::Floor ? quint8(n) : quint8(256 - n);
}

BoxBytes mirroredLeftRight(const BoxBytes &heights)
{
    BoxBytes mirrored = heights;
    std::reverse(mirrored.begin(), mirrored.end());
    return mirrored;
}

quint8 angleMirroredLeftRight(quint8 angle)
{
    return flagged(angle) ? angle : quint8(256 - angle);
}

BoxBytes mirroredUpDown(const BoxBytes &heights)
{
    BoxBytes mirrored {};
    std::transform(heights.begin(), heights.end(), mirrored.begin(), [](quint8 byte) {
        const bool partial = (byte >= 0x01 && byte <= 0x10) || byte >= 0xF0;
        return partial ? quint8(256 - byte) : byte;
    });
    return mirrored;
}

quint8 angleMirroredUpDown(quint8 angle)
{
    return flagged(angle) ? angle : quint8(128 - angle);
}

std::optional<BoxBytes> parseBoxBytes(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    if (digits.size() != 2 * kCells)
        return std::nullopt;
    BoxBytes bytes {};
    for (int i = 0; i < 2 * kCells; ++i) {
        const int digit = hexDigit(digits.at(i));
        if (digit < 0)
            return std::nullopt;
        bytes[size_t(i / 2)] = quint8(bytes[size_t(i / 2)] * 16 + digit);
    }
    return bytes;
}
