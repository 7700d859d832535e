#pragma once

#include "filehandle.h"

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

    [[nodiscard]] const std::optional<FileFailure> &failure() const { return m_failure; }
    [[nodiscard]] bool isOpen() const { return m_file.isOpen(); }
    /// Size in bytes at the time of opening.
    [[nodiscard]] qint64 size() const { return isOpen() ? m_file.size() : 0; }

    /// Reads up to `count` bytes at 0-based `offset`; what lies past the end is 0x00. Returns the count
    /// of bytes the file had there, or -1 on failure (kept in failure()).
    qint64 readAt(qint64 offset, char *buffer, qint64 count);

    /// A failure for a table that would start at 0-based `offset`, at or past the end of the file: the
    /// reason names the offset and the size. Nothing for an offset inside the file.
    [[nodiscard]] std::optional<FileFailure> pastTheEnd(qint64 offset) const;

private:
    QString m_path;
    FileHandle m_file;
    std::optional<FileFailure> m_failure;
};

/// Why `path` is not a regular file that can be read, or nothing when it is one.
[[nodiscard]] std::optional<FileFailure> refuseIrregularFile(const QString &path);

/// Why nothing can be read at 0-based `offset` of `path`: as refuseIrregularFile(), or the offset lies
/// at or past the end. Nothing when it lies inside a regular file.
[[nodiscard]] std::optional<FileFailure> refuseOffset(const QString &path, qint64 offset);
