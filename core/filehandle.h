#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>
#include <sys/types.h>

/// Why a file could not be read: its path and the system's words for the reason.
struct FileFailure
{
    QString path;
    QString reason;
};

/// `path` with the system's words for `errorCode` (an errno value).
[[nodiscard]] FileFailure systemFailure(const QString &path, int errorCode);

/// The reading under PositionalFile and RegularFile: one descriptor opened read-only, never blocking
/// (a FIFO without a writer opens at once) and never taking a controlling terminal, and reads by
/// 0-based offset that go on where a signal interrupted them. Closed when destroyed.
class FileHandle
{
public:
    explicit FileHandle(const QString &path);
    ~FileHandle();

    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;

    /// Open and its status known; otherwise error() says why (from open or fstat).
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    /// The errno value of the last failure, 0 before any.
    [[nodiscard]] int error() const { return m_error; }
    /// The file's type bits and size, as fstat gave them at opening.
    [[nodiscard]] mode_t mode() const { return m_mode; }
    [[nodiscard]] qint64 size() const { return m_size; }

    /// Reads up to `count` bytes at `offset`; what lies past the end is 0x00. Returns the count the
    /// file had there, or -1 with error() set and the buffer all 0x00. A count of 0 still asks the
    /// system once, which tells whether the file can be read by position at all.
    qint64 readAt(qint64 offset, char *buffer, qint64 count);

    void close();

private:
    int m_fd = -1;
    int m_error = 0;
    mode_t m_mode = 0;
    qint64 m_size = 0;
};
