// Writes the demo file: a header that names the first catalogue game, and two collision arrays of
// hand-designed boxes (floors, slopes, half blocks, ceilings) so a newcomer sees what the viewer shows.

#include "boxaddressing.h"
#include "gamecatalogue.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

using Box = std::array<quint8, kBoxSize>;

Box filled(quint8 value)
{
    Box box;
    box.fill(value);
    return box;
}

Box fromFunction(const auto &height)
{
    Box box;
    for (int column = 0; column < kBoxSize; ++column)
        box[size_t(column)] = quint8(height(column));
    return box;
}

std::array<Box, kBoxCount> designedBoxes()
{
    std::array<Box, kBoxCount> boxes {};
    int next = 0;
    auto add = [&](const Box &box) { boxes[size_t(next++)] = box; };

    add(filled(0x00)); // empty
    add(filled(0x10)); // full block
    add(filled(0x08)); // half block
    add(fromFunction([](int c) { return c + 1; })); // 45 degree slope up
    add(fromFunction([](int c) { return 16 - c; })); // 45 degree slope down
    add(fromFunction([](int c) { return c / 2 + 1; })); // gentle slope, lower half
    add(fromFunction([](int c) { return c / 2 + 9; })); // gentle slope, upper half
    add(fromFunction([](int c) { return 16 - c / 2; })); // gentle slope down, upper half
    add(fromFunction([](int c) { return 8 - c / 2; })); // gentle slope down, lower half
    add(filled(0xF0)); // ceiling, full
    add(filled(0xF8)); // ceiling, half
    add(fromFunction([](int c) { return 0xFF - c; })); // ceiling slope
    add(fromFunction([](int c) { return 0xF0 + c; })); // ceiling slope, the other way
    add(fromFunction([](int c) { return 4 * (c / 4 + 1); })); // steps
    add(fromFunction([](int c) { return (c >= 6 && c < 10) ? 0x10 : 0; })); // pillar
    add(fromFunction([](int c) { return c < 8 ? 0x10 : 0; })); // ledge
    add(fromFunction([](int c) { return c < 8 ? 0 : 0x10; })); // ledge, the other way
    add(fromFunction([](int c) { return c % 2 ? 0x20 : 0x80; })); // tall values fill the column too
    add(fromFunction([](int c) { return c < 8 ? 0x04 : 0xFC; })); // floor and ceiling side by side

    // The rest: slopes of every steepness and bumps, so stepping through the boxes keeps changing.
    for (int k = 0; next < kBoxCount; ++k) {
        const double steepness = 0.25 + (k % 8) * 0.25;
        const int base = (k / 8) % 16;
        if (k % 3 == 2) {
            add(fromFunction(
                [&](int c) { return std::clamp(int(std::lround(8 + 7 * std::sin((c + k) * 0.4))), 1, 16); }));
        } else {
            add(fromFunction(
                [&](int c) { return std::clamp(int(std::lround(base + steepness * c)) % 17, 0, 16); }));
        }
    }
    return boxes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedemo <output file>\n");
        return 2;
    }
    const GameRow &row = *catalogueRow(1);
    const qint64 arrayOffset = row.arrayStart - 1;
    QByteArray bytes(arrayOffset + 2 * qint64(kArraySize), '\0');
    for (qsizetype i = 0; i < kSerialSize; ++i)
        bytes[kSerialOffset + i] = row.headerKey[i];
    bytes[kRegionOffset] = row.headerKey[kSerialSize];

    const std::array<Box, kBoxCount> boxes = designedBoxes();
    for (int n = 0; n < kBoxCount; ++n) {
        const Box &box = boxes[size_t(n)];
        for (int c = 0; c < kBoxSize; ++c) {
            bytes[arrayOffset + qint64(n) * kBoxSize + c] = char(box[size_t(c)]);
            // The secondary array mirrors the primary, so switching arrays shows at once.
            bytes[arrayOffset + kArraySize + qint64(n) * kBoxSize + c] = char(box[size_t(kBoxSize - 1 - c)]);
        }
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "makedemo: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
