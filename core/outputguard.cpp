#include "outputguard.h"

#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    // A file that does not exist yet has no inode, but may still be named by the same path.
    if (QDir::cleanPath(QFileInfo(a).absoluteFilePath()) == QDir::cleanPath(QFileInfo(b).absoluteFilePath()))
        return true;
    struct stat sa
    {
    };
    struct stat sb
    {
    };
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::optional<QString> replacedInput(const QString &output, const QStringList &inputs)
{
    for (const QString &input : inputs) {
        if (sameFile(output, input))
            return input;
    }
    return std::nullopt;
}

std::optional<FileFailure> refuseSpecialOutput(const QString &output)
{
    const QFileInfo existing(output);
    if (!existing.exists() || existing.isFile() || existing.isDir())
        return std::nullopt;
    // The words for each kind of file are RegularFile's.
    return refuseIrregularFile(output).value_or(systemFailure(output, EINVAL));
}
