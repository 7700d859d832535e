#include "boxaddressing.h"

#include "gamecatalogue.h"
#include "texthelpers.h"

qint32 BoxLocation(qint32 arrayStart, int index)
{
    return arrayStart + qint32(kBoxSize * index);
}

QString indexText(int index)
{
    return hexByte(quint8(index));
}

QString offsetText(qint32 position)
{
    return hexText(std::uint32_t(position - 1));
}

QString byteText(quint8 byte)
{
    return hexByte(byte) + QLatin1Char(' ');
}

QString boxBytesText(const QByteArray &bytes)
{
    QString text;
    text.reserve(3 * bytes.size());
    for (const char byte : bytes) {
        text += hexByte(quint8(byte));
        text += QLatin1Char(' ');
    }
    return text;
}

qint32 primaryArrayStart(qint16 gameId, qint32 arrayStart)
{
    const GameRow *row = catalogueRow(gameId);
    if (row && row->hasSecondary)
        return row->arrayStart;
    return arrayStart;
}

qint32 secondaryArrayStart(qint32 arrayStart)
{
    return arrayStart + kArraySize;
}

std::optional<FileFailure> readCollisionBox(
    const QString &path, qint32 boxLocation, const std::function<void(int column, quint8 byte)> &onByte)
{
    PositionalFile file(path);
    for (int column = 0; column < kBoxSize; ++column) {
        const std::optional<quint8> byte = file.readByte(qint64(boxLocation) + column);
        if (!byte)
            return file.failure();
        onByte(column, *byte);
    }
    return std::nullopt;
}
