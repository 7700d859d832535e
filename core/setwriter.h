#pragma once

#include "collisionset.h"
#include "patchwriter.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

/// Where the tables of a set lie: all in one image, or each in a file of its own (a disassembly's).
enum class SetStorage
{
    Image,
    TableFiles,
};

/// The boxes of `edited` that differ from `saved` (a height box, a width box, an angle), as patches of
/// the files their tables came from, one TablePatches a file. Both sets hold the same tables.
[[nodiscard]] std::vector<TablePatches> setPatches(const CollisionSet &saved, const CollisionSet &edited);

/// Every file the tables of `set` were read from, each once.
[[nodiscard]] QStringList setFiles(const CollisionSet &set);

/// Writes `patches` back into the files they came from, each replaced whole and atomically: a copy of
/// each is taken first, so the writer's input is never its output. With `fixChecksum`, an image's
/// header checksum is corrected. The table files of one folder are committed together.
[[nodiscard]] std::optional<FileFailure> writeSetInPlace(
    const std::vector<TablePatches> &patches, SetStorage storage, bool fixChecksum);

/// Writes a copy of `saved` with `patches`: an image to the file `output`, whole; table files into the
/// folder `output`, every one of the set (the unchanged ones as they are), none committed before all are
/// written. It may replace none of the set's files.
[[nodiscard]] std::optional<FileFailure> writeSetCopy(const CollisionSet &saved,
    const std::vector<TablePatches> &patches, SetStorage storage, bool fixChecksum, const QString &output);
