#pragma once

// Synthetic files for the tests: a header key where the games keep theirs, boxes where a game's array is.

#include "gamecatalogue.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace romfactory {

/// `size` zero bytes carrying `key` (15 bytes: serial at 0x180, last byte at 0x16F) as far as they fit.
inline QByteArray rom(const QByteArray &key, qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < 14 && 0x180 + i < size; ++i)
        bytes[0x180 + i] = key.at(i);
    if (0x16F < size)
        bytes[0x16F] = key.at(14);
    return bytes;
}

/// Writes `box` (16 bytes) at 0-based `offset`, growing `bytes` when needed.
inline void putBox(QByteArray &bytes, qsizetype offset, const QByteArray &box)
{
    if (bytes.size() < offset + box.size())
        bytes.resize(offset + box.size(), '\0');
    bytes.replace(offset, box.size(), box);
}

/// Sixteen copies of `value`.
inline QByteArray filledBox(char value)
{
    return QByteArray(16, value);
}

/// The bytes 0x00, 0x01 .. 0x0F plus `base`.
inline QByteArray rampBox(int base = 0)
{
    QByteArray box(16, '\0');
    for (int i = 0; i < 16; ++i)
        box[i] = char(base + i);
    return box;
}

/// A file of cartridge row `gameId` (1..6) whose primary array starts with `boxes` and ends there.
inline QByteArray gameRom(int gameId, const QList<QByteArray> &boxes)
{
    const GameRow &row = *catalogueRow(gameId);
    QByteArray bytes = rom(row.headerKey, row.arrayStart - 1);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        putBox(bytes, row.arrayStart - 1 + 16 * i, boxes.at(i));
    return bytes;
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace romfactory
