#pragma once

#include "positionalfile.h"

#include <QImage>
#include <QString>

#include <optional>

/// Writes `image` to `path` as an uncompressed 24-bit Windows bitmap, whatever the name's extension.
///
/// The write is atomic: on any failure the file that stood at `path` is untouched and no partial file
/// remains. Where the folder forbids new files but the file itself may be written, it is written in
/// place. Returns why it failed, if it did.
[[nodiscard]] std::optional<FileFailure> writeBitmap(const QImage &image, const QString &path);
