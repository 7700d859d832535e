#include "collisionset.h"

#include "gamecatalogue.h"
#include "regularfile.h"
#include "tablefinder.h"

#include <algorithm>
#include <utility>

namespace {

qint64 tableBytes(TableKind kind, int boxCount)
{
    return kind == TableKind::Angles ? boxCount : qint64(boxCount) * kBoxSize;
}

// False on a read failure, which `file` keeps.
bool readTable(RegularFile &file, const QString &path, qint64 offset, qint64 size, SetTable &table)
{
    table.bytes.resize(size_t(size));
    const qint64 got = file.readAt(offset, reinterpret_cast<char *>(table.bytes.data()), size);
    if (got < 0)
        return false;
    table.source = TableSource { path, offset, got < size };
    return true;
}

FileFailure failureOf(const RegularFile &file, const QString &path)
{
    return file.failure().value_or(FileFailure { path, QString() });
}

} // namespace

const SetTable &CollisionSet::table(TableKind kind) const
{
    switch (kind) {
    case TableKind::Angles:
        return angles;
    case TableKind::Heights:
        return heights;
    case TableKind::Widths:
        break;
    }
    return widths;
}

SetTable &CollisionSet::table(TableKind kind)
{
    return const_cast<SetTable &>(std::as_const(*this).table(kind));
}

std::span<const quint8, kBoxSize> CollisionSet::heightBox(int box) const
{
    return std::span<const quint8, kBoxSize>(heights.bytes.data() + size_t(box) * kBoxSize, kBoxSize);
}

std::span<const quint8, kBoxSize> CollisionSet::widthBox(int box) const
{
    return std::span<const quint8, kBoxSize>(widths.bytes.data() + size_t(box) * kBoxSize, kBoxSize);
}

std::optional<quint8> CollisionSet::angle(int box) const
{
    if (!angles.present())
        return std::nullopt;
    return angles.bytes[size_t(box)];
}

CollisionArray CollisionSet::array() const
{
    CollisionArray array;
    std::copy_n(
        heights.bytes.begin(), std::min<size_t>(heights.bytes.size(), kArraySize), array.bytes.begin());
    array.arrayStart = heights.source ? heights.source->offset : 0;
    array.angleStart = -1;
    if (angles.present()) {
        std::copy_n(angles.bytes.begin(), kAngleMapSize, array.angles.begin());
        array.angleStart = angles.source->offset;
    }
    return array;
}

bool isLoneTableSize(qint64 size)
{
    return size == kArraySize || size == 2 * qint64(kArraySize);
}

std::optional<TablePlaces> catalogueTablePlaces(int gameId)
{
    const GameRow *row = catalogueRow(gameId);
    if (!row)
        return std::nullopt;
    return tablePlaces(gameId, qint64(row->arrayStart) - 1);
}

TablePlaces candidateTablePlaces(const TableCandidate &candidate)
{
    // Only the long tables keep their angle map that far in front.
    const TablePlaces wide = tablePlaces(kWideTablesRow, candidate.arrayStart);
    TablePlaces places = candidate.angleStart >= 0 && candidate.angleStart == wide.angleStart
        ? wide
        : tablePlaces(0, candidate.arrayStart);
    places.angleStart = candidate.angleStart;
    return places;
}

std::variant<CollisionSet, FileFailure> readImageSet(const QString &path, const TablePlaces &places)
{
    CollisionSet set;
    set.boxCount = places.boxCount;
    RegularFile file(path);
    if (!file.isOpen())
        return failureOf(file, path);
    if (auto past = file.pastTheEnd(places.heightStart))
        return *past;
    if (!readTable(file, path, places.heightStart, places.tableSize(), set.heights))
        return failureOf(file, path);
    const auto inFile = [&](qint64 start) { return start >= 0 && start < file.size(); };
    if (inFile(places.angleStart) && !readTable(file, path, places.angleStart, places.boxCount, set.angles))
        return failureOf(file, path);
    if (inFile(places.widthStart)
        && !readTable(file, path, places.widthStart, places.tableSize(), set.widths))
        return failureOf(file, path);
    return set;
}

std::variant<CollisionSet, FileFailure> readFileSet(
    const QString &anglesPath, const QString &heightsPath, const QString &widthsPath, int boxCount)
{
    CollisionSet set;
    set.boxCount = boxCount;
    const std::array<std::pair<const QString *, TableKind>, 3> files { {
        { &heightsPath, TableKind::Heights },
        { &anglesPath, TableKind::Angles },
        { &widthsPath, TableKind::Widths },
    } };
    for (const auto &[path, kind] : files) {
        if (path->isEmpty())
            continue;
        RegularFile file(*path);
        if (!file.isOpen() || !readTable(file, *path, 0, tableBytes(kind, boxCount), set.table(kind)))
            return failureOf(file, *path);
    }
    return set;
}
