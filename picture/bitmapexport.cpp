#include "bitmapexport.h"

#include <QImageWriter>
#include <QSaveFile>

std::optional<FileFailure> writeBitmap(const QImage &image, const QString &path)
{
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        return FileFailure { path, out.errorString() };

    QImageWriter writer(&out, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
        out.cancelWriting();
        return FileFailure { path, writer.errorString() };
    }
    if (!out.commit())
        return FileFailure { path, out.errorString() };
    return std::nullopt;
}
