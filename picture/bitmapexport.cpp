#include "bitmapexport.h"

#include "imagefile.h"

std::optional<FileFailure> writeBitmap(const QImage &image, const QString &path)
{
    // RGB32 is what Qt's bitmap writer turns into 24 bits a pixel.
    return writeImageFile(image.convertToFormat(QImage::Format_RGB32), path, "bmp");
}
