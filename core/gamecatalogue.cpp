#include "gamecatalogue.h"

namespace {

constexpr QLatin1StringView kLevelFileName("R11A__.MMD");

} // namespace

const GameRow *catalogueRow(int gameId)
{
    if (gameId < 1 || gameId > int(GameCatalogue.size()))
        return nullptr;
    return &GameCatalogue[size_t(gameId - 1)];
}

QByteArray HeaderKey(PositionalFile &file)
{
    QByteArray key(kHeaderKeySize, '\0');
    if (!file.readAt(kSerialOffset + 1, key.data(), kSerialSize))
        return {};
    if (!file.readAt(kRegionOffset + 1, key.data() + kSerialSize, 1))
        return {};
    return key;
}

qint16 matchHeaderKey(const QByteArray &key)
{
    for (const GameRow &row : GameCatalogue) {
        if (row.headerKey && key == QByteArrayView(row.headerKey))
            return row.gameId;
    }
    return 0;
}

bool matchesLevelFileName(const QString &path)
{
    return path.right(kLevelFileName.size()).toUpper() == kLevelFileName;
}

Identification IdentifyRom(const QString &path)
{
    PositionalFile file(path);
    const QByteArray key = HeaderKey(file);
    if (file.failure())
        return { 0, file.failure() };
    return { matchHeaderKey(key), std::nullopt };
}

Identification identifyPath(const QString &path)
{
    if (matchesLevelFileName(path))
        return { kLevelFileGameId, std::nullopt };
    return IdentifyRom(path);
}
