// The import readers over arbitrary sources: every dump format and the compact sheet.
//
// Input layout: byte 0's low 2 bits pick the source, and bit 2 asks for the round trip of what was read
// through every dump format (slow under the sanitizers, so not every run pays for it):
//   0  the rest is a text, parsed as a dump;
//   1  the rest is a file's bytes, given to the sheet reader as they are;
//   2  the rest paints a sheet: 4096 column bytes (zeros where short), then 4 bytes a pixel to change
//      (x, y, a colour: black, yellow, another or a half-transparent yellow), encoded as a PNG file;
//   3  the rest is a file on disk, read through the one door that recognizes any source.
// A reader must give boxes 00..FF, or fail with a place inside its source; never crash or hang.

#include "arrayformats.h"
#include "arrayimport.h"
#include "arraysheet.h"
#include "sheetimport.h"
#include "fuzzsupport.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageWriter>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

using fuzzsupport::broken;
using fuzzsupport::check;

QByteArray folder;

// A text failure names a line of the text and a column no further than one past that line's end.
void checkTextPlace(const QByteArray &text, const ImportFailure &failure)
{
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    check(failure.line >= 1 && failure.line <= lines.size(), "a text failure names one of its lines");
    check(failure.column >= 1 && failure.column <= lines.at(failure.line - 1).size() + 1,
        "a text failure names a column of its line");
}

// A sheet failure names a box and a column, or nothing for a file that is no sheet at all.
void checkSheetPlace(const ImportFailure &failure)
{
    check(failure.line == 0, "a sheet has no lines");
    check((failure.box == -1 && failure.boxColumn == -1)
            || (failure.box >= 0 && failure.box < kBoxCount && failure.boxColumn >= 0
                && failure.boxColumn < kBoxSize),
        "a sheet failure names a box and its column");
}

CollisionArray arrayOf(const ImportedBoxes &imported)
{
    CollisionArray array;
    for (const auto &[box, bytes] : imported.boxes)
        std::copy(bytes.begin(), bytes.end(), array.bytes.begin() + qsizetype(box) * kBoxSize);
    for (const auto &[box, angle] : imported.angles)
        array.angles[size_t(box)] = angle;
    return array;
}

// What was read, dumped whole in every format, reads back as all 256 boxes, the same.
void checkRoundTrip(const ImportedBoxes &imported)
{
    const CollisionArray array = arrayOf(imported);
    for (const ArrayFormat format :
        { ArrayFormat::Hex, ArrayFormat::Asm, ArrayFormat::C, ArrayFormat::Json }) {
        const auto again = parseArrayText(arrayText(array, format).toUtf8());
        check(std::holds_alternative<ImportedBoxes>(again), "a dump reads back");
        const ImportedBoxes &back = std::get<ImportedBoxes>(again);
        check(back.boxes.size() == size_t(kBoxCount), "a whole dump gives 256 boxes");
        check(arrayOf(back).bytes == array.bytes, "the boxes read back the same");
        const bool angles = format == ArrayFormat::Hex || format == ArrayFormat::Json;
        check(
            back.angles.size() == (angles ? size_t(kBoxCount) : 0), "angles only where the format has them");
        check(!angles || arrayOf(back).angles == array.angles, "the angles read back the same");
    }
}

void checkImported(const ImportedBoxes &imported, bool roundTrip)
{
    check(!imported.boxes.empty() && imported.boxes.size() <= size_t(kBoxCount), "some boxes, at most 256");
    check(imported.boxes.begin()->first >= 0 && imported.boxes.rbegin()->first < kBoxCount, "boxes 00..FF");
    for (const auto &angle : imported.angles)
        check(imported.boxes.count(angle.first) == 1, "an angle comes with its box");
    if (imported.format == ImportFormat::Sheet)
        check(
            imported.boxes.size() == size_t(kBoxCount) && imported.angles.empty(), "a sheet gives 256 boxes");
    if (roundTrip)
        checkRoundTrip(imported);
}

QImage paintedSheet(const uint8_t *data, size_t size)
{
    CollisionArray array;
    std::copy(data, data + std::min(size, size_t(kArraySize)), array.bytes.begin());
    QImage sheet = arraySheet(array, SheetLook::Compact).convertToFormat(QImage::Format_ARGB32);
    for (size_t i = kArraySize; i + 4 <= size; i += 4) {
        const QRgb colours[] = { qRgb(0, 0, 0), qRgb(255, 255, 0), qRgb(data[i + 3], data[i + 2], data[i]),
            qRgba(255, 255, 0, 128) };
        sheet.setPixel(data[i], data[i + 1], colours[data[i + 2] & 3]);
    }
    return sheet;
}

void checkSheet(const QImage &sheet, bool roundTrip)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    check(writer.write(sheet), "a sheet encodes");
    const auto read = parseCompactSheet(png);
    if (const auto *failure = std::get_if<ImportFailure>(&read)) {
        check(failure->box >= 0, "a painted sheet fails only in a box");
        checkSheetPlace(*failure);
        return;
    }
    const ImportedBoxes &imported = std::get<ImportedBoxes>(read);
    checkImported(imported, roundTrip);
    const QImage again
        = arraySheet(arrayOf(imported), SheetLook::Compact).convertToFormat(QImage::Format_ARGB32);
    check(again == sheet, "what a sheet reads as paints the same sheet");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = fuzzsupport::makeWorkingFolder("tilegauge-fuzz-import", { "/source" });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const bool roundTrip = data[0] & 4;
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    std::variant<ImportedBoxes, ImportFailure> read;
    switch (data[0] & 3) {
    case 0:
        read = parseArrayText(rest);
        break;
    case 1:
        read = parseCompactSheet(rest);
        break;
    case 2:
        checkSheet(paintedSheet(data + 1, size - 1), roundTrip);
        return 0;
    default: {
        const QString path = QFile::decodeName(folder + "/source");
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(rest) != rest.size())
            broken("cannot write the source file");
        out.close();
        read = readImportSource(path);
        const auto direct = isPngFile(rest) ? parseCompactSheet(rest) : parseArrayText(rest);
        check(read.index() == direct.index(), "a file reads as its bytes do");
        if (const auto *failure = std::get_if<ImportFailure>(&read))
            check(failure->path == path, "a file's failure names the file");
        break;
    }
    }
    if (const auto *imported = std::get_if<ImportedBoxes>(&read)) {
        checkImported(*imported, roundTrip);
        return 0;
    }
    const ImportFailure &failure = std::get<ImportFailure>(read);
    check(!failure.reason.isEmpty(), "a failure says why");
    if ((data[0] & 3) == 1 || ((data[0] & 3) == 3 && isPngFile(rest)))
        checkSheetPlace(failure);
    else
        checkTextPlace(rest, failure);
    return 0;
}
