#include "boxedits.h"

#include "texthelpers.h"

#include <algorithm>

namespace {

constexpr int kCells = 16;

bool flagged(quint8 angle)
{
    return (angle & 1) != 0;
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
    const auto read = parseHexBytes(text, kCells);
    if (!read)
        return std::nullopt;
    BoxBytes bytes {};
    std::copy(read->begin(), read->end(), bytes.begin());
    return bytes;
}
