#include "positionalfile.h"

#include "systemmessages.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PositionalFile::PositionalFile(const QString &path)
    : m_path(path)
{
    const QByteArray native = QFile::encodeName(path);
    // O_NONBLOCK: a FIFO without a writer must not hold the user interface.
    do {
        m_fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (m_fd < 0 && errno == EINTR);

    if (m_fd < 0) {
        // A missing file reads as empty; anything else is a real failure.
        if (errno != ENOENT && errno != ENOTDIR)
            fail(errno);
        return;
    }

    struct stat info
    {
    };
    if (::fstat(m_fd, &info) != 0) {
        fail(errno);
        return;
    }
    if (S_ISDIR(info.st_mode)) {
        fail(EISDIR);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        // FIFOs, sockets and most terminals refuse positional reads; find out now rather than mid-box.
        char probe = 0;
        if (::pread(m_fd, &probe, 0, 0) < 0)
            fail(errno);
    }
}

PositionalFile::~PositionalFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void PositionalFile::fail(int errorCode)
{
    if (!m_failure)
        m_failure = FileFailure { m_path, systemReason(errorCode) };
}

bool PositionalFile::readAt(qint64 position, char *buffer, qsizetype count)
{
    std::memset(buffer, 0, size_t(count));
    if (m_failure)
        return false;
    if (m_fd < 0)
        return true; // no such file: everything lies past its end

    qsizetype done = 0;
    while (done < count) {
        const ssize_t got = ::pread(m_fd, buffer + done, size_t(count - done), off_t(position - 1 + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
            std::memset(buffer, 0, size_t(count));
            return false;
        }
        if (got == 0)
            break; // end of file: the rest stays 0x00
        done += got;
    }
    return true;
}

std::optional<quint8> PositionalFile::readByte(qint64 position)
{
    char byte = 0;
    if (!readAt(position, &byte, 1))
        return std::nullopt;
    return quint8(byte);
}
