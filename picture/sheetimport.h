#pragma once

#include "arrayimport.h"

#include <QByteArray>
#include <QString>

#include <variant>

/// The heights of a compact sheet (as arraySheet() paints it with SheetLook::Compact) from the bytes of
/// its PNG file: 256 x 256 pixels, each yellow (255, 255, 0) or black, all opaque. Each column of a box
/// must be one yellow run from the bottom (n cells: 0x01..0x10) or from the top (n cells: 256 - n), or
/// empty (0x00); a full column reads as 0x10. A column that is neither fails with its box and column, a
/// pixel of another colour with the box and column it lies in, a picture of another size or not a PNG
/// file as a whole. The result holds all 256 boxes and no angle.
[[nodiscard]] std::variant<ImportedBoxes, ImportFailure> parseCompactSheet(const QByteArray &png);

/// Whether `bytes` start as every PNG file does.
[[nodiscard]] bool isPngFile(const QByteArray &bytes);

/// The boxes (and angles) of the source at `path`, whatever it holds: a compact sheet PNG or a dump in
/// any text format (parseArrayText()). The file is read once; a failure names `path`.
[[nodiscard]] std::variant<ImportedBoxes, ImportFailure> readImportSource(const QString &path);
