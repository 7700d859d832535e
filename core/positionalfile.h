#pragma once

#include "filehandle.h"

#include <QString>
#include <QtGlobal>

#include <optional>

/// Reads a file by 1-based byte position (position 1 is offset 0) without ever blocking.
///
/// Opening never creates anything: a path that names no file reads as an empty file. A position at or
/// past the end reads as 0x00. Anything else that goes wrong (a directory, a FIFO or device that cannot
/// be read by position, no permission, an I/O error) is kept as failure(). The file is closed when the
/// object is destroyed; nothing is cached.
class PositionalFile
{
public:
    explicit PositionalFile(const QString &path);

    /// The first failure met so far, if any. Reads after a failure fail too.
    [[nodiscard]] const std::optional<FileFailure> &failure() const { return m_failure; }

    /// Reads `count` bytes at 1-based `position` into `buffer`; returns false on failure.
    [[nodiscard]] bool readAt(qint64 position, char *buffer, qsizetype count);

    /// One byte at 1-based `position`, or nothing on failure.
    [[nodiscard]] std::optional<quint8> readByte(qint64 position);

private:
    void fail(int errorCode);

    QString m_path;
    FileHandle m_file;
    std::optional<FileFailure> m_failure;
};
