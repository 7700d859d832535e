#include "disassemblyfolder.h"

#include "regularfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QLatin1String kSuffix(".bin");

bool isAngleWord(const QString &w)
{
    return w.startsWith(QLatin1String("angle")) || w.startsWith(QLatin1String("curve"));
}

bool isHeightWord(const QString &w)
{
    return w == QLatin1String("normal") || w == QLatin1String("vertical")
        || w.startsWith(QLatin1String("height")) || w == QLatin1String("1");
}

bool isWidthWord(const QString &w)
{
    return w == QLatin1String("rotated") || w == QLatin1String("horizontal")
        || w.startsWith(QLatin1String("width")) || w == QLatin1String("2");
}

// The words a style itself uses; whatever else a name holds tells its set from another of the style.
bool isStyleWord(const QString &w)
{
    static const QStringList kWords { QStringLiteral("and"), QStringLiteral("resistance"),
        QStringLiteral("mapping"), QStringLiteral("map"), QStringLiteral("maps"), QStringLiteral("collision"),
        QStringLiteral("array") };
    return isAngleWord(w) || isHeightWord(w) || isWidthWord(w) || kWords.contains(w);
}

// The lower-case words of a table file's name, without its suffix.
QStringList nameWords(const QString &path)
{
    const QString name = QFileInfo(path).fileName().chopped(kSuffix.size()).toLower();
    QStringList words;
    QString word;
    for (const QChar c : name + QLatin1Char(' ')) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    return words;
}

bool hasTableName(const QString &path)
{
    if (!path.endsWith(kSuffix, Qt::CaseInsensitive))
        return false;
    const QStringList words = nameWords(path);
    return std::any_of(words.begin(), words.end(),
        [](const QString &w) { return isAngleWord(w) || isHeightWord(w) || isWidthWord(w); });
}

NameStyle styleOf(TableKind kind, const QStringList &words)
{
    const auto has = [&](const char *w) { return words.contains(QLatin1String(w)); };
    const bool heightWord = std::any_of(words.begin(), words.end(), isHeightWord);
    switch (kind) {
    case TableKind::Angles:
        if (std::any_of(words.begin(), words.end(),
                [](const QString &w) { return w.startsWith(QLatin1String("curve")); }))
            return NameStyle::CurveMapping;
        if (has("collision"))
            return NameStyle::CollisionMaps;
        return has("map") ? NameStyle::AngleMap : NameStyle::HeightMaps;
    case TableKind::Heights:
        if (has("normal"))
            return NameStyle::AngleMap;
        if (has("vertical") || has("1"))
            return NameStyle::CurveMapping;
        return has("collision") ? NameStyle::CollisionMaps : NameStyle::HeightMaps;
    case TableKind::Widths:
        break;
    }
    if (has("rotated"))
        return heightWord ? NameStyle::HeightMaps : NameStyle::AngleMap;
    return has("horizontal") || has("2") ? NameStyle::CurveMapping : NameStyle::CollisionMaps;
}

// A table file and what pairs it with the others of its set.
struct Entry
{
    TableFile file;
    bool numbered = false; ///< "Collision array 1" and "2" pair, not "1" and "Horizontal"
    QStringList extra;
};

Entry entryOf(const TableFile &file)
{
    const QStringList words = nameWords(file.path);
    Entry entry { file, words.contains(QLatin1String("1")) || words.contains(QLatin1String("2")), {} };
    std::copy_if(words.begin(), words.end(), std::back_inserter(entry.extra),
        [](const QString &w) { return !isStyleWord(w); });
    return entry;
}

std::optional<TableFile> partner(const std::vector<Entry> &entries, const Entry &heights, TableKind kind)
{
    std::vector<const Entry *> sized;
    int heightsOfSize = 0;
    for (const Entry &e : entries) {
        if (e.file.boxCount != heights.file.boxCount)
            continue;
        if (e.file.kind == kind)
            sized.push_back(&e);
        heightsOfSize += e.file.kind == TableKind::Heights ? 1 : 0;
    }
    for (const Entry *e : sized) {
        if (e->file.style == heights.file.style && e->extra == heights.extra
            && (kind == TableKind::Angles || e->numbered == heights.numbered))
            return e->file;
    }
    if (sized.size() == 1 && heightsOfSize == 1)
        return sized.front()->file;
    return std::nullopt;
}

DisassemblySets scanFolder(const QString &folder, const QString &prefix)
{
    DisassemblySets result;
    const QFileInfoList listed = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    std::vector<Entry> entries;
    for (const QFileInfo &info : listed) {
        const QString path = prefix + info.fileName();
        if (!hasTableName(path))
            continue;
        if (!info.isFile()) {
            result.failure = refuseIrregularFile(path);
            if (result.failure)
                return result;
        }
        if (const auto table = recognizeTableFile(path, info.size()))
            entries.push_back(entryOf(*table));
    }
    std::vector<QString> used;
    for (const Entry &e : entries) {
        if (e.file.kind != TableKind::Heights)
            continue;
        SetFiles set { partner(entries, e, TableKind::Angles), e.file,
            partner(entries, e, TableKind::Widths) };
        for (const auto &file : { set.angles, set.widths }) {
            if (file)
                used.push_back(file->path);
        }
        result.sets.push_back(set);
    }
    for (const Entry &e : entries) {
        if (e.file.kind != TableKind::Heights
            && std::find(used.begin(), used.end(), e.file.path) == used.end())
            result.unpaired.push_back(e.file);
    }
    return result;
}

bool holds(const SetFiles &set, const QString &path)
{
    return set.heights.path == path || (set.angles && set.angles->path == path)
        || (set.widths && set.widths->path == path);
}

} // namespace

std::optional<TableFile> recognizeTableFile(const QString &path, qint64 size)
{
    if (!path.endsWith(kSuffix, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringList words = nameWords(path);
    const auto any = [&](bool (*is)(const QString &)) { return std::any_of(words.begin(), words.end(), is); };
    TableFile table { path, TableKind::Angles, int(size), NameStyle::AngleMap };
    if ((size == kBoxCount || size == 2 * qint64(kBoxCount)) && any(isAngleWord)) {
        table.kind = TableKind::Angles;
    } else if (size == kArraySize || size == 2 * qint64(kArraySize)) {
        if (!any(isWidthWord) && !any(isHeightWord))
            return std::nullopt;
        table.kind = any(isWidthWord) ? TableKind::Widths : TableKind::Heights;
        table.boxCount = int(size / kBoxSize);
    } else {
        return std::nullopt;
    }
    table.style = styleOf(table.kind, words);
    return table;
}

int styleGameId(const TableFile &heights)
{
    switch (heights.style) {
    case NameStyle::AngleMap:
        return 1;
    case NameStyle::CurveMapping:
        return 4;
    case NameStyle::HeightMaps:
        return heights.boxCount > kBoxCount ? 5 : 6;
    case NameStyle::CollisionMaps:
        break;
    }
    return 7;
}

DisassemblySets disassemblySets(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return scanFolder(path, path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
    if (!hasTableName(path))
        return {};
    if (!info.isFile())
        return { {}, {}, refuseIrregularFile(path) };
    const auto table = recognizeTableFile(path, info.size());
    if (!table)
        return {};
    // Keep the path as it was given, so that messages name the files as the user does.
    const QString prefix = path.chopped(info.fileName().size());
    DisassemblySets all = scanFolder(prefix.isEmpty() ? QStringLiteral(".") : prefix, prefix);
    if (all.failure)
        return all;
    DisassemblySets mine;
    std::copy_if(all.sets.begin(), all.sets.end(), std::back_inserter(mine.sets),
        [&](const SetFiles &set) { return holds(set, path); });
    if (mine.sets.empty())
        mine.unpaired.push_back(*table);
    return mine;
}

std::variant<CollisionSet, FileFailure> readDisassemblySet(const SetFiles &files)
{
    return readFileSet(files.angles ? files.angles->path : QString(), files.heights.path,
        files.widths ? files.widths->path : QString(), files.heights.boxCount);
}
