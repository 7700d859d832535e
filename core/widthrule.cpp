#include "widthrule.h"

#include <algorithm>

bool columnFills(quint8 value, int row)
{
    if (value < 0xF0)
        return row >= kBoxSize - std::min(int(value), kBoxSize);
    return row < 256 - int(value);
}

std::array<quint8, kBoxSize> derivedWidths(std::span<const quint8, kBoxSize> heights)
{
    std::array<quint8, kBoxSize> widths {};
    for (int row = 0; row < kBoxSize; ++row) {
        const auto filled
            = std::count_if(heights.begin(), heights.end(), [row](quint8 v) { return columnFills(v, row); });
        if (filled == 0 || filled == kBoxSize)
            widths[size_t(row)] = quint8(filled);
        else
            widths[size_t(row)] = quint8(columnFills(heights[0], row) ? 256 - filled : filled);
    }
    return widths;
}
