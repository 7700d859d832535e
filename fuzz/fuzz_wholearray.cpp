// Whole arrays, their texts and the table search over arbitrary contents and sizes.
//
// Input layout: byte 0 picks the file's size (low 2 bits: the contents as they are, cut or padded to 4096
// or 8192 bytes, or padded by byte 1 x 256 zeros), in bit 2 a search cancelled at once and in bit 3 the
// texts checked too (they are slow under the sanitizers, so not every run pays for them); bytes 2..3
// and 4..5 are the array and angle-map offsets to read, little-endian; the rest is the file's contents.

#include "arrayformats.h"
#include "collisionarray.h"
#include "tablefinder.h"
#include "fuzzsupport.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <unistd.h>

namespace {

using fuzzsupport::broken;
using fuzzsupport::check;

constexpr size_t kPrefixSize = 6;

QByteArray folder;

quint8 at(const QByteArray &file, qint64 offset)
{
    return offset >= 0 && offset < file.size() ? quint8(file.at(offset)) : 0;
}

// Every load the search should see, the plain way: each even offset, in full, one by one.
std::map<qint64, int> slowLoads(const QByteArray &file)
{
    std::map<qint64, int> loads;
    for (qint64 i = 0; i + 6 <= file.size(); i += 2) {
        if (at(file, i) != 0x45 || at(file, i + 1) != 0xF9)
            continue;
        qint64 address = 0;
        for (int k = 2; k < 6; ++k)
            address = address * 256 + at(file, i + k);
        if (address < file.size())
            ++loads[address];
    }
    return loads;
}

CollisionArray slowArray(const QByteArray &file, qint64 arrayStart, qint64 angleStart)
{
    CollisionArray array;
    array.arrayStart = arrayStart;
    array.angleStart = angleStart;
    for (int i = 0; i < kArraySize; ++i)
        array.bytes[size_t(i)] = at(file, arrayStart + i);
    for (int i = 0; i < kAngleMapSize && angleStart >= 0; ++i)
        array.angles[size_t(i)] = at(file, angleStart + i);
    return array;
}

void checkSearch(const QByteArray &file, const QString &name, bool cancel)
{
    int calls = 0;
    const TableSearch search = findTables(name, [&](qint64 done, qint64 total) {
        check(total == file.size() && done > 0 && done <= total, "progress stays inside the file");
        ++calls;
        return !cancel;
    });
    check(!search.failure, "a regular file is searched");
    if (cancel && !file.isEmpty()) {
        check(search.cancelled && search.candidates.empty() && calls == 1, "a cancelled search stops at once");
        return;
    }
    check(!search.cancelled, "an uncancelled search ends");

    const std::map<qint64, int> loads = slowLoads(file);
    const bool whole = file.size() == kArraySize || file.size() == 2 * qint64(kArraySize);
    const size_t expected = loads.size() + (whole && !loads.count(0) ? 1 : 0);
    check(search.candidates.size() == std::min<size_t>(expected, kMaxTableCandidates), "every load is a candidate");
    for (size_t i = 0; i < search.candidates.size(); ++i) {
        const TableCandidate &c = search.candidates[i];
        check(c.arrayStart >= 0 && c.arrayStart < file.size(), "no candidate past the end");
        check(c.angleStart >= -1 && c.angleStart < file.size(), "no angle map past the end");
        check(i == 0 || search.candidates[i - 1].rank >= c.rank, "best first");
        check(c.score == plausibility(slowArray(file, c.arrayStart, -1)), "the score is of the bytes there");
        if (c.wholeFile) {
            check(whole && c.arrayStart == 0 && c.loads == 0, "only a table file is its own array");
            continue;
        }
        const auto found = loads.find(c.arrayStart);
        check(found != loads.end() && found->second == c.loads, "loads counted as the plain scan counts");
        const bool angleLoaded = loads.count(c.arrayStart - 0x100) || loads.count(c.arrayStart - 0x200);
        check(c.angleMapLoaded == angleLoaded, "the angle map evidence agrees");
        check(c.rotatedLoaded == (loads.count(c.arrayStart + kArraySize) > 0), "the rotated evidence agrees");
    }
}

void checkArray(const QByteArray &file, const QString &name, qint64 arrayStart, qint64 angleStart, bool texts)
{
    const auto read = readCollisionArray(name, arrayStart, angleStart);
    if (arrayStart >= file.size() || angleStart >= file.size()) {
        check(std::holds_alternative<FileFailure>(read), "a table past the end is refused");
        return;
    }
    check(std::holds_alternative<CollisionArray>(read), "a regular file is read whole");
    const CollisionArray &array = std::get<CollisionArray>(read);
    const CollisionArray expected = slowArray(file, arrayStart, angleStart);
    check(array.bytes == expected.bytes && array.angles == expected.angles, "bytes are the file's, zero past it");
    check(compareArrays(array, expected).empty(), "an array equals itself");
    const double score = plausibility(array);
    check(score >= 0 && score <= 1, "a score is a share");
    if (!texts)
        return;

    const int lines[] = { 256, 512, 258, 258 };
    for (const ArrayFormat format : { ArrayFormat::Hex, ArrayFormat::Asm, ArrayFormat::C, ArrayFormat::Json }) {
        const QString text = arrayText(array, format);
        check(text.count(QLatin1Char('\n')) == lines[int(format)], "each format has its lines");
    }
    const QJsonArray boxes = QJsonDocument::fromJson(arrayText(array, ArrayFormat::Json).toUtf8()).array();
    check(boxes.size() == kBoxCount, "the JSON parses back");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = fuzzsupport::makeWorkingFolder("tilegauge-fuzz", { "/image.bin" });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < kPrefixSize)
        return 0;
    QByteArray file(reinterpret_cast<const char *>(data + kPrefixSize), qsizetype(size - kPrefixSize));
    switch (data[0] & 3) {
    case 1:
        file.resize(kArraySize, '\0');
        break;
    case 2:
        file.resize(2 * qsizetype(kArraySize), '\0');
        break;
    case 3:
        file.append(QByteArray(qsizetype(data[1]) * 256, '\0'));
        break;
    default:
        break;
    }
    const QByteArray path = folder + "/image.bin";
    QFile out(QFile::decodeName(path));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(file) != file.size())
        broken("cannot write the input file");
    out.close();
    const QString name = QFile::decodeName(path);

    checkSearch(file, name, data[0] & 4);
    checkArray(file, name, qint64(data[2] | data[3] << 8), qint64(data[4] | data[5] << 8), data[0] & 8);
    return 0;
}
