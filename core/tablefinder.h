#pragma once

#include "positionalfile.h"

#include <QString>

#include <functional>
#include <vector>

/// A place in a file that may hold a collision array, and why it is thought to. Offsets are 0-based.
struct TableCandidate
{
    qint64 arrayStart = 0;
    /// Where its angle map is taken from: the loaded table 0x100 (or 0x200) in front, else 0x100 in
    /// front; -1 when there is none (a file that is only the array, or a table too near its start).
    qint64 angleStart = -1;
    int loads = 0; ///< `lea (arrayStart).l,a2` instructions found
    bool angleMapLoaded = false; ///< the angle map in front of it is loaded too
    bool rotatedLoaded = false; ///< and so is the table 4096 bytes behind it
    bool wholeFile = false; ///< the file is exactly one or two arrays long
    double score = 0; ///< plausibility() of its bytes, 0..1
    double rank = 0; ///< the score weighed by the evidence; candidates come best first by it
};

struct TableSearch
{
    std::vector<TableCandidate> candidates; ///< best first
    std::optional<FileFailure> failure;
    bool cancelled = false;
};

/// At most this many candidates are weighed and returned, however many tables a file loads.
inline constexpr int kMaxTableCandidates = 64;

/// Called after each block with the bytes scanned so far and the file's size; returning false cancels.
/// It runs on the caller's thread.
using FindProgress = std::function<bool(qint64 done, qint64 total)>;

/// Scans a cartridge image for the load instructions of its tables (0x45 0xF9 at an even offset, then a
/// 32-bit big-endian address that lies inside the file) and returns the loaded places that may be
/// collision arrays, best first. The file is read once, in large sequential blocks, in bounded memory;
/// then 4096 bytes are read at each candidate to score it. A file of exactly 4096 or 8192 bytes gives
/// the candidate 0 first. Anything but a regular file is refused.
[[nodiscard]] TableSearch findTables(const QString &path, const FindProgress &progress = {});
