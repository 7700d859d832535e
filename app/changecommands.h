#pragma once

#include "setcommands.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <optional>

class QCommandLineParser;

/// The changes: --import, --set, --set-angle, --derive-widths and --fix-checksum, always written to a
/// new file or folder named by --output; --keep-checksum leaves a cartridge's checksum as it was.
[[nodiscard]] QList<QCommandLineOption> changeOptions();

/// Whether the parsed arguments ask for a change.
[[nodiscard]] bool wantsChange(const QCommandLineParser &parser);

/// What is wrong with the change options as given, for a usage error: --output or --keep-checksum
/// without a change, a change without --output or without one file, a box or a byte that is not hex.
[[nodiscard]] std::optional<QString> changeUsageProblem(const QCommandLineParser &parser);

/// Writes a copy of the set that `path` names with the changes applied: the changed boxes, their width
/// boxes and angles, and for rows 1, 2 and 4 (or with --fix-checksum) the header checksum. A set kept as
/// several files is written as a folder of all its table files. Returns the exit status; on any
/// failure, --output is neither created nor changed.
[[nodiscard]] int changeCommand(
    const QCommandLineParser &parser, const QString &path, const SetRequest &request);
