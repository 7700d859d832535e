#pragma once

#include "positionalfile.h"

#include <QImage>
#include <QString>

#include <optional>

/// Writes `image` to `path` as an uncompressed 24-bit Windows bitmap, whatever the name's extension.
///
/// The write is atomic: on any failure the file that stood at `path` is untouched and no partial file
/// remains. A FIFO or device at `path` is refused and left as it is. Only where the folder forbids new
/// files but the file itself may be written is it written in place, and there a failure partway leaves it
/// damaged. Returns why it failed, if it did.
[[nodiscard]] std::optional<FileFailure> writeBitmap(const QImage &image, const QString &path);
