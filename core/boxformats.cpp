#include "boxformats.h"

#include <QStringList>

QString boxFormatText(const CollisionArray &array, int box, ArrayFormat format)
{
    // Cut from the whole text, so a box copied alone reads exactly as it does among the others.
    const QStringList lines = arrayText(array, format).split(QLatin1Char('\n'));
    switch (format) {
    case ArrayFormat::Hex:
        return lines.at(box) + QLatin1Char('\n');
    case ArrayFormat::Asm:
        return lines.at(qsizetype(2) * box) + QLatin1Char('\n') + lines.at(qsizetype(2) * box + 1) + QLatin1Char('\n');
    case ArrayFormat::C:
    case ArrayFormat::Json: {
        QString line = lines.at(box + 1); // behind the opening line
        if (line.endsWith(QLatin1Char(',')))
            line.chop(1);
        return line + QLatin1Char('\n');
    }
    }
    return QString();
}

QString boxAsmText(int index, const std::array<quint8, kBoxSize> &bytes)
{
    CollisionArray array;
    std::copy(bytes.begin(), bytes.end(), array.bytes.begin() + qsizetype(index) * kBoxSize);
    return boxFormatText(array, index, ArrayFormat::Asm);
}
