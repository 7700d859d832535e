#include "changecommands.h"

#include "batchtexts.h"
#include "gamecatalogue.h"
#include "headerchecksum.h"
#include "outputguard.h"
#include "setwriter.h"
#include "sheetimport.h"
#include "texthelpers.h"
#include "widthrule.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <map>
#include <set>

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

// "BOX=BYTES": a box 00..FF, as every box is written, and its `count` bytes.
std::optional<std::pair<int, QByteArray>> setting(const QString &text, qsizetype count)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    const auto box = parseHexOffset(text.left(equals));
    const auto bytes = parseHexBytes(QStringView(text).sliced(equals + 1), count);
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

// The set as the changes leave it: the boxes that differ, their width boxes (all of them when
// `deriveAll`) and the angles.
CollisionSet changedSet(const CollisionSet &set, const Wanted &wanted, bool deriveAll)
{
    CollisionSet changed = set;
    std::set<int> derive;
    for (const auto &[box, bytes] : wanted.heights) {
        if (std::equal(bytes.begin(), bytes.end(), set.heightBox(box).begin()))
            continue;
        std::copy(bytes.begin(), bytes.end(), changed.heights.bytes.begin() + qsizetype(box) * kBoxSize);
        derive.insert(box);
    }
    for (int box = 0; changed.widths.present() && box < set.boxCount; ++box) {
        if (!deriveAll && !derive.contains(box))
            continue;
        const auto widths = derivedWidths(changed.heightBox(box));
        std::copy(widths.begin(), widths.end(), changed.widths.bytes.begin() + qsizetype(box) * kBoxSize);
    }
    for (const auto &[box, angle] : changed.angles.present() ? wanted.angles : std::map<int, quint8>())
        changed.angles.bytes[size_t(box)] = angle;
    return changed;
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
    return std::get<ImportedBoxes>(std::move(read));
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

    const auto patches = setPatches(
        set, changedSet(set, wantedBoxes(parser, source, set), isSet(parser, "derive-widths")));
    const QString output = parser.value(QStringLiteral("output"));
    const QStringList files = setFiles(set);
    if (QFileInfo(path).isDir() || files.size() > 1) {
        // A disassembly's tables go into a folder under their own names, never beside themselves.
        if (isSet(parser, "fix-checksum"))
            return refused(t.noChecksum.arg(named(path)));
        if (sameFile(output, QFileInfo(files.first()).absolutePath()))
            return refused(t.overInput.arg(named(QFileInfo(files.first()).absolutePath())));
        if (const auto failure = writeSetCopy(set, patches, SetStorage::TableFiles, false, output))
            return fileFailed(t.copyFailed, *failure);
        return kDone;
    }
    if (const auto replaced = replacedInput(output, files))
        return refused(t.overInput.arg(named(*replaced)));
    const int game = request.game != 0 ? request.game : identifyPath(path).gameId;
    if (isSet(parser, "fix-checksum") && game == kLevelFileGameId)
        return refused(t.noChecksum.arg(named(path)));
    const bool fixChecksum = isSet(parser, "fix-checksum")
        || (!patches.empty() && !isSet(parser, "keep-checksum") && checksumCheckedAtPowerOn(game));
    if (const auto failure = writeSetCopy(set, patches, SetStorage::Image, fixChecksum, output))
        return fileFailed(t.copyFailed, *failure);
    return kDone;
}
