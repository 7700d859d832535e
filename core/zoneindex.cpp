#include "zoneindex.h"

#include "regularfile.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <vector>

QString zoneUsesText(std::span<const ZoneIndex> zones, int box)
{
    QStringList used;
    for (const ZoneIndex &zone : zones) {
        if (zone.uses[size_t(box)] > 0)
            used.append(zone.stem + QLatin1Char(':') + QString::number(zone.uses[size_t(box)]));
    }
    return used.isEmpty() ? QStringLiteral("unused") : used.join(QLatin1Char(' '));
}

std::variant<ZoneIndex, FileFailure> readZoneIndex(const QString &path)
{
    ZoneIndex index;
    index.stem = QFileInfo(path).fileName();
    if (index.stem.endsWith(QLatin1String(".bin"), Qt::CaseInsensitive))
        index.stem.chop(4);
    RegularFile file(path);
    // Index files are a few hundred bytes; a block bounds what a wrong file of gigabytes costs.
    constexpr qint64 kBlock = qint64(64) * 1024;
    std::vector<char> block(static_cast<size_t>(kBlock));
    for (qint64 at = 0; file.isOpen() && at < file.size(); at += kBlock) {
        const qint64 got = file.readAt(at, block.data(), kBlock);
        if (got < 0)
            break;
        std::for_each(block.begin(), block.begin() + got, [&](char b) { ++index.uses[quint8(b)]; });
    }
    if (file.failure())
        return *file.failure();
    return index;
}
