#include "sheetimport.h"

#include "arraysheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

namespace {

QString sheetText(const char *text)
{
    return QCoreApplication::translate("SheetImport", text);
}

ImportFailure columnFailure(int box, int column, const QString &reason)
{
    ImportFailure failure { QString(), reason };
    failure.box = box;
    failure.boxColumn = column;
    return failure;
}

// The byte whose column the canvas fills as `filled` shows (top first), or nothing for a column with a hole.
std::optional<quint8> columnByte(const std::array<bool, kBoxSize> &filled)
{
    int count = 0;
    for (const bool cell : filled)
        count += cell ? 1 : 0;
    bool fromBottom = true;
    bool fromTop = true;
    for (int row = 0; row < kBoxSize; ++row) {
        fromBottom = fromBottom && filled[size_t(row)] == (row >= kBoxSize - count);
        fromTop = fromTop && filled[size_t(row)] == (row < count);
    }
    if (count == 0)
        return quint8(0);
    if (fromBottom)
        return columnByteTo(FillMode::Floor, kBoxSize - count);
    if (fromTop)
        return columnByteTo(FillMode::Ceiling, count - 1);
    return std::nullopt;
}

} // namespace

bool isPngFile(const QByteArray &bytes)
{
    return bytes.startsWith("\x89PNG\r\n\x1A\n");
}

std::variant<ImportedBoxes, ImportFailure> parseCompactSheet(const QByteArray &png)
{
    QByteArray data = png;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // The format named, so no image plugin is asked to guess.
    QImageReader reader(&buffer, "png");
    if (reader.size() != QSize(kCompactSheetSize, kCompactSheetSize) && reader.size().isValid())
        return ImportFailure { QString(),
            sheetText("a picture of %1 x %2 pixels; a compact sheet is %3 x %3")
                .arg(reader.size().width())
                .arg(reader.size().height())
                .arg(kCompactSheetSize) };
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return ImportFailure { QString(), reader.errorString() };
    if (image.size() != QSize(kCompactSheetSize, kCompactSheetSize))
        return ImportFailure { QString(),
            sheetText("not a compact sheet of %1 x %1 pixels").arg(kCompactSheetSize) };

    ImportedBoxes result;
    result.format = ImportFormat::Sheet;
    for (int box = 0; box < kBoxCount; ++box) {
        const int left = (box % 16) * kBoxSize;
        const int top = (box / 16) * kBoxSize;
        BoxBytes bytes {};
        for (int column = 0; column < kBoxSize; ++column) {
            std::array<bool, kBoxSize> filled {};
            for (int row = 0; row < kBoxSize; ++row) {
                const QRgb pixel
                    = reinterpret_cast<const QRgb *>(image.constScanLine(top + row))[left + column];
                if (pixel != qRgb(255, 255, 0) && pixel != qRgb(0, 0, 0))
                    return columnFailure(box, column,
                        sheetText("the pixel at %1, %2 is #%3, neither yellow nor black")
                            .arg(left + column)
                            .arg(top + row)
                            .arg(pixel, 8, 16, QLatin1Char('0')));
                filled[size_t(row)] = pixel != qRgb(0, 0, 0);
            }
            const auto byte = columnByte(filled);
            if (!byte)
                return columnFailure(box, column, sheetText("not one run from the bottom or from the top"));
            bytes[size_t(column)] = *byte;
        }
        result.boxes.emplace(box, bytes);
    }
    return result;
}

std::variant<ImportedBoxes, ImportFailure> readImportSource(const QString &path)
{
    const auto file = readImportFile(path);
    if (const auto *failure = std::get_if<ImportFailure>(&file))
        return *failure;
    const QByteArray &bytes = std::get<QByteArray>(file);
    auto result = isPngFile(bytes) ? parseCompactSheet(bytes) : parseArrayText(bytes);
    if (auto *failure = std::get_if<ImportFailure>(&result))
        failure->path = path;
    return result;
}
