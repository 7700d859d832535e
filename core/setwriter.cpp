#include "setwriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <map>

namespace {

void addPatch(std::map<QString, std::vector<BytePatch>> &byFile, const SetTable &saved,
    const SetTable &edited, qint64 at, qint64 size)
{
    const auto from = saved.bytes.begin() + at;
    const auto to = edited.bytes.begin() + at;
    if (std::equal(from, from + size, to))
        return;
    byFile[saved.source->path].push_back(BytePatch { saved.source->offset + at,
        QByteArray(reinterpret_cast<const char *>(edited.bytes.data() + at), size) });
}

// A copy of `path` in `folder` under the same name: what a write in place reads from.
std::variant<QString, FileFailure> snapshot(const QString &path, const QTemporaryDir &folder)
{
    if (!folder.isValid())
        return FileFailure { QDir::tempPath(), folder.errorString() };
    const QString copyPath = folder.filePath(QFileInfo(path).fileName());
    const auto copied = writePatchedCopy(PatchedCopy { path, copyPath, {}, false, {} });
    if (const auto *failure = std::get_if<FileFailure>(&copied))
        return *failure;
    return copyPath;
}

} // namespace

std::vector<TablePatches> setPatches(const CollisionSet &saved, const CollisionSet &edited)
{
    std::map<QString, std::vector<BytePatch>> byFile;
    for (int box = 0; box < saved.boxCount; ++box) {
        for (const TableKind kind : { TableKind::Heights, TableKind::Widths, TableKind::Angles }) {
            const SetTable &table = saved.table(kind);
            if (!table.present())
                continue;
            const qint64 size = kind == TableKind::Angles ? 1 : kBoxSize;
            addPatch(byFile, table, edited.table(kind), box * size, size);
        }
    }
    std::vector<TablePatches> patches;
    patches.reserve(byFile.size());
    for (auto &[path, list] : byFile)
        patches.push_back(TablePatches { path, std::move(list) });
    return patches;
}

QStringList setFiles(const CollisionSet &set)
{
    QStringList files;
    for (const TableKind kind : { TableKind::Heights, TableKind::Angles, TableKind::Widths }) {
        const SetTable &table = set.table(kind);
        if (table.present() && !files.contains(table.source->path))
            files << table.source->path;
    }
    return files;
}

std::optional<FileFailure> writeSetInPlace(
    const std::vector<TablePatches> &patches, SetStorage storage, bool fixChecksum)
{
    std::map<QString, std::vector<TablePatches>> byFolder;
    for (const TablePatches &table : patches)
        byFolder[QFileInfo(table.input).absolutePath()].push_back(table);
    for (const auto &[folder, tables] : byFolder) {
        const QTemporaryDir copies;
        std::vector<TablePatches> fromCopies;
        for (const TablePatches &table : tables) {
            const auto copy = snapshot(table.input, copies);
            if (const auto *failure = std::get_if<FileFailure>(&copy))
                return *failure;
            fromCopies.push_back(TablePatches { std::get<QString>(copy), table.patches });
        }
        if (storage == SetStorage::TableFiles) {
            if (auto failure = writePatchedTables(folder, fromCopies, {}))
                return failure;
            continue;
        }
        const auto written = writePatchedCopy(PatchedCopy {
            fromCopies.front().input, tables.front().input, tables.front().patches, fixChecksum, {} });
        if (const auto *failure = std::get_if<FileFailure>(&written))
            return *failure;
    }
    return std::nullopt;
}

std::optional<FileFailure> writeSetCopy(const CollisionSet &saved, const std::vector<TablePatches> &patches,
    SetStorage storage, bool fixChecksum, const QString &output)
{
    const QStringList files = setFiles(saved);
    if (storage == SetStorage::TableFiles) {
        // A folder of the changed tables alone would not open as a set: the others go as they are.
        std::vector<TablePatches> tables = patches;
        for (const QString &file : files) {
            if (std::none_of(patches.begin(), patches.end(),
                    [&](const TablePatches &table) { return table.input == file; }))
                tables.push_back(TablePatches { file, {} });
        }
        return writePatchedTables(output, tables, files);
    }
    const std::vector<BytePatch> none;
    const auto written = writePatchedCopy(PatchedCopy {
        files.front(), output, patches.empty() ? none : patches.front().patches, fixChecksum, files });
    if (const auto *failure = std::get_if<FileFailure>(&written))
        return *failure;
    return std::nullopt;
}
