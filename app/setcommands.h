#pragma once

#include "collisionset.h"

#include <QList>
#include <QString>

#include <optional>
#include <variant>

/// Where the options place the tables of an image. With none of them, a disassembly folder or one of
/// its table files gives its own set, and an image its catalogue row's.
struct SetRequest
{
    int game = 0; ///< --game, or 0 to identify the image
    bool secondary = false;
    std::optional<qint64> array; ///< 0-based
    std::optional<qint64> angles; ///< 0-based

    [[nodiscard]] bool placed() const { return game != 0 || secondary || array || angles; }
};

/// The one collision set that `path` names, or the exit status after saying on standard error why there
/// is none: 1 when a file could not be read, 2 when the path is refused (an image of no known game, a
/// folder of several sets). Says too which of the `used` tables the set lacks or reads past the end of
/// its file.
[[nodiscard]] std::variant<CollisionSet, int> loadSet(
    const QString &path, const SetRequest &request, const QList<TableKind> &used);

/// --check: one line per finding of every set `path` names, each line of a folder's several sets led by
/// its heights file's name, and a summary per set on standard error. 0 nothing found, 1 findings, 2 any
/// trouble, as --diff.
[[nodiscard]] int checkCommand(const QString &path, const SetRequest &request);
