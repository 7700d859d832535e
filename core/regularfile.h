#pragma once

#include "positionalfile.h"

#include <QString>

#include <optional>

/// An open, read-only descriptor of a regular file; closed when destroyed.
///
/// Opening never blocks (a FIFO without a writer opens at once and is then refused) and never follows
/// into anything but a regular file: a directory, FIFO, socket or device such as /dev/zero is refused
/// with the path and the reason. Unlike PositionalFile, a missing file is a failure too: a command that
/// reads a whole file must not take a typing error for an empty file.
class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    ~RegularFile();

    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    [[nodiscard]] const std::optional<FileFailure> &failure() const { return m_failure; }
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    /// Size in bytes at the time of opening.
    [[nodiscard]] qint64 size() const { return m_size; }

    /// Reads up to `count` bytes at 0-based `offset`; what lies past the end is 0x00. Returns the count
    /// of bytes the file had there, or -1 on failure (kept in failure()).
    qint64 readAt(qint64 offset, char *buffer, qint64 count);

private:
    void fail(int errorCode);

    QString m_path;
    int m_fd = -1;
    qint64 m_size = 0;
    std::optional<FileFailure> m_failure;
};

/// Why `path` is not a regular file that can be read, or nothing when it is one.
[[nodiscard]] std::optional<FileFailure> refuseIrregularFile(const QString &path);
