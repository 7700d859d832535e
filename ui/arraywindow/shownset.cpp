#include "shownset.h"

#include "arraywindowtexts.h"
#include "boxaddressing.h"
#include "collisionarray.h"
#include "disassemblyfolder.h"
#include "mainwindowseam.h"
#include "setcheck.h"

#include <QFileInfo>

namespace {

QString bytesText(std::span<const quint8, kBoxSize> bytes)
{
    return boxBytesText(QByteArray(reinterpret_cast<const char *>(bytes.data()), kBoxSize)).trimmed();
}

std::variant<CollisionSet, FileFailure> readSet(const MainWindowSeam &form, qint64 angleStart)
{
    if (const SetFiles *files = form.set())
        return readDisassemblySet(*files);
    TablePlaces places = tablePlaces(form.GameId(), form.arrayStart());
    places.angleStart = angleStart;
    const std::optional<ArrayPlace> second = cataloguePlace(form.GameId(), true);
    if ((second && second->arrayStart == form.arrayStart()) || isLoneTableSize(QFileInfo(form.path()).size()))
        places.widthStart = -1;
    return readImageSet(form.path(), places);
}

} // namespace

std::bitset<kBoxCount> ShownSet::failing() const
{
    std::bitset<kBoxCount> boxes;
    for (int box = 0; box < kBoxCount; ++box)
        boxes[size_t(box)] = fails[size_t(box)].any();
    return boxes;
}

QString ShownSet::boxBytes(const ArrayWindowTexts &t, int box, bool heights) const
{
    const QString widths = set.widths.present() ? t.widthBox.arg(bytesText(set.widthBox(box))) : t.noWidthArray;
    return heights ? bytesText(set.heightBox(box)) + widths : widths.mid(1);
}

QString ShownSet::checkWords(const ArrayWindowTexts &t, int box) const
{
    QStringList kinds;
    for (size_t kind = 0; kind < 3; ++kind) {
        if (fails[size_t(box)].test(kind))
            kinds.append(t.checkKinds.at(qsizetype(kind)));
    }
    return kinds.isEmpty() ? QString() : t.failsCheck.arg(kinds.join(QStringLiteral(", ")));
}

void ShownSet::take(const CollisionSet &edited)
{
    set = edited;
    array = set.array();
    fails.assign(kBoxCount, {});
    for (const Finding &finding : checkSet(set)) {
        if (finding.box < kBoxCount)
            fails[size_t(finding.box)].set(size_t(finding.kind));
    }
}

std::variant<ShownSet, FileFailure> readShownSet(const MainWindowSeam &form, qint64 angleStart)
{
    auto read = readSet(form, angleStart);
    if (auto *failure = std::get_if<FileFailure>(&read))
        return std::move(*failure);
    ShownSet shown;
    shown.take(std::get<CollisionSet>(read));
    return shown;
}

qint64 guessedAngleStart(const QString &path, qint64 arrayStart)
{
    return isLoneTableSize(QFileInfo(path).size()) ? -1 : defaultAngleStart(arrayStart);
}

qint64 unchosenAngleStart(const MainWindowSeam &form, qint64 arrayStart)
{
    for (const bool secondary : { false, true }) {
        const std::optional<ArrayPlace> place = cataloguePlace(form.GameId(), secondary);
        if (place && place->arrayStart == arrayStart)
            return place->angleStart;
    }
    return guessedAngleStart(form.path(), arrayStart);
}
