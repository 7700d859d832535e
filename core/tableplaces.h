#pragma once

#include <QtGlobal>

/// Where the three tables of a collision set lie in an image, as 0-based offsets, from the start of its
/// height array: the angle map right in front of it, the width array right behind it. Every row keeps
/// 256 boxes but row 5, whose tables are twice as long (512 boxes, the last 256 all zero). Rows 1, 2, 4,
/// 5 and 7 were checked against the games' own images; rows 3 and 6 are assumed to follow row 4.
struct TablePlaces
{
    int boxCount = 256;
    qint64 angleStart = 0; ///< negative when the file has no room in front of the heights
    qint64 heightStart = 0;
    qint64 widthStart = 0;

    [[nodiscard]] qint64 tableSize() const { return qint64(boxCount) * 16; }
    [[nodiscard]] bool hasAngleRoom() const { return angleStart >= 0; }
};

/// The row whose tables hold 512 boxes.
inline constexpr int kWideTablesRow = 5;

/// The places for catalogue row `gameId` (0 or an unknown row: the 256-box layout) and heights at
/// `heightStart`.
[[nodiscard]] TablePlaces tablePlaces(int gameId, qint64 heightStart);

/// Whether catalogue row `gameId`'s companion tables sit where the games of rows 1, 2, 4, 5 and 7 were
/// seen to keep them, rather than where they are only assumed to be.
[[nodiscard]] bool tablePlacesChecked(int gameId);

/// Where the angle map of an array at 0-based `arrayStart` is looked for when no row names the layout:
/// right in front, as for every row but 5; -1 when the file has no room there.
[[nodiscard]] qint64 defaultAngleStart(qint64 arrayStart);
