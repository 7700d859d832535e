#include "zoneindex.h"

#include "regularfile.h"

#include <QFileInfo>

#include <algorithm>
#include <vector>

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
