#include "arrayformats.h"

#include "texthelpers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

QString twoDigits(quint8 byte)
{
    return ZeroPad(hexText(byte), 2);
}

// Exact: a step is 1.40625 degrees, so five decimals hold every angle and no more digits than the value
// has are shown. Rounder text would make the same byte read differently here and in an exported dump.
QString degreesText(double degrees)
{
    QString text = QString::number(degrees, 'f', 5);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString joinedBytes(const CollisionArray &array, int box, const QString &prefix, const QString &separator)
{
    QStringList parts;
    for (int column = 0; column < kBoxSize; ++column)
        parts.append(prefix + twoDigits(array.byte(box, column)));
    return parts.join(separator);
}

QString asmLines(const CollisionArray &array, int box)
{
    return QStringLiteral("; box %1\n\tdc.b %2\n")
        .arg(indexText(box), joinedBytes(array, box, QStringLiteral("$"), QStringLiteral(",")));
}

QString cLine(const CollisionArray &array, int box)
{
    return QStringLiteral("    /* %1 */ {%2}%3\n")
        .arg(indexText(box), joinedBytes(array, box, QStringLiteral("0x"), QStringLiteral(", ")),
            box + 1 < kBoxCount ? QStringLiteral(",") : QString());
}

// The zones that use `box` and their counts, as a JSON object.
QString usedJson(std::span<const ZoneIndex> zones, int box)
{
    QJsonObject counts;
    for (const ZoneIndex &zone : zones) {
        if (zone.uses[size_t(box)] > 0)
            counts.insert(zone.stem, zone.uses[size_t(box)]);
    }
    return QString::fromUtf8(QJsonDocument(counts).toJson(QJsonDocument::Compact));
}

QString jsonLine(const CollisionArray &array, int box, std::span<const ZoneIndex> zones)
{
    QStringList bytes;
    for (int column = 0; column < kBoxSize; ++column)
        bytes.append(QString::number(array.byte(box, column)));
    const quint8 angle = array.angles[size_t(box)];
    const Angle direction = angleDegrees(angle);
    const bool absent = array.angleStart < 0;
    return QStringLiteral(
        "  {\"index\": %1, \"offset\": %2, \"bytes\": [%3], \"angle\": %4, \"degrees\": %5%6}%7\n")
        .arg(QString::number(box), QString::number(array.boxOffset(box)), bytes.join(QStringLiteral(", ")),
            absent ? QStringLiteral("null") : QString::number(angle),
            absent || direction.flagged ? QStringLiteral("null") : degreesText(direction.degrees),
            zones.empty() ? QString() : QStringLiteral(", \"used\": ") + usedJson(zones, box),
            box + 1 < kBoxCount ? QStringLiteral(",") : QString());
}

} // namespace

std::optional<ArrayFormat> arrayFormatFromName(const QString &name)
{
    if (name == QLatin1String("hex"))
        return ArrayFormat::Hex;
    if (name == QLatin1String("asm"))
        return ArrayFormat::Asm;
    if (name == QLatin1String("c"))
        return ArrayFormat::C;
    if (name == QLatin1String("json"))
        return ArrayFormat::Json;
    return std::nullopt;
}

QString boxText(const CollisionArray &array, int box)
{
    QString text;
    for (int column = 0; column < kBoxSize; ++column)
        text += byteText(array.byte(box, column));
    return text;
}

QString boxLine(const CollisionArray &array, int box)
{
    // Without an angle map there is no angle; 0° would be one.
    return indexText(box) + QLatin1Char(' ') + hexText(quint64(array.boxOffset(box))) + QLatin1Char(' ')
        + boxText(array, box)
        + (array.angleStart < 0 ? QStringLiteral("-- (absent)") : angleText(array.angles[size_t(box)]));
}

QString angleText(quint8 angle, const QString &flagged)
{
    const Angle direction = angleDegrees(angle);
    return QStringLiteral("%1 (%2)").arg(
        twoDigits(angle), direction.flagged ? flagged : degreesText(direction.degrees) + QChar(0xB0));
}

QString arrayText(const CollisionArray &array, ArrayFormat format, std::span<const ZoneIndex> zones)
{
    QString text;
    text.reserve(format == ArrayFormat::Json ? 40000 : 20000);
    if (format == ArrayFormat::C)
        text += QStringLiteral("static const unsigned char collision_array[256][16] = {\n");
    if (format == ArrayFormat::Json)
        text += QStringLiteral("[\n");
    for (int box = 0; box < kBoxCount; ++box) {
        switch (format) {
        case ArrayFormat::Hex:
            text += boxLine(array, box)
                + (zones.empty() ? QString() : QLatin1Char(' ') + zoneUsesText(zones, box))
                + QLatin1Char('\n');
            break;
        case ArrayFormat::Asm:
            text += asmLines(array, box);
            break;
        case ArrayFormat::C:
            text += cLine(array, box);
            break;
        case ArrayFormat::Json:
            text += jsonLine(array, box, zones);
            break;
        }
    }
    if (format == ArrayFormat::C)
        text += QStringLiteral("};\n");
    if (format == ArrayFormat::Json)
        text += QStringLiteral("]\n");
    return text;
}
