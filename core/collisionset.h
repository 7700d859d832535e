#pragma once

#include "collisionarray.h"
#include "filehandle.h"
#include "tableplaces.h"

#include <QString>

#include <optional>
#include <span>
#include <variant>
#include <vector>

struct TableCandidate;

enum class TableKind
{
    Angles,
    Heights,
    Widths
};

/// Where a table of a set was read: its file and 0-based offset.
struct TableSource
{
    QString path;
    qint64 offset = 0;
    /// The table reaches past the end of its file; the bytes there read as 0x00, as the design reads them.
    bool pastEnd = false;
};

/// One table of a set, or nothing when the set lacks it (its source is then empty and so are its bytes).
struct SetTable
{
    std::optional<TableSource> source;
    std::vector<quint8> bytes; ///< one byte a box for the angle map, 16 for the other two

    [[nodiscard]] bool present() const { return source.has_value(); }
};

/// The three tables that belong together: the angle map, the height array (the collision array the
/// main window shows) and the width array (the same shapes measured across). The heights are always
/// there; a lone table file or a hack that dropped one lacks the angle map or the width array.
struct CollisionSet
{
    int boxCount = kBoxCount; ///< 512 for row 5's tables, whose last 256 boxes are empty
    SetTable angles;
    SetTable heights;
    SetTable widths;

    [[nodiscard]] const SetTable &table(TableKind kind) const;
    [[nodiscard]] SetTable &table(TableKind kind);
    [[nodiscard]] std::span<const quint8, kBoxSize> heightBox(int box) const;
    /// Only when widths.present().
    [[nodiscard]] std::span<const quint8, kBoxSize> widthBox(int box) const;
    /// Box `box`'s angle byte, or nothing without an angle map.
    [[nodiscard]] std::optional<quint8> angle(int box) const;

    /// The first 256 boxes as the array the formats, the sheet and the grid take; without an angle map
    /// its angles are 0x00 and its angleStart is -1.
    [[nodiscard]] CollisionArray array() const;
};

/// Whether a file of `size` bytes is one or two tables as disassemblies keep them (4096 or 8192 bytes):
/// no image, and no angle map in front of them.
[[nodiscard]] bool isLoneTableSize(qint64 size);

/// The tables of catalogue row `gameId` in one of its images, or nothing for an unknown row.
[[nodiscard]] std::optional<TablePlaces> catalogueTablePlaces(int gameId);

/// The tables around a table search's candidate: its angle map where the search took it from (none
/// when it found no room), row 5's long tables when that map lies 0x200 bytes in front.
[[nodiscard]] TablePlaces candidateTablePlaces(const TableCandidate &candidate);

/// Reads the set at `places` in the image at `path` with one open, one read per table and one close.
/// An angle map without room in front of the heights, or a companion table of which the file holds no
/// byte, is absent. Heights that start at or past the end are refused, as readCollisionArray() refuses
/// them, and so is anything but a regular file.
[[nodiscard]] std::variant<CollisionSet, FileFailure> readImageSet(
    const QString &path, const TablePlaces &places);

/// Reads a set kept as separate files, each from offset 0 with one open, one read and one close: the
/// heights from `heightsPath`, the angle map and the width array from theirs (an empty path: absent).
/// `boxCount` is 256 or 512.
[[nodiscard]] std::variant<CollisionSet, FileFailure> readFileSet(
    const QString &anglesPath, const QString &heightsPath, const QString &widthsPath, int boxCount);
