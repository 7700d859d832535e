#include "headerchecksum.h"

#include "regularfile.h"

#include <QtEndian>

#include <algorithm>

namespace {

// Even, so that every piece but the last holds whole words.
constexpr qint64 kPieceSize = 1 << 20;

} // namespace

qint64 checksumLastByte(quint32 romEnd, qint64 fileSize)
{
    // A word whose first byte is the end address is summed whole.
    return std::min(qint64(romEnd) | 1, fileSize - 1);
}

quint16 addWords(quint16 sum, QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype pairs = bytes.size() / 2;
    quint32 total = sum;
    for (qsizetype i = 0; i < pairs; ++i)
        total += qFromBigEndian<quint16>(data + 2 * i);
    if (bytes.size() % 2 != 0)
        total += quint32(data[bytes.size() - 1]) << 8;
    return quint16(total);
}

quint16 headerChecksum(QByteArrayView image)
{
    if (image.size() < kRomEndOffset + 4)
        return 0;
    const qint64 last = checksumLastByte(qFromBigEndian<quint32>(image.data() + kRomEndOffset), image.size());
    if (last < kChecksumStart)
        return 0;
    return addWords(0, image.sliced(kChecksumStart, last - kChecksumStart + 1));
}

std::variant<quint16, FileFailure> fileHeaderChecksum(const QString &path)
{
    RegularFile file(path);
    if (file.failure())
        return *file.failure();
    char end[4];
    if (file.readAt(kRomEndOffset, end, 4) < 0)
        return *file.failure();
    const qint64 last = checksumLastByte(qFromBigEndian<quint32>(end), file.size());
    QByteArray piece(kPieceSize, Qt::Uninitialized);
    quint16 sum = 0;
    for (qint64 at = kChecksumStart; at <= last; at += kPieceSize) {
        const qint64 count = std::min(kPieceSize, last - at + 1);
        if (file.readAt(at, piece.data(), count) < 0)
            return *file.failure();
        sum = addWords(sum, QByteArrayView(piece.constData(), count));
    }
    return sum;
}

bool checksumCheckedAtPowerOn(int gameId)
{
    return gameId == 1 || gameId == 2 || gameId == 4;
}
