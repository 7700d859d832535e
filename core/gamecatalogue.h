#pragma once

#include "positionalfile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

/// One game the viewer knows. `arrayStart` is a 1-based file position (offset + 1).
struct GameRow
{
    qint16 gameId;
    const char *label; ///< as the game label shows it; "&&" stands for one "&"
    const char *headerKey; ///< 15 bytes as compared, or nullptr for the level file known by name
    qint32 arrayStart;
    bool hasSecondary;
};

/// The seven games, in GameId order (GameCatalogue[i].gameId == i + 1).
inline constexpr std::array<GameRow, 7> GameCatalogue { {
    { 1, "Zorbo 1", "GM 00001009-00G", 403969, true },
    { 2, "Zorbo 1J", "GM 00004049-01G", 403969, true },
    { 3, "Zorbo 2 Beta", "GM 00004049-012", 185067, false },
    { 4, "Zorbo 2", "GM 00001051-012", 274001, false },
    { 5, "Zorbo 3", "GM MK-1079 -003", 460449, false },
    { 6, "Zorbo && Tarwick", "GM MK-1563 -00 ", 614657, false },
    { 7, "CD Zorbo (Lagoon Rush 1 - Present)", nullptr, 231437, true },
} };

inline constexpr qint16 kLevelFileGameId = 7;
inline constexpr qsizetype kHeaderKeySize = 15;

// Where a cartridge keeps its key, as 0-based file offsets: the serial, then one byte before it.
inline constexpr qint64 kSerialOffset = 0x180;
inline constexpr qsizetype kSerialSize = 14;
inline constexpr qint64 kRegionOffset = 0x16F;

/// The row of `gameId` (1..7), or nullptr for any other id.
[[nodiscard]] const GameRow *catalogueRow(int gameId);

/// The 15-byte key of a cartridge: the serial at offsets 0x180..0x18D, then the byte at 0x16F.
/// Bytes the file does not have read as 0x00, which no key contains.
[[nodiscard]] QByteArray HeaderKey(PositionalFile &file);

/// The cartridge row (1..6) whose key equals `key` exactly, or 0.
[[nodiscard]] qint16 matchHeaderKey(const QByteArray &key);

/// True when the last ten characters of `path`, in upper case, are the CD level file's name.
[[nodiscard]] bool matchesLevelFileName(const QString &path);

/// The outcome of identifying a path: a GameId 0..7, or why the file could not be read.
struct Identification
{
    qint16 gameId = 0;
    std::optional<FileFailure> failure;
};

/// Opens `path`, reads its header key, closes it and returns the matching cartridge row (1..6) or 0.
[[nodiscard]] Identification IdentifyRom(const QString &path);

/// The file-name rule first (row 7, the file is not opened), then IdentifyRom().
[[nodiscard]] Identification identifyPath(const QString &path);
