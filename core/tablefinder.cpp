#include "tablefinder.h"

#include "boxaddressing.h"
#include "collisionarray.h"
#include "collisionset.h"
#include "regularfile.h"
#include "tableplaces.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr qint64 kBlockSize = 1 << 20;
constexpr int kInstructionSize = 6;
constexpr quint8 kLeaHigh = 0x45;
constexpr quint8 kLeaLow = 0xF9;

using LoadCounts = std::unordered_map<qint64, int>;

// The one pass over the file. Each block is read an instruction's length past its end, so that an
// instruction across the edge is seen once, by the block it starts in.
bool countLoads(RegularFile &file, const FindProgress &progress, LoadCounts &loads, bool &cancelled)
{
    const qint64 size = file.size();
    QByteArray block(std::min(kBlockSize, size) + kInstructionSize, '\0');
    for (qint64 start = 0; start < size; start += kBlockSize) {
        const qint64 got = file.readAt(start, block.data(), block.size());
        if (got < 0)
            return false;
        const auto *bytes = reinterpret_cast<const quint8 *>(block.constData());
        const qint64 last = std::min<qint64>(block.size() - kInstructionSize, got - kInstructionSize + 1);
        for (qint64 i = 0; i < last; i += 2) {
            if (bytes[i] != kLeaHigh || bytes[i + 1] != kLeaLow)
                continue;
            const qint64 address = (qint64(bytes[i + 2]) << 24) | (qint64(bytes[i + 3]) << 16)
                | (qint64(bytes[i + 4]) << 8) | qint64(bytes[i + 5]);
            if (address < size)
                ++loads[address];
        }
        if (progress && !progress(std::min(start + kBlockSize, size), size)) {
            cancelled = true;
            return true;
        }
    }
    return true;
}

bool loaded(const LoadCounts &loads, qint64 address)
{
    return loads.find(address) != loads.end();
}

TableCandidate withEvidence(const LoadCounts &loads, qint64 address, int count)
{
    TableCandidate candidate;
    candidate.arrayStart = address;
    candidate.loads = count;
    // The loads name no row: the common layout first, then row 5's wide one.
    const TablePlaces common = tablePlaces(0, address);
    const TablePlaces wide = tablePlaces(kWideTablesRow, address);
    candidate.rotatedLoaded = loaded(loads, common.widthStart);
    if (loaded(loads, common.angleStart)) {
        candidate.angleMapLoaded = true;
        candidate.angleStart = common.angleStart;
    } else if (loaded(loads, wide.angleStart)) {
        candidate.angleMapLoaded = true;
        candidate.angleStart = wide.angleStart;
    } else {
        candidate.angleStart = defaultAngleStart(address);
    }
    return candidate;
}

double evidenceWeight(const TableCandidate &c)
{
    return 1.0 + (c.angleMapLoaded ? 1.0 : 0.0) + (c.rotatedLoaded ? 0.5 : 0.0) + (c.wholeFile ? 2.0 : 0.0);
}

// Evidence alone, before any bytes are read: used to keep the weighing bounded.
bool strongerEvidence(const TableCandidate &a, const TableCandidate &b)
{
    const double wa = evidenceWeight(a);
    const double wb = evidenceWeight(b);
    if (wa != wb)
        return wa > wb;
    if (a.loads != b.loads)
        return a.loads > b.loads;
    return a.arrayStart < b.arrayStart;
}

bool better(const TableCandidate &a, const TableCandidate &b)
{
    if (a.rank != b.rank)
        return a.rank > b.rank;
    return strongerEvidence(a, b);
}

} // namespace

TableSearch findTables(const QString &path, const FindProgress &progress)
{
    TableSearch search;
    RegularFile file(path);
    LoadCounts loads;
    if (!file.isOpen() || !countLoads(file, progress, loads, search.cancelled)) {
        search.failure = file.failure();
        return search;
    }
    if (search.cancelled)
        return search;

    std::vector<TableCandidate> candidates;
    candidates.reserve(loads.size() + 1);
    if (isLoneTableSize(file.size())) {
        TableCandidate whole;
        whole.wholeFile = true;
        candidates.push_back(whole);
    }
    for (const auto &[address, count] : loads) {
        if (candidates.empty() || !(candidates.front().wholeFile && address == 0))
            candidates.push_back(withEvidence(loads, address, count));
    }
    std::sort(candidates.begin(), candidates.end(), strongerEvidence);
    if (candidates.size() > size_t(kMaxTableCandidates))
        candidates.resize(kMaxTableCandidates);

    for (TableCandidate &candidate : candidates) {
        CollisionArray array;
        if (file.readAt(candidate.arrayStart, reinterpret_cast<char *>(array.bytes.data()), kArraySize) < 0) {
            search.failure = file.failure();
            return search;
        }
        candidate.score = plausibility(array);
        candidate.rank = candidate.score * evidenceWeight(candidate);
    }
    std::sort(candidates.begin(), candidates.end(), better);
    search.candidates = std::move(candidates);
    return search;
}
