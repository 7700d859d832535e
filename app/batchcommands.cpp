#include "batchcommands.h"

#include "arrayformats.h"
#include "arraysheet.h"
#include "batchtexts.h"
#include "candidatetext.h"
#include "changecommands.h"
#include "collisionarray.h"
#include "gamecatalogue.h"
#include "imagefile.h"
#include "outputguard.h"
#include "setcommands.h"
#include "systemmessages.h"
#include "tablefinder.h"
#include "texthelpers.h"
#include "zoneindex.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kDone = 0;
constexpr int kFileFailed = 1;
constexpr int kUsage = 2;
constexpr qint64 kProgressAbove = 64 << 20;

constexpr std::array<const char *, 5> kCommands { "dump", "sheet", "find", "diff", "check" };

/// One run of a command; the parsed arguments and the texts are all it needs.
class BatchRun
{
public:
    explicit BatchRun(const QCommandLineParser &parser)
        : m_parser(parser)
        , m_texts(batchTexts())
    {
    }

    int run();

private:
    std::optional<QString> usageProblem() const;
    SetRequest setRequest() const;
    std::variant<CollisionArray, int> loadArray(const QString &path, const QList<TableKind> &used) const;
    int dump(const QString &path) const;
    int sheet(const QString &path) const;
    int find(const QString &path) const;
    int diff(const QString &path, const QString &other) const;

    bool isSet(const char *name) const { return m_parser.isSet(QLatin1String(name)); }
    QString value(const char *name) const { return m_parser.value(QLatin1String(name)); }

    const QCommandLineParser &m_parser;
    const BatchTexts &m_texts;
};

std::optional<QString> BatchRun::usageProblem() const
{
    if (!m_parser.errorText().isEmpty())
        return m_parser.errorText();
    const auto given = std::count_if(kCommands.begin(), kCommands.end(), [&](const char *c) { return isSet(c); })
        + (wantsChange(m_parser) ? 1 : 0);
    if (given > 1)
        return m_texts.oneCommand;
    if (auto problem = changeUsageProblem(m_parser))
        return problem;
    if (isSet("format") && !isSet("dump"))
        return m_texts.goesOnlyWith.arg(QStringLiteral("--format"), QStringLiteral("--dump"));
    if (isSet("look") && !isSet("sheet"))
        return m_texts.goesOnlyWith.arg(QStringLiteral("--look"), QStringLiteral("--sheet"));
    if (isSet("format") && !arrayFormatFromName(value("format")))
        return m_texts.badFormat.arg(value("format"));
    const bool textFormat = value("format") != QLatin1String("asm") && value("format") != QLatin1String("c");
    if (isSet("index") && (!isSet("dump") || !textFormat))
        return m_texts.goesOnlyWith.arg(QStringLiteral("--index"), QStringLiteral("--dump (hex, json)"));
    const QString look = value("look");
    if (isSet("look") && look != QLatin1String("canvas") && look != QLatin1String("compact"))
        return m_texts.badLook.arg(look);
    for (const char *option : { "game", "secondary", "array", "angles" }) {
        if ((given == 0 || isSet("find")) && isSet(option))
            return m_texts.goesOnlyWith.arg(QStringLiteral("--") + QLatin1String(option),
                QStringLiteral("--dump, --sheet, --diff, --check, --output"));
    }
    if (isSet("game")) {
        bool ok = false;
        const int game = value("game").toInt(&ok);
        if (!ok || !catalogueRow(game))
            return m_texts.badGame.arg(value("game"));
    }
    for (const char *option : { "array", "angles" }) {
        if (isSet(option) && !parseHexOffset(value(option)))
            return m_texts.badOffset.arg(QStringLiteral("--") + QLatin1String(option), value(option));
    }
    if (given == 0)
        return m_texts.oneCommand;
    const qsizetype files = m_parser.positionalArguments().size();
    if (isSet("diff") && files != 2)
        return m_texts.needsTwoFiles;
    if (!isSet("diff") && !wantsChange(m_parser) && files != 1) {
        const auto command = std::find_if(kCommands.begin(), kCommands.end(), [&](const char *c) { return isSet(c); });
        return m_texts.needsOneFile.arg(QStringLiteral("--") + QLatin1String(*command));
    }
    return std::nullopt;
}

SetRequest BatchRun::setRequest() const
{
    SetRequest request;
    request.game = value("game").toInt();
    request.secondary = isSet("secondary");
    if (isSet("array"))
        request.array = parseHexOffset(value("array"));
    if (isSet("angles"))
        request.angles = parseHexOffset(value("angles"));
    return request;
}

std::variant<CollisionArray, int> BatchRun::loadArray(const QString &path, const QList<TableKind> &used) const
{
    auto set = loadSet(path, setRequest(), used);
    if (const int *status = std::get_if<int>(&set))
        return *status;
    return std::get<CollisionSet>(set).array();
}

int BatchRun::dump(const QString &path) const
{
    const ArrayFormat format = arrayFormatFromName(value("format")).value_or(ArrayFormat::Hex);
    const bool angles = format == ArrayFormat::Hex || format == ArrayFormat::Json;
    const auto array = loadArray(path, angles ? QList { TableKind::Angles } : QList<TableKind>());
    if (const int *status = std::get_if<int>(&array))
        return *status;
    std::vector<ZoneIndex> zones;
    for (const QString &index : m_parser.values(QStringLiteral("index"))) {
        auto read = readZoneIndex(index);
        if (const auto *failure = std::get_if<FileFailure>(&read))
            return fileFailed(m_texts.readFailed, *failure);
        zones.push_back(std::get<ZoneIndex>(read));
    }
    writeOut(arrayText(std::get<CollisionArray>(array), format, zones).toUtf8());
    return kDone;
}

int BatchRun::sheet(const QString &path) const
{
    const QString out = value("sheet");
    if (out != QLatin1String("-") && replacedInput(out, { path }))
        return refused(m_texts.overInput.arg(QDir::toNativeSeparators(path)));
    const char *format = out == QLatin1String("-") ? "png" : sheetFormatForPath(out);
    if (!format)
        return usageError(m_texts.badSheetName.arg(QDir::toNativeSeparators(out)));
    const auto array = loadArray(path, {});
    if (const int *status = std::get_if<int>(&array))
        return *status;
    const SheetLook look = value("look") == QLatin1String("compact") ? SheetLook::Compact : SheetLook::Canvas;
    const QImage image = arraySheet(std::get<CollisionArray>(array), look);
    if (out == QLatin1String("-")) {
        const auto encoded = encodeImage(image, format, out);
        if (const auto *failure = std::get_if<FileFailure>(&encoded))
            return fileFailed(m_texts.writeFailed, *failure);
        writeOut(std::get<QByteArray>(encoded));
        return std::fflush(stdout) == 0 ? kDone : kFileFailed;
    }
    if (const auto failure = writeImageFile(image, out, format))
        return fileFailed(m_texts.writeFailed, *failure);
    return kDone;
}

int BatchRun::find(const QString &path) const
{
    // Progress only where a person watches and the wait is long enough to notice.
    const bool showProgress = ::isatty(STDERR_FILENO) && QFileInfo(path).size() > kProgressAbove;
    int shown = -1;
    const auto progress = [&](qint64 done, qint64 total) {
        const int percent = int(done * 100 / std::max<qint64>(total, 1));
        if (percent != shown) {
            shown = percent;
            std::fprintf(stderr, "\r%s", qPrintable(m_texts.scanning.arg(QDir::toNativeSeparators(path)).arg(percent)));
        }
        return true;
    };
    const TableSearch search = findTables(path, showProgress ? FindProgress(progress) : FindProgress());
    if (shown >= 0)
        std::fputc('\n', stderr);
    if (search.failure)
        return fileFailed(m_texts.readFailed, *search.failure);
    if (search.candidates.empty())
        say(m_texts.nothingFound.arg(QDir::toNativeSeparators(path)));
    QString text;
    for (const TableCandidate &candidate : search.candidates)
        text += candidateLine(candidate) + QLatin1Char('\n');
    writeOut(text.toUtf8());
    return kDone;
}

int BatchRun::diff(const QString &path, const QString &other) const
{
    const auto a = loadArray(path, { TableKind::Angles });
    if (std::holds_alternative<int>(a))
        return kUsage;
    const auto b = loadArray(other, { TableKind::Angles });
    if (std::holds_alternative<int>(b))
        return kUsage;
    const CollisionArray &first = std::get<CollisionArray>(a);
    const CollisionArray &second = std::get<CollisionArray>(b);
    const std::vector<int> differing = compareArrays(first, second);
    QString text;
    for (const int box : differing)
        text += QStringLiteral("< ") + boxLine(first, box) + QStringLiteral("\n> ") + boxLine(second, box) + QLatin1Char('\n');
    writeOut(text.toUtf8());
    return differing.empty() ? kDone : 1;
}

int BatchRun::run()
{
    if (const auto problem = usageProblem())
        return usageError(*problem);
    const QStringList files = m_parser.positionalArguments();
    if (isSet("dump"))
        return dump(files.first());
    if (isSet("sheet"))
        return sheet(files.first());
    if (isSet("find"))
        return find(files.first());
    if (isSet("check"))
        return checkCommand(files.first(), setRequest());
    if (wantsChange(m_parser))
        return changeCommand(m_parser, files.first(), setRequest());
    return diff(files.at(0), files.at(1));
}

// Every option of the commands, the commands first.
QList<QCommandLineOption> batchOptions()
{
    const BatchTexts &t = batchTexts();
    return QList<QCommandLineOption> {
        { QStringLiteral("dump"), t.dumpHelp },
        { QStringLiteral("format"), t.formatHelp, QStringLiteral("hex|asm|c|json") },
        { QStringLiteral("sheet"), t.sheetHelp, QStringLiteral("OUT.png") },
        { QStringLiteral("look"), t.lookHelp, QStringLiteral("canvas|compact") },
        { QStringLiteral("find"), t.findHelp },
        { QStringLiteral("diff"), t.diffHelp },
        { QStringLiteral("check"), t.checkHelp },
        { QStringLiteral("index"), t.indexHelp, QStringLiteral("FILE") },
        { QStringLiteral("game"), t.gameHelp, QStringLiteral("N") },
        { QStringLiteral("secondary"), t.secondaryHelp },
        { QStringLiteral("array"), t.arrayHelp, QStringLiteral("OFFSET") },
        { QStringLiteral("angles"), t.anglesHelp, QStringLiteral("OFFSET") },
    } + changeOptions();
}

} // namespace

void addBatchOptions(QCommandLineParser &parser)
{
    parser.addOptions(batchOptions());
}

bool wantsBatchCommand(const QCommandLineParser &parser)
{
    // Their options too: they mean nothing to the window, so they are refused as a command's would be.
    const QList<QCommandLineOption> options = batchOptions();
    return std::any_of(options.begin(), options.end(),
        [&](const QCommandLineOption &option) { return parser.isSet(option.names().constFirst()); });
}

int runBatchCommand(const QCommandLineParser &parser)
{
    useSystemMessagesIn(batchTexts().language);
    // The commands read and write only PNG and BMP, which Qt holds built in. Qt still loads every image
    // plugin, and the libraries behind them, to ask whether one would rather handle the format, even
    // when the writer is given it: with no plugin folder it has none to load.
    QCoreApplication::setLibraryPaths({});
    BatchRun run(parser);
    return run.run();
}
