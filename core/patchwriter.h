#pragma once

#include "positionalfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

/// Bytes to put at a 0-based offset of a copy, over bytes the input has (a copy never grows).
struct BytePatch
{
    qint64 offset = 0;
    QByteArray bytes;
};

/// A copy of `input` at `output` that differs only by `patches` (applied in order) and, with
/// `fixChecksum`, by the header checksum at 0x18E recomputed over the patched bytes.
struct PatchedCopy
{
    QString input;
    QString output;
    std::vector<BytePatch> patches;
    bool fixChecksum = false;
    /// The other files of the input's set: the output may be none of them, as it may not be the input.
    QStringList guarded;
};

/// What a written copy holds beyond its patches.
struct PatchReport
{
    bool copiedInKernel = true; ///< false where the system could not copy in the kernel
    std::optional<quint16> checksum; ///< the word written at 0x18E, when asked for
};

/// Writes `copy`: the input copied in the kernel (copy_file_range, or read and write where the system
/// cannot, e.g. across file systems) into a QSaveFile, then the patches, then the checksum, then one
/// commit. Refused before anything is created when the output is the input or a guarded file (the same
/// path, or the same device and inode through a link), when the input is no regular file or a patch
/// lies past its end, or when a checksum is asked of a file too short to hold one. On any failure the
/// output is neither created nor changed.
[[nodiscard]] std::variant<PatchReport, FileFailure> writePatchedCopy(const PatchedCopy &copy);

/// One table file of a set and the bytes its copy changes.
struct TablePatches
{
    QString input;
    std::vector<BytePatch> patches;
};

/// Writes into the folder `folder`, made if it is missing (its parent is not), a patched copy of each of
/// `tables` under its input's file name. No copy may replace one of the tables or of `guarded` (the set's
/// other files). Every copy is checked and written before any is committed, so a refusal or a failed write
/// leaves the folder as it was; only a failure among the commits themselves can leave some copies written.
[[nodiscard]] std::optional<FileFailure> writePatchedTables(
    const QString &folder, const std::vector<TablePatches> &tables, const QStringList &guarded);
