#include "filehandle.h"

#include "systemmessages.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileFailure systemFailure(const QString &path, int errorCode)
{
    return FileFailure { path, systemReason(errorCode) };
}

FileHandle::FileHandle(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    do {
        m_fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0) {
        m_error = errno;
        return;
    }
    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        m_error = errno;
        close();
        return;
    }
    m_mode = info.st_mode;
    m_size = qint64(info.st_size);
}

FileHandle::~FileHandle()
{
    close();
}

void FileHandle::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

qint64 FileHandle::readAt(qint64 offset, char *buffer, qint64 count)
{
    std::memset(buffer, 0, size_t(count));
    if (m_fd < 0)
        return -1;
    if (offset < 0) {
        m_error = EINVAL;
        return -1;
    }
    qint64 done = 0;
    for (;;) {
        const ssize_t got = ::pread(m_fd, buffer + done, size_t(count - done), off_t(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            m_error = errno;
            std::memset(buffer, 0, size_t(count));
            return -1;
        }
        done += got;
        // At the end of the file the rest stays 0x00.
        if (got == 0 || done >= count)
            return done;
    }
}
