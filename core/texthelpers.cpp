#include "texthelpers.h"

#include "version.h"

QString hexText(std::uint32_t value)
{
    return QString::number(value, 16).toUpper();
}

QString ZeroPad(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), QLatin1Char('0')) + text;
}

QString formatVersion(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.%3")
        .arg(major)
        .arg(ZeroPad(QString::number(minor), 2))
        .arg(ZeroPad(QString::number(revision), 4));
}

QString VersionString()
{
    return formatVersion(kVersionMajor, kVersionMinor, kVersionRevision);
}
