#include "imagefile.h"

#include "outputguard.h"
#include "systemmessages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>

namespace {

// Qt words a few reasons itself, in the system's language; errno, read as soon as the call fails, gives
// the system's words in the language of the messages (useSystemMessagesIn).
FileFailure writeFailure(const QString &path, const QSaveFile &file, int error)
{
    return FileFailure { path, error != 0 ? systemReason(error) : file.errorString() };
}

} // namespace

std::variant<QByteArray, FileFailure> encodeImage(
    const QImage &image, const char *format, const QString &pathForMessages)
{
    // Encoded in memory first: an image writer that meets a failing file only says "Unknown error".
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        return FileFailure { pathForMessages, writer.errorString() };
    return bytes;
}

std::optional<FileFailure> writeImageFile(const QImage &image, const QString &path, const char *format)
{
    auto encoded = encodeImage(image, format, path);
    if (auto *failure = std::get_if<FileFailure>(&encoded))
        return *failure;
    const QByteArray &bytes = std::get<QByteArray>(encoded);

    if (auto special = refuseSpecialOutput(path))
        return special;

    // Unbuffered, so that a disk filling up partway is met here, where a second write learns the reason.
    QSaveFile out(path);
    out.setDirectWriteFallback(true);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(path, out, errno);
    for (qint64 done = 0; done < bytes.size();) {
        errno = 0;
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const FileFailure failure = writeFailure(path, out, errno);
            out.cancelWriting();
            return failure;
        }
        done += written;
    }
    errno = 0;
    if (!out.commit())
        return writeFailure(path, out, errno);
    return std::nullopt;
}

const char *sheetFormatForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return "bmp";
    if (suffix == QLatin1String("png") || suffix.isEmpty())
        return "png";
    return nullptr;
}
