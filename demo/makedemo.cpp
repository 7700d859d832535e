// Writes the demo files: a header that names the first catalogue game, an angle map and two collision
// arrays of hand-designed boxes (floors, slopes, half blocks, ceilings) so a newcomer sees what the
// viewer shows, and code that loads them. The second file has the same header but its tables moved, as a
// rebuilt hack would.

#include "boxaddressing.h"
#include "collisionarray.h"
#include "gamecatalogue.h"
#include "headerchecksum.h"
#include "widthrule.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// Where the second demo file keeps its angle map, and its arrays behind it.
constexpr qint64 kMovedAngleMap = 0x70000;

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

// The angle of a box as the games keep it: 256 steps clockwise from flat, 0xFF where the game works it
// out itself (here the boxes whose surface is neither one floor nor one ceiling).
quint8 angleOf(const Box &box)
{
    const bool floor = std::all_of(box.begin(), box.end(), [](quint8 v) { return v <= 0x10; });
    const bool ceiling = std::all_of(box.begin(), box.end(), [](quint8 v) { return v >= 0xF0; });
    if (box == filled(0x10) || box == filled(0xF0) || (!floor && !ceiling))
        return 0xFF;
    // Rise over the box's 16 pixels; a ceiling's depth grows downward, so it turns the other way.
    const double rise = floor ? double(box[15]) - box[0] : double(box[0]) - box[15];
    const int steps = int(std::lround(std::atan2(rise, 15.0) * 128.0 / std::numbers::pi));
    // Even, as the games' own angles are: an odd byte would be flagged.
    return quint8(((floor ? 0 : 0x80) - steps) & 0xFE);
}

// A 68000 `lea (address).l,a2`: how the games load each table.
void putLea(QByteArray &bytes, qint64 at, qint64 address)
{
    const char code[] = { char(0x45), char(0xF9), char(address >> 24), char(address >> 16), char(address >> 8),
        char(address) };
    bytes.replace(at, sizeof code, QByteArray(code, sizeof code));
}

// A few lines of made-up code that load the angle map and both arrays, among other tables, so that a
// search for the tables has something to find.
void putCode(QByteArray &bytes, qint64 angleMap)
{
    constexpr qint64 kCode = 0x2000;
    const char filler[] = { char(0x48), char(0xE7), char(0xFF), char(0xFE), char(0x4E), char(0x75) };
    for (qint64 at = kCode; at < kCode + 0x100; at += sizeof filler)
        bytes.replace(at, sizeof filler, QByteArray(filler, sizeof filler));
    putLea(bytes, kCode + 0x10, angleMap);
    putLea(bytes, kCode + 0x30, angleMap + kAngleMapLead);
    putLea(bytes, kCode + 0x50, angleMap + kAngleMapLead + kArraySize);
    putLea(bytes, kCode + 0x70, 0x1000); // some other table
    putLea(bytes, kCode + 0x90, angleMap + kAngleMapLead);
}

void putTables(QByteArray &bytes, qint64 angleMap)
{
    const qint64 arrayOffset = angleMap + kAngleMapLead;
    const std::array<Box, kBoxCount> boxes = designedBoxes();
    for (int n = 0; n < kBoxCount; ++n) {
        const Box &box = boxes[size_t(n)];
        bytes[angleMap + n] = char(angleOf(box));
        // The secondary array is the width array, as in the games, so the set passes its own check.
        const auto widths = derivedWidths(box);
        for (int c = 0; c < kBoxSize; ++c) {
            bytes[arrayOffset + qint64(n) * kBoxSize + c] = char(box[size_t(c)]);
            bytes[arrayOffset + kArraySize + qint64(n) * kBoxSize + c] = char(widths[size_t(c)]);
        }
    }
    putCode(bytes, angleMap);
}

// The end address and the checksum that the first games test at power-on, so a demo changed and saved
// shows its checksum corrected.
void signHeader(QByteArray &bytes)
{
    const auto end = quint32(bytes.size() - 1);
    for (int i = 0; i < 4; ++i)
        bytes[kRomEndOffset + i] = char(end >> (24 - 8 * i));
    const quint16 sum = headerChecksum(bytes);
    bytes[kChecksumOffset] = char(sum >> 8);
    bytes[kChecksumOffset + 1] = char(sum);
}

bool writeFile(const char *path, QByteArray bytes)
{
    signHeader(bytes);
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "makedemo: cannot write %s: %s\n", path, qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makedemo <demo file> <demo file with moved tables>\n");
        return 2;
    }
    const auto place = cataloguePlace(1, false);
    QByteArray bytes(place->arrayStart + 2 * qint64(kArraySize), '\0');
    const GameRow &row = *catalogueRow(1);
    for (qsizetype i = 0; i < kSerialSize; ++i)
        bytes[kSerialOffset + i] = row.headerKey[i];
    bytes[kRegionOffset] = row.headerKey[kSerialSize];
    QByteArray moved = bytes;
    putTables(bytes, place->angleStart);

    // As a rebuilt hack: the same header, the tables further on, and other data where they were.
    moved.resize(kMovedAngleMap + kAngleMapLead + 2 * qint64(kArraySize));
    quint32 noise = 12345;
    for (qint64 at = place->angleStart; at < place->arrayStart + 2 * qint64(kArraySize); ++at) {
        noise = noise * 1103515245U + 12345U;
        moved[at] = char(noise >> 16);
    }
    putTables(moved, kMovedAngleMap);
    return writeFile(argv[1], bytes) && writeFile(argv[2], moved) ? 0 : 1;
}
