#include "positionalfile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

PositionalFile::PositionalFile(const QString &path)
    : m_path(path)
    , m_file(path)
{
    if (!m_file.isOpen()) {
        // A missing file reads as empty; anything else is a real failure.
        if (m_file.error() != ENOENT && m_file.error() != ENOTDIR)
            fail(m_file.error());
        return;
    }
    if (S_ISDIR(m_file.mode())) {
        fail(EISDIR);
        return;
    }
    // FIFOs, sockets and most terminals refuse positional reads; find out now rather than mid-box.
    char probe = 0;
    if (!S_ISREG(m_file.mode()) && m_file.readAt(0, &probe, 0) < 0)
        fail(m_file.error());
}

void PositionalFile::fail(int errorCode)
{
    if (!m_failure)
        m_failure = systemFailure(m_path, errorCode);
}

bool PositionalFile::readAt(qint64 position, char *buffer, qsizetype count)
{
    std::memset(buffer, 0, size_t(count));
    if (m_failure)
        return false;
    if (!m_file.isOpen())
        return true; // no such file: everything lies past its end
    if (m_file.readAt(position - 1, buffer, count) >= 0)
        return true;
    fail(m_file.error());
    return false;
}

std::optional<quint8> PositionalFile::readByte(qint64 position)
{
    char byte = 0;
    if (!readAt(position, &byte, 1))
        return std::nullopt;
    return quint8(byte);
}
