#pragma once

#include "collisionset.h"

#include <bitset>
#include <variant>

class MainWindowSeam;
struct ArrayWindowTexts;

/// The collision set behind the array the main window shows, and the kinds of the check (FindingKind)
/// that each of its first 256 boxes fails.
struct ShownSet
{
    CollisionSet set;
    CollisionArray array; ///< the set's first 256 boxes
    std::vector<std::bitset<3>> fails;

    [[nodiscard]] std::bitset<kBoxCount> failing() const;
    /// Box `box`'s heights (unless not `heights`), then its width box or that the set has none.
    [[nodiscard]] QString boxBytes(const ArrayWindowTexts &t, int box, bool heights) const;
    /// The kinds of check box `box` fails, or nothing.
    [[nodiscard]] QString checkWords(const ArrayWindowTexts &t, int box) const;

    /// Takes `edited`, the same tables with other bytes, and checks it again.
    void take(const CollisionSet &edited);
};

/// Reads it: a disassembly's set while its heights file is on display at array start 0; otherwise the
/// tables around the array in the image as its row lays them out, with the angle map at `angleStart`
/// (none when negative). A row's second array has no width array of its own (it is the first's), and
/// a lone table file has none either.
[[nodiscard]] std::variant<ShownSet, FileFailure> readShownSet(const MainWindowSeam &form, qint64 angleStart);

/// Where the angle map of an array at 0-based `arrayStart` of `path` is looked for when nothing says:
/// right in front, but nowhere in a lone table file, which holds no angle map.
[[nodiscard]] qint64 guessedAngleStart(const QString &path, qint64 arrayStart);

/// Where the angle map of the array at 0-based `arrayStart` of the file on display lies when the user
/// chose none: the catalogue's place for its row, else the guess.
[[nodiscard]] qint64 unchosenAngleStart(const MainWindowSeam &form, qint64 arrayStart);
