#pragma once

// A synthetic row-1 image with all three tables, for the tests that edit and save a set.

#include "collisionset.h"
#include "headerchecksum.h"
#include "romfactory.h"

#include <QTest>

namespace setimage {

/// Every byte a pattern, so a byte written in the wrong place shows; the header's end address covers
/// the whole file, and its checksum is right, as a real image's is.
inline QByteArray bytes()
{
    const TablePlaces places = *catalogueTablePlaces(1);
    QByteArray image = romfactory::gameRom(1, {});
    image.resize(places.widthStart + places.tableSize() + 0x40);
    for (qsizetype i = 0x200; i < image.size(); ++i)
        image[i] = char((i * 7 + i / 251) & 0x0F);
    const quint32 end = quint32(image.size() - 1);
    for (int i = 0; i < 4; ++i)
        image[kRomEndOffset + i] = char(end >> (24 - 8 * i));
    const quint16 sum = headerChecksum(image);
    image[kChecksumOffset] = char(sum >> 8);
    image[kChecksumOffset + 1] = char(sum);
    return image;
}

/// Writes the image to `path` and reads its set as the array window does.
inline CollisionSet written(const QString &path)
{
    if (!romfactory::write(path, bytes()))
        qFatal("cannot write %s", qPrintable(path));
    return std::get<CollisionSet>(readImageSet(path, *catalogueTablePlaces(1)));
}

} // namespace setimage
