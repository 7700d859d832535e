#include "regularfile.h"

#include "systemmessages.h"
#include "texthelpers.h"

#include <QCoreApplication>

#include <cerrno>
#include <sys/stat.h>

namespace {

QString kindReason(mode_t mode)
{
    // The system has words of its own for this one, in the language of the message around them.
    if (S_ISDIR(mode))
        return systemReason(EISDIR);
    const char *kind = "Not a regular file";
    if (S_ISFIFO(mode))
        kind = "Is a FIFO, not a regular file";
    else if (S_ISSOCK(mode))
        kind = "Is a socket, not a regular file";
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        kind = "Is a device, not a regular file";
    return QCoreApplication::translate("RegularFile", kind);
}

} // namespace

RegularFile::RegularFile(const QString &path)
    : m_path(path)
    , m_file(path)
{
    if (!m_file.isOpen()) {
        m_failure = systemFailure(m_path, m_file.error());
    } else if (!S_ISREG(m_file.mode())) {
        m_failure = FileFailure { m_path, kindReason(m_file.mode()) };
        m_file.close();
    }
}

qint64 RegularFile::readAt(qint64 offset, char *buffer, qint64 count)
{
    const qint64 got = m_file.readAt(offset, buffer, count);
    if (got < 0 && !m_failure && m_file.isOpen())
        m_failure = systemFailure(m_path, m_file.error());
    return got;
}

std::optional<FileFailure> RegularFile::pastTheEnd(qint64 offset) const
{
    if (offset < size())
        return std::nullopt;
    return FileFailure { m_path,
        QCoreApplication::translate("RegularFile", "Offset %1 lies past the end of the file (%2 bytes)")
            .arg(hexText(quint64(offset)))
            .arg(size()) };
}

std::optional<FileFailure> refuseIrregularFile(const QString &path)
{
    const RegularFile file(path);
    return file.failure();
}

std::optional<FileFailure> refuseOffset(const QString &path, qint64 offset)
{
    const RegularFile file(path);
    return file.failure() ? file.failure() : file.pastTheEnd(offset);
}
