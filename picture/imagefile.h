#pragma once

#include "positionalfile.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <variant>

/// `image` encoded as a file of `format` ("png", "bmp", ...) would hold it, or why it cannot be.
[[nodiscard]] std::variant<QByteArray, FileFailure> encodeImage(
    const QImage &image, const char *format, const QString &pathForMessages);

/// Writes `image` to `path` in `format` through QImageWriter and QSaveFile.
///
/// The write is atomic: on any failure the file that stood at `path` is untouched and no partial file
/// remains. A FIFO or device at `path` is refused and left as it is, as is a path in a folder that does
/// not exist. Only where the folder forbids new files but the file itself may be written is it written in
/// place, and there a failure partway leaves it damaged. Returns why it failed, if it did.
[[nodiscard]] std::optional<FileFailure> writeImageFile(const QImage &image, const QString &path, const char *format);

/// The format a sheet at `path` is written in: "bmp" for a name ending in .bmp, "png" for .png or a name
/// without a suffix (any case), and null for any other suffix, so no file's name lies about its content.
[[nodiscard]] const char *sheetFormatForPath(const QString &path);
