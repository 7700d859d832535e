#include "setcommands.h"

#include "batchtexts.h"
#include "disassemblyfolder.h"
#include "gamecatalogue.h"
#include "regularfile.h"
#include "setcheck.h"
#include "texthelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <vector>

namespace {

QString named(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What a set lacks or reads past the end of its file, of the tables a command uses.
void sayGaps(const CollisionSet &set, const QList<TableKind> &used)
{
    const BatchTexts &t = batchTexts();
    for (const TableKind kind : used) {
        const SetTable &table = set.table(kind);
        const QString &name = t.tableNames[size_t(kind)];
        if (!table.present())
            say(t.missingTable.arg(named(set.heights.source->path), name));
        else if (table.source->pastEnd)
            say(t.pastEnd.arg(named(table.source->path), name, hexText(quint64(table.source->offset))));
    }
}

std::variant<CollisionSet, int> loadImageSet(const QString &path, const SetRequest &request)
{
    const BatchTexts &t = batchTexts();
    if (const auto refusal = refuseIrregularFile(path))
        return fileFailed(t.readFailed, *refusal);
    TablePlaces places = tablePlaces(request.game, request.array.value_or(0));
    if (!request.array) {
        int game = request.game;
        if (game == 0) {
            const Identification identified = identifyPath(path);
            if (identified.failure)
                return fileFailed(t.readFailed, *identified.failure);
            game = identified.gameId;
        }
        if (game == 0)
            return refused(t.unrecognized.arg(named(path)));
        if (request.secondary && !catalogueRow(game)->hasSecondary)
            return refused(t.noSecondary.arg(game));
        places = *catalogueTablePlaces(game);
        if (!request.angles && !tablePlacesChecked(game))
            say(t.uncheckedAngles.arg(game).arg(hexText(quint64(places.angleStart))));
    }
    if (request.secondary) {
        // The second array is the first's width array, and takes the first's angle map.
        places.heightStart = places.widthStart;
        places.widthStart = -1;
    }
    if (request.angles)
        places.angleStart = *request.angles;
    else if (isLoneTableSize(QFileInfo(path).size()))
        places.angleStart = -1;
    auto read = readImageSet(path, places);
    if (const auto *failure = std::get_if<FileFailure>(&read))
        return fileFailed(t.readFailed, *failure);
    // An angle map asked for where the file has none is refused, as an array would be.
    if (request.angles && !std::get<CollisionSet>(read).angles.present())
        return fileFailed(
            t.readFailed, refuseOffset(path, *request.angles).value_or(FileFailure { path, {} }));
    return std::variant<CollisionSet, int>(std::in_place_index<0>, std::move(std::get<CollisionSet>(read)));
}

std::variant<std::vector<CollisionSet>, int> loadSets(const QString &path, const SetRequest &request)
{
    const DisassemblySets found = request.placed() ? DisassemblySets() : disassemblySets(path);
    if (found.failure)
        return fileFailed(batchTexts().readFailed, *found.failure);
    std::vector<CollisionSet> sets;
    for (const SetFiles &files : found.sets) {
        auto read = readDisassemblySet(files);
        if (const auto *failure = std::get_if<FileFailure>(&read))
            return fileFailed(batchTexts().readFailed, *failure);
        sets.push_back(std::move(std::get<CollisionSet>(read)));
    }
    if (sets.empty()) {
        auto image = loadImageSet(path, request);
        if (const int *status = std::get_if<int>(&image))
            return *status;
        sets.push_back(std::move(std::get<CollisionSet>(image)));
    }
    return sets;
}

} // namespace

std::variant<CollisionSet, int> loadSet(
    const QString &path, const SetRequest &request, const QList<TableKind> &used)
{
    auto loaded = loadSets(path, request);
    if (const int *status = std::get_if<int>(&loaded))
        return *status;
    auto &sets = std::get<std::vector<CollisionSet>>(loaded);
    if (sets.size() > 1) {
        QStringList files;
        for (const CollisionSet &set : sets)
            files.append(named(set.heights.source->path));
        return refused(
            batchTexts().ambiguous.arg(named(path)).arg(sets.size()).arg(files.join(QStringLiteral(", "))));
    }
    sayGaps(sets.front(), used);
    return std::variant<CollisionSet, int>(std::in_place_index<0>, std::move(sets.front()));
}

int checkCommand(const QString &path, const SetRequest &request)
{
    const auto loaded = loadSets(path, request);
    if (std::holds_alternative<int>(loaded))
        return 2;
    const auto &sets = std::get<std::vector<CollisionSet>>(loaded);
    const BatchTexts &t = batchTexts();
    QString text;
    bool found = false;
    for (const CollisionSet &set : sets) {
        sayGaps(set, { TableKind::Angles, TableKind::Heights, TableKind::Widths });
        const QString heights = set.heights.source->path;
        const QString lead
            = sets.size() > 1 ? QFileInfo(heights).fileName() + QStringLiteral(": ") : QString();
        const std::vector<Finding> findings = checkSet(set);
        for (const Finding &finding : findings)
            text += lead + findingLine(finding) + QLatin1Char('\n');
        say(findings.empty() ? t.checkClean.arg(named(heights)).arg(set.boxCount)
                             : t.checkFound.arg(named(heights)).arg(set.boxCount).arg(findings.size()));
        found = found || !findings.empty();
    }
    writeOut(text.toUtf8());
    return found ? 1 : 0;
}
