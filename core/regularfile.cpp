#include "regularfile.h"

#include "systemmessages.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
{
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait for one.
    do {
        m_fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0) {
        fail(errno);
        return;
    }
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
    } else if (!S_ISREG(info.st_mode)) {
        m_failure = FileFailure { m_path, kindReason(info.st_mode) };
    } else {
        m_size = qint64(info.st_size);
        return;
    }
    ::close(m_fd);
    m_fd = -1;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void RegularFile::fail(int errorCode)
{
    if (!m_failure)
        m_failure = FileFailure { m_path, systemReason(errorCode) };
}

qint64 RegularFile::readAt(qint64 offset, char *buffer, qint64 count)
{
    std::memset(buffer, 0, size_t(count));
    if (m_fd < 0)
        return -1;
    if (offset < 0) {
        fail(EINVAL);
        return -1;
    }
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::pread(m_fd, buffer + done, size_t(count - done), off_t(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
            std::memset(buffer, 0, size_t(count));
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

std::optional<FileFailure> refuseIrregularFile(const QString &path)
{
    const RegularFile file(path);
    return file.failure();
}
