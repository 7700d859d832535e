#pragma once

#include "filehandle.h"

#include <QString>
#include <QStringList>

#include <optional>

/// Whether `a` and `b` name one file: the same path, or the same device and inode reached through a
/// symbolic or a hard link.
[[nodiscard]] bool sameFile(const QString &a, const QString &b);

/// The first of `inputs` that writing `output` would replace, or nothing. Every face that writes (the
/// command line, the bitmap export, the array window's sheet) asks this before it writes.
[[nodiscard]] std::optional<QString> replacedInput(const QString &output, const QStringList &inputs);

/// Why nothing may be saved at `output`: a FIFO or a device stands there, which saving (a new file renamed
/// over the path) would swap for a regular file. Nothing for a regular file, a folder or no file at all.
[[nodiscard]] std::optional<FileFailure> refuseSpecialOutput(const QString &output);
