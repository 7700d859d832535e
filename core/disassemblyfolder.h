#pragma once

#include "collisionset.h"
#include "filehandle.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

/// How the community disassemblies name a set's three files (angle map; heights; widths).
enum class NameStyle
{
    AngleMap, ///< "Angle Map", "Collision Array (Normal)", "Collision Array (Rotated)"
    CurveMapping, ///< "Curve and resistance mapping", "Collision array - Vertical", "... - Horizontal"
                  ///< (older: "Collision array 1", "Collision array 2")
    HeightMaps, ///< "angles", "Height Maps", "Height Maps Rotated", the long set with a short suffix
    CollisionMaps, ///< "Collision Angles", "Collision Height Map", "Collision Width Map"
};

/// A file taken for one table of a set, by its size and the words of its name.
struct TableFile
{
    QString path;
    TableKind kind = TableKind::Heights;
    int boxCount = kBoxCount; ///< 256, or 512 for files twice the usual size
    NameStyle style = NameStyle::AngleMap;
};

/// The table a file named `path` of `size` bytes is, or nothing. The name ends in ".bin" and holds,
/// in any case, a word of the table's kind: angle or curve (256 or 512 bytes); rotated, horizontal,
/// width or 2 (4096 or 8192 bytes); normal, vertical, height or 1 (as large; a name with words of both
/// these kinds is the width table).
[[nodiscard]] std::optional<TableFile> recognizeTableFile(const QString &path, qint64 size);

/// The files of one set; the heights are always there.
struct SetFiles
{
    std::optional<TableFile> angles;
    TableFile heights;
    std::optional<TableFile> widths;
};

/// The catalogue row whose disassembly names its tables as `heights` is named: row 1, 4, 6 (row 5 for
/// the long tables) or 7, in the order of NameStyle.
[[nodiscard]] int styleGameId(const TableFile &heights);

struct DisassemblySets
{
    std::vector<SetFiles> sets; ///< by the heights file's name
    std::vector<TableFile> unpaired; ///< angle maps and width arrays beside no heights file
    std::optional<FileFailure> failure;
};

/// The sets of the disassembly folder `path`, or the one set that the table file `path` belongs to in
/// its folder; nothing at all when `path` is neither (an image, say). A set's files share the size of
/// their tables, their style and the words their names add to it (a suffix); a file that matches none
/// joins the only heights file of its size. Anything but a regular file under a table's name is refused
/// with its path before a file is read.
[[nodiscard]] DisassemblySets disassemblySets(const QString &path);

/// Reads the files of `files` with one open, one read and one close each.
[[nodiscard]] std::variant<CollisionSet, FileFailure> readDisassemblySet(const SetFiles &files);
