#include "failuretext.h"

#include <QDir>

QString failureText(const QString &lead, const QString &path, const QString &reason)
{
    return lead + QLatin1Char('\n') + QDir::toNativeSeparators(path) + QStringLiteral("\n\n") + reason;
}

QString failureLine(const QString &lead, const FileFailure &failure)
{
    return lead + QLatin1Char(' ') + QDir::toNativeSeparators(failure.path) + QStringLiteral(": ")
        + failure.reason;
}
