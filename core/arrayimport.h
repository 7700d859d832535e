#pragma once

#include "boxaddressing.h"
#include "boxedits.h"
#include "positionalfile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <map>
#include <variant>

enum class ImportFormat
{
    Hex,
    Asm,
    C,
    Json,
    Sheet ///< a compact sheet picture: heights only, a full column read as 0x10 and an empty one as 0x00
};

/// What an import source gives. A source may give only some boxes, and asm, C and a sheet give no
/// angles; what it does not give is not in the maps. Keys are box indexes 0..255.
struct ImportedBoxes
{
    ImportFormat format = ImportFormat::Hex;
    std::map<int, BoxBytes> boxes;
    std::map<int, quint8> angles;
};

/// Why a source could not be imported, and where. A text names a 1-based line and column (a column
/// counts characters); a sheet names the box and its 0-based column (0 at the left); a failure of the
/// whole file (unreadable, too large, a picture of the wrong size) names neither.
struct ImportFailure
{
    QString path;
    QString reason;
    int line = 0;
    int column = 0;
    int box = -1;
    int boxColumn = -1;
};

/// "line 3, column 7", "box 1A, column 3", or empty for a failure of the whole file.
[[nodiscard]] QString importPlaceText(const ImportFailure &failure);

/// The boxes and angles of a dump in any format arrayText() writes, recognized by its content, not its
/// name. The hex format's angle may be missing or "--" (no angle), and may be followed by more words.
/// An index comment ("; box 1A", "/* 1A */") names the next box of asm and C; without one, a box is the
/// one after the box before it (the first is 00). A box or angle given twice is a failure.
[[nodiscard]] std::variant<ImportedBoxes, ImportFailure> parseArrayText(const QByteArray &bytes);

/// The whole of a source file, read with one open: a regular file of at most kMaxImportSize bytes.
[[nodiscard]] std::variant<QByteArray, ImportFailure> readImportFile(const QString &path);

/// Far more than any dump (a JSON dump is about 40 KB), so a wrong path fails at once.
inline constexpr qint64 kMaxImportSize = qint64(4) * 1024 * 1024;
