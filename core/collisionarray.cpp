#include "collisionarray.h"

#include "gamecatalogue.h"
#include "regularfile.h"
#include "tableplaces.h"

#include <algorithm>
#include <cstring>

std::optional<ArrayPlace> cataloguePlace(int gameId, bool secondary)
{
    const GameRow *row = catalogueRow(gameId);
    if (!row || (secondary && !row->hasSecondary))
        return std::nullopt;
    // Both arrays take the primary's angle map.
    const TablePlaces places = tablePlaces(gameId, qint64(row->arrayStart) - 1);
    return ArrayPlace { secondary ? places.heightStart + kArraySize : places.heightStart, places.angleStart };
}

std::variant<CollisionArray, FileFailure> readCollisionArray(
    const QString &path, qint64 arrayStart, qint64 angleStart)
{
    CollisionArray array;
    array.arrayStart = arrayStart;
    array.angleStart = angleStart;
    RegularFile file(path);
    if (!file.isOpen())
        return *file.failure();
    for (const qint64 start : { arrayStart, angleStart }) {
        if (const std::optional<FileFailure> past = start >= 0 ? file.pastTheEnd(start) : std::nullopt)
            return *past;
    }
    auto *bytes = reinterpret_cast<char *>(array.bytes.data());
    auto *angles = reinterpret_cast<char *>(array.angles.data());
    if (file.readAt(arrayStart, bytes, kArraySize) < 0
        || (angleStart >= 0 && file.readAt(angleStart, angles, kAngleMapSize) < 0))
        return file.failure().value_or(FileFailure { path, QString() });
    return array;
}

Angle angleDegrees(quint8 angle)
{
    if (angle & 1)
        return { 0, true };
    if (angle == 0)
        return { 0, false };
    return { (256 - angle) * 360.0 / 256.0, false };
}

double plausibility(const CollisionArray &array)
{
    const auto [low, high] = std::minmax_element(array.bytes.begin(), array.bytes.end());
    if (*low == *high)
        return 0;
    const auto fits = std::count_if(
        array.bytes.begin(), array.bytes.end(), [](quint8 b) { return b <= 0x10 || b >= 0xF0; });
    const double share = double(fits) / kArraySize;
    const bool boxZeroEmpty = std::all_of(
        array.bytes.begin(), array.bytes.begin() + kBoxSize, [](quint8 b) { return b == 0; });
    return boxZeroEmpty ? share : share * 0.75;
}

std::vector<int> compareArrays(const CollisionArray &a, const CollisionArray &b)
{
    std::vector<int> differing;
    for (int box = 0; box < kBoxCount; ++box) {
        const size_t at = size_t(box) * kBoxSize;
        if (std::memcmp(a.bytes.data() + at, b.bytes.data() + at, kBoxSize) != 0
            || a.angles[size_t(box)] != b.angles[size_t(box)])
            differing.push_back(box);
    }
    return differing;
}
