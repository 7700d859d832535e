// Identification and box reading over arbitrary file contents, sizes and kinds of path.
//
// Input layout: byte 0 picks the kind of path (low 3 bits) and a right shift for the size (high 5 bits);
// bytes 1..4 are the file's size, little-endian, before the shift (up to 4 GiB, made sparse); bytes 5..7
// pick the box; the rest is what the file starts with. A file shorter than its contents is cut.

#include "boxaddressing.h"
#include "gamecatalogue.h"
#include "fuzzsupport.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using fuzzsupport::broken;
using fuzzsupport::check;

enum class PathKind
{
    Regular,
    LevelFileName, // known by its name alone, yet read like any file
    Missing,
    ThroughAFile, // "file/x": the system says ENOTDIR, which reads as a missing file
    Directory,
};
constexpr int kPathKinds = 5;
constexpr size_t kPrefixSize = 8;

QByteArray folder;

// The file as the reader must see it: its contents, cut or padded with zeros to its size.
struct Model
{
    const uint8_t *contents;
    uint64_t contentSize;
    uint64_t fileSize;
    bool exists;

    [[nodiscard]] uint8_t at(uint64_t offset) const
    {
        if (!exists || offset >= fileSize || offset >= contentSize)
            return 0;
        return contents[offset];
    }
};

bool writeFile(const QByteArray &path, const uint8_t *contents, size_t size, uint64_t fileSize)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = true;
    for (size_t done = 0; ok && done < size;) {
        const ssize_t wrote = ::write(fd, contents + done, size - done);
        ok = wrote > 0;
        done += ok ? size_t(wrote) : 0;
    }
    ok = ok && ::ftruncate(fd, off_t(fileSize)) == 0;
    return ::close(fd) == 0 && ok;
}

// Which cartridge row the model's header key names, found without the code under test.
qint16 expectedGame(const Model &file)
{
    char key[kHeaderKeySize];
    for (qsizetype i = 0; i < kSerialSize; ++i)
        key[i] = char(file.at(uint64_t(kSerialOffset) + uint64_t(i)));
    key[kSerialSize] = char(file.at(uint64_t(kRegionOffset)));
    for (const GameRow &row : GameCatalogue) {
        if (row.headerKey && std::memcmp(row.headerKey, key, kHeaderKeySize) == 0)
            return row.gameId;
    }
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = fuzzsupport::makeWorkingFolder("tilegauge-fuzz", { "/rom.bin", "/R11A__.MMD", "/dir" });
    if (::mkdir((folder + "/dir").constData(), 0700) != 0)
        broken("cannot make a folder to read");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < kPrefixSize)
        return 0;
    const auto kind = PathKind(data[0] % 8 % kPathKinds);
    const uint32_t sizeField
        = uint32_t(data[1]) | uint32_t(data[2]) << 8 | uint32_t(data[3]) << 16 | uint32_t(data[4]) << 24;
    const uint64_t fileSize = sizeField >> (data[0] >> 3);
    const uint8_t *contents = data + kPrefixSize;
    const size_t contentSize = size - kPrefixSize;

    QByteArray path = folder;
    switch (kind) {
    case PathKind::Regular:
    case PathKind::ThroughAFile:
        path += "/rom.bin";
        break;
    case PathKind::LevelFileName:
        path += "/R11A__.MMD";
        break;
    case PathKind::Missing:
        path += "/missing.bin";
        break;
    case PathKind::Directory:
        path += "/dir";
        break;
    }
    const bool written = kind == PathKind::Regular || kind == PathKind::LevelFileName;
    if (written) {
        const size_t stored = size_t(std::min<uint64_t>(contentSize, fileSize));
        if (!writeFile(path, contents, stored, fileSize))
            broken("cannot write the input file");
    }
    if (kind == PathKind::ThroughAFile) {
        if (!writeFile(path, contents, contentSize, contentSize))
            broken("cannot write the input file");
        path += "/x";
    }
    const Model model { contents, contentSize, fileSize, written };
    const QString name = QFile::decodeName(path);

    // Identification: the same answer twice, and the game the header key names.
    const Identification first = IdentifyRom(name);
    const Identification second = IdentifyRom(name);
    check(first.gameId == second.gameId && bool(first.failure) == bool(second.failure),
        "identification repeats");
    if (kind == PathKind::Directory) {
        check(first.failure && first.gameId == 0, "a directory cannot be identified");
        check(first.failure->path == name && !first.failure->reason.isEmpty(),
            "a failure names path and reason");
    } else {
        check(!first.failure, "a file or missing path identifies without failure");
        check(first.gameId == expectedGame(model), "identification agrees with the header key");
    }
    const Identification byPath = identifyPath(name);
    if (kind == PathKind::LevelFileName)
        check(byPath.gameId == kLevelFileGameId && !byPath.failure, "the level file is known by name");
    else
        check(
            byPath.gameId == first.gameId && bool(byPath.failure) == bool(first.failure), "path rule agrees");

    // Box reading: a catalogue box, or any position in the first 32 KiB.
    qint32 location = 0;
    if (data[7] & 1) {
        location = 1 + qint32(data[6] | (data[7] >> 1) << 8);
    } else {
        const GameRow *row = catalogueRow(1 + (data[5] & 7) % int(GameCatalogue.size()));
        const qint32 start = (data[5] & 8) ? secondaryArrayStart(row->arrayStart) : row->arrayStart;
        location = BoxLocation(start, data[6]);
    }
    int calls = 0;
    bool inOrder = true;
    bool bytesMatch = true;
    const std::optional<FileFailure> failure = readCollisionBox(name, location, [&](int column, quint8 byte) {
        inOrder = inOrder && column == calls;
        bytesMatch = bytesMatch && byte == model.at(uint64_t(location) - 1 + uint64_t(column));
        ++calls;
    });
    check(inOrder, "columns arrive in order");
    check(bytesMatch, "bytes are the file's, and zero past its end");
    if (kind == PathKind::Directory) {
        check(failure && calls == 0, "a directory gives no bytes and a failure");
        check(failure->path == name, "a read failure names the path");
    } else {
        check(!failure && calls == kBoxSize, "a box is sixteen bytes");
    }

    ::unlink((folder + "/rom.bin").constData());
    ::unlink((folder + "/R11A__.MMD").constData());
    return 0;
}
