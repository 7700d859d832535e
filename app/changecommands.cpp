#include "changecommands.h"

#include "batchtexts.h"
#include "gamecatalogue.h"
#include "headerchecksum.h"
#include "outputguard.h"
#include "patchwriter.h"
#include "sheetimport.h"
#include "texthelpers.h"
#include "widthrule.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <numeric>

namespace {

constexpr int kDone = 0;
constexpr int kUsage = 2;
constexpr std::array<const char *, 5> kChanges { "import", "set", "set-angle", "derive-widths",
    "fix-checksum" };

bool isSet(const QCommandLineParser &parser, const char *name)
{
    return parser.isSet(QLatin1String(name));
}

QString named(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Exactly `count` bytes of hexadecimal digits, blanks anywhere between them.
std::optional<QByteArray> hexBytes(QStringView text, qsizetype count)
{
    QByteArray digits;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())))
            return std::nullopt;
        digits.append(c.toLatin1());
    }
    if (digits.size() != 2 * count)
        return std::nullopt;
    return QByteArray::fromHex(digits);
}

// "BOX=BYTES": a box 00..FF, as every box is written, and its `count` bytes.
std::optional<std::pair<int, QByteArray>> setting(const QString &text, qsizetype count)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    const auto box = parseHexOffset(text.left(equals));
    const auto bytes = hexBytes(QStringView(text).sliced(equals + 1), count);
    if (!box || *box >= kBoxCount || !bytes)
        return std::nullopt;
    return std::pair { int(*box), *bytes };
}

// What the changes want the set to hold, for the boxes they name.
struct Wanted
{
    std::map<int, BoxBytes> heights;
    std::map<int, quint8> angles;
};

// A sheet shows only the cells a column fills, so a column it draws as the set draws it keeps its byte
// (0xF0 and 0x11..0xEF look as 0x10 does).
BoxBytes sheetBox(const BoxBytes &drawn, std::span<const quint8, kBoxSize> stored)
{
    BoxBytes box = drawn;
    for (size_t column = 0; column < kBoxSize; ++column) {
        bool same = true;
        for (int row = 0; row < kBoxSize; ++row)
            same = same && columnFills(drawn[column], row) == columnFills(stored[column], row);
        if (same)
            box[column] = stored[column];
    }
    return box;
}

Wanted wantedBoxes(const QCommandLineParser &parser, const ImportedBoxes &imported, const CollisionSet &set)
{
    Wanted wanted;
    for (const auto &[box, bytes] : imported.boxes)
        wanted.heights[box]
            = imported.format == ImportFormat::Sheet ? sheetBox(bytes, set.heightBox(box)) : bytes;
    wanted.angles = imported.angles;
    // The one-line fixes come last, so they mend what an import brought.
    for (const QString &text : parser.values(QStringLiteral("set"))) {
        const auto [box, bytes] = *setting(text, kBoxSize);
        std::copy(bytes.begin(), bytes.end(), wanted.heights[box].begin());
    }
    for (const QString &text : parser.values(QStringLiteral("set-angle"))) {
        const auto [box, bytes] = *setting(text, 1);
        wanted.angles[box] = quint8(bytes.at(0));
    }
    return wanted;
}

QByteArray bytesOf(std::span<const quint8> bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// The patches of each file of the set: the boxes that differ, their width boxes (all of them when
// `deriveAll`) and the angles that differ.
std::map<QString, std::vector<BytePatch>> setPatches(
    const CollisionSet &set, const Wanted &wanted, bool deriveAll)
{
    std::map<QString, std::vector<BytePatch>> patches;
    const auto patch = [&](TableKind kind, qint64 at, const QByteArray &bytes) {
        const TableSource &source = *set.table(kind).source;
        patches[source.path].push_back(BytePatch { source.offset + at, bytes });
    };
    std::vector<quint8> heights = set.heights.bytes;
    std::vector<int> changed;
    for (const auto &[box, bytes] : wanted.heights) {
        if (std::equal(bytes.begin(), bytes.end(), set.heightBox(box).begin()))
            continue;
        std::copy(bytes.begin(), bytes.end(), heights.begin() + qsizetype(box) * kBoxSize);
        patch(TableKind::Heights, qint64(box) * kBoxSize, bytesOf(bytes));
        changed.push_back(box);
    }
    if (deriveAll) {
        changed.resize(size_t(set.boxCount));
        std::iota(changed.begin(), changed.end(), 0);
    }
    for (const int box : set.widths.present() ? changed : std::vector<int>()) {
        const auto widths = derivedWidths(
            std::span<const quint8, kBoxSize>(heights.data() + qsizetype(box) * kBoxSize, kBoxSize));
        if (!std::equal(widths.begin(), widths.end(), set.widthBox(box).begin()))
            patch(TableKind::Widths, qint64(box) * kBoxSize, bytesOf(widths));
    }
    for (const auto &[box, angle] : set.angles.present() ? wanted.angles : std::map<int, quint8>()) {
        if (set.angle(box) != angle)
            patch(TableKind::Angles, box, QByteArray(1, char(angle)));
    }
    return patches;
}

std::variant<ImportedBoxes, int> importedBoxes(const QCommandLineParser &parser)
{
    if (!isSet(parser, "import"))
        return ImportedBoxes();
    auto read = readImportSource(parser.value(QStringLiteral("import")));
    if (const auto *failure = std::get_if<ImportFailure>(&read)) {
        const QString place = importPlaceText(*failure);
        return fileFailed(batchTexts().importFailed,
            { failure->path,
                place.isEmpty() ? failure->reason : place + QStringLiteral(": ") + failure->reason });
    }
    return std::move(std::get<ImportedBoxes>(read));
}

} // namespace

QList<QCommandLineOption> changeOptions()
{
    const BatchTexts &t = batchTexts();
    return {
        { QStringLiteral("import"), t.importHelp, QStringLiteral("SOURCE") },
        { QStringLiteral("set"), t.setHelp, QStringLiteral("BOX=BYTES") },
        { QStringLiteral("set-angle"), t.setAngleHelp, QStringLiteral("BOX=BYTE") },
        { QStringLiteral("derive-widths"), t.deriveWidthsHelp },
        { QStringLiteral("fix-checksum"), t.fixChecksumHelp },
        { QStringLiteral("keep-checksum"), t.keepChecksumHelp },
        { QStringLiteral("output"), t.outputHelp, QStringLiteral("PATH") },
    };
}

bool wantsChange(const QCommandLineParser &parser)
{
    return std::any_of(
        kChanges.begin(), kChanges.end(), [&](const char *name) { return isSet(parser, name); });
}

std::optional<QString> changeUsageProblem(const QCommandLineParser &parser)
{
    const BatchTexts &t = batchTexts();
    if (!wantsChange(parser)) {
        for (const char *option : { "output", "keep-checksum" }) {
            if (isSet(parser, option))
                return t.goesOnlyWith.arg(QStringLiteral("--") + QLatin1String(option),
                    QStringLiteral("--import, --set, --set-angle, --derive-widths, --fix-checksum"));
        }
        return std::nullopt;
    }
    if (!isSet(parser, "output"))
        return t.needsOutput;
    if (isSet(parser, "fix-checksum") && isSet(parser, "keep-checksum"))
        return t.bothChecksums;
    for (const QString &value : parser.values(QStringLiteral("set"))) {
        if (!setting(value, kBoxSize))
            return t.badSet.arg(value);
    }
    for (const QString &value : parser.values(QStringLiteral("set-angle"))) {
        if (!setting(value, 1))
            return t.badSetAngle.arg(value);
    }
    if (parser.positionalArguments().size() != 1)
        return t.needsOneFile.arg(QStringLiteral("--output"));
    return std::nullopt;
}

int changeCommand(const QCommandLineParser &parser, const QString &path, const SetRequest &request)
{
    const BatchTexts &t = batchTexts();
    // The source is read first, so that a bad one stops everything before the set is even opened.
    const auto imported = importedBoxes(parser);
    if (const int *status = std::get_if<int>(&imported))
        return *status;
    const ImportedBoxes &source = std::get<ImportedBoxes>(imported);
    QList<TableKind> used { TableKind::Widths };
    if (!source.angles.empty() || isSet(parser, "set-angle"))
        used.append(TableKind::Angles);
    const auto loaded = loadSet(path, request, used);
    if (const int *status = std::get_if<int>(&loaded))
        return *status;
    const CollisionSet &set = std::get<CollisionSet>(loaded);
    // loadSet() has said which table the set lacks.
    if ((isSet(parser, "set-angle") && !set.angles.present())
        || (isSet(parser, "derive-widths") && !set.widths.present()))
        return kUsage;

    const auto patches = setPatches(set, wantedBoxes(parser, source, set), isSet(parser, "derive-widths"));
    const QString output = parser.value(QStringLiteral("output"));
    QStringList files;
    for (const TableKind kind : { TableKind::Heights, TableKind::Angles, TableKind::Widths }) {
        if (set.table(kind).present() && !files.contains(set.table(kind).source->path))
            files.append(set.table(kind).source->path);
    }
    if (QFileInfo(path).isDir() || files.size() > 1) {
        // A disassembly's changed tables go into a folder under their own names, never beside themselves.
        if (isSet(parser, "fix-checksum"))
            return refused(t.noChecksum.arg(named(path)));
        if (sameFile(output, QFileInfo(files.first()).absolutePath()))
            return refused(t.overInput.arg(named(QFileInfo(files.first()).absolutePath())));
        std::vector<TablePatches> tables;
        for (const auto &[file, filePatches] : patches)
            tables.push_back(TablePatches { file, filePatches });
        if (const auto failure = writePatchedTables(output, tables, files))
            return fileFailed(t.copyFailed, *failure);
        return kDone;
    }
    if (const auto replaced = replacedInput(output, files))
        return refused(t.overInput.arg(named(*replaced)));
    const int game = request.game != 0 ? request.game : identifyPath(path).gameId;
    if (isSet(parser, "fix-checksum") && game == kLevelFileGameId)
        return refused(t.noChecksum.arg(named(path)));
    PatchedCopy copy { files.first(), output, {}, isSet(parser, "fix-checksum"), {} };
    if (!patches.empty()) {
        copy.patches = patches.begin()->second;
        copy.fixChecksum
            = copy.fixChecksum || (!isSet(parser, "keep-checksum") && checksumCheckedAtPowerOn(game));
    }
    const auto written = writePatchedCopy(copy);
    if (const auto *failure = std::get_if<FileFailure>(&written))
        return fileFailed(t.copyFailed, *failure);
    return kDone;
}
