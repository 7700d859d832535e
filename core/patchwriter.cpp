#include "patchwriter.h"

#include "headerchecksum.h"
#include "outputguard.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kPieceSize = 1 << 20;

QString writerText(const char *text)
{
    return QCoreApplication::translate("PatchWriter", text);
}

// The input, open for reading: a regular file, opened without blocking (a FIFO would wait for a writer).
class Input
{
public:
    explicit Input(const QString &path)
        : m_path(path)
    {
        do {
            m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        } while (m_fd < 0 && errno == EINTR);
        struct stat info
        {
        };
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
            m_failure = systemFailure(path, errno);
        } else if (!S_ISREG(info.st_mode)) {
            // The words for each kind of file are RegularFile's.
            m_failure = refuseIrregularFile(path).value_or(systemFailure(path, EINVAL));
        } else {
            m_size = qint64(info.st_size);
        }
    }
    ~Input()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Input(const Input &) = delete;
    Input &operator=(const Input &) = delete;

    [[nodiscard]] const std::optional<FileFailure> &failure() const { return m_failure; }
    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] qint64 size() const { return m_size; }
    [[nodiscard]] const QString &path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
    qint64 m_size = 0;
    std::optional<FileFailure> m_failure;
};

// Reads or writes all `count` bytes at `offset`, going on where a signal or a short transfer stopped.
template<typename Transfer, typename Buffer>
int transferAll(Transfer transfer, int fd, Buffer buffer, qint64 count, qint64 offset)
{
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = transfer(fd, buffer + done, size_t(count - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : EIO; // a read that ends early: the input shrank under us
        done += got;
    }
    return 0;
}

int readAll(int fd, char *buffer, qint64 count, qint64 offset)
{
    return transferAll(::pread, fd, buffer, count, offset);
}

int writeAll(int fd, const char *buffer, qint64 count, qint64 offset)
{
    return transferAll(::pwrite, fd, buffer, count, offset);
}

// The whole input into `out` at the same offsets: in the kernel, or through a buffer from where the
// kernel could not go on. Returns 0 or the errno value of the failure.
int copyAll(const Input &in, int out, bool &inKernel)
{
    loff_t from = 0;
    loff_t to = 0;
    while (from < in.size() && inKernel) {
        const ssize_t got = ::copy_file_range(in.fd(), &from, out, &to, size_t(in.size() - from), 0);
        if (got > 0 || (got < 0 && errno == EINTR))
            continue;
        if (got == 0)
            return EIO;
        if (errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL)
            return errno;
        inKernel = false;
    }
    QByteArray piece;
    for (qint64 at = from; at < in.size(); at += kPieceSize) {
        const qint64 count = std::min(kPieceSize, in.size() - at);
        piece.resize(count);
        if (const int error = readAll(in.fd(), piece.data(), count, at))
            return error;
        if (const int error = writeAll(out, piece.constData(), count, at))
            return error;
    }
    return 0;
}

// Lays the patches that reach into the piece at `offset` over it.
void overlay(QByteArray &piece, qint64 offset, const std::vector<BytePatch> &patches)
{
    for (const BytePatch &patch : patches) {
        const qint64 from = std::max(patch.offset, offset);
        const qint64 to = std::min(patch.offset + patch.bytes.size(), offset + piece.size());
        for (qint64 at = from; at < to; ++at)
            piece[at - offset] = patch.bytes.at(at - patch.offset);
    }
}

// The checksum of the input as the patches change it, reading the input once.
std::variant<quint16, int> patchedChecksum(const Input &in, const std::vector<BytePatch> &patches)
{
    QByteArray end(4, '\0');
    if (const int error = readAll(in.fd(), end.data(), 4, kRomEndOffset))
        return error;
    overlay(end, kRomEndOffset, patches);
    const qint64 last = checksumLastByte(qFromBigEndian<quint32>(end.constData()), in.size());
    QByteArray piece;
    quint16 sum = 0;
    for (qint64 at = kChecksumStart; at <= last; at += kPieceSize) {
        piece.resize(std::min(kPieceSize, last - at + 1));
        if (const int error = readAll(in.fd(), piece.data(), piece.size(), at))
            return error;
        overlay(piece, at, patches);
        sum = addWords(sum, piece);
    }
    return sum;
}

std::optional<FileFailure> refusal(const Input &in, const QString &output,
    const std::vector<BytePatch> &patches, bool fixChecksum, const QStringList &guarded)
{
    if (const auto replaced = replacedInput(output, QStringList(guarded) << in.path()))
        return FileFailure { output,
            writerText("would replace %1, an input").arg(QDir::toNativeSeparators(*replaced)) };
    if (auto special = refuseSpecialOutput(output))
        return special;
    if (in.failure())
        return in.failure();
    for (const BytePatch &patch : patches) {
        if (patch.offset < 0 || patch.offset + patch.bytes.size() > in.size())
            return FileFailure { in.path(),
                writerText("a change at offset %1 lies past the end of the file (%2 bytes)")
                    .arg(QString::number(patch.offset, 16).toUpper())
                    .arg(in.size()) };
    }
    if (fixChecksum && in.size() < kChecksumOffset + 2)
        return FileFailure { in.path(), writerText("too short to hold a header checksum") };
    return std::nullopt;
}

// Everything but the commit; on failure `out` is left uncommitted, so nothing reaches its path.
std::optional<FileFailure> fill(const Input &in, QSaveFile &out, const std::vector<BytePatch> &patches,
    bool fixChecksum, PatchReport &report)
{
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileFailure { out.fileName(), out.errorString() };
    const int fd = out.handle();
    if (const int error = copyAll(in, fd, report.copiedInKernel))
        return systemFailure(out.fileName(), error);
    for (const BytePatch &patch : patches) {
        if (const int error = writeAll(fd, patch.bytes.constData(), patch.bytes.size(), patch.offset))
            return systemFailure(out.fileName(), error);
    }
    if (!fixChecksum)
        return std::nullopt;
    const auto sum = patchedChecksum(in, patches);
    if (const int *error = std::get_if<int>(&sum))
        return systemFailure(in.path(), *error);
    report.checksum = std::get<quint16>(sum);
    uchar word[2];
    qToBigEndian(*report.checksum, word);
    if (const int error = writeAll(fd, reinterpret_cast<const char *>(word), 2, kChecksumOffset))
        return systemFailure(out.fileName(), error);
    return std::nullopt;
}

} // namespace

std::variant<PatchReport, FileFailure> writePatchedCopy(const PatchedCopy &copy)
{
    const Input in(copy.input);
    if (auto refused = refusal(in, copy.output, copy.patches, copy.fixChecksum, copy.guarded))
        return *refused;
    QSaveFile out(copy.output);
    PatchReport report;
    if (auto failure = fill(in, out, copy.patches, copy.fixChecksum, report))
        return *failure;
    if (!out.commit())
        return FileFailure { copy.output, out.errorString() };
    return report;
}

std::optional<FileFailure> writePatchedTables(
    const QString &folder, const std::vector<TablePatches> &tables, const QStringList &guarded)
{
    QStringList sources = guarded;
    for (const TablePatches &table : tables)
        sources << table.input;
    std::vector<std::unique_ptr<Input>> inputs;
    for (const TablePatches &table : tables) {
        inputs.push_back(std::make_unique<Input>(table.input));
        const QString output = QDir(folder).filePath(QFileInfo(table.input).fileName());
        if (auto refused = refusal(*inputs.back(), output, table.patches, false, sources))
            return refused;
    }
    // Only the folder itself is made: a missing parent is more likely a typing error than a wish.
    const bool made = !QFileInfo::exists(folder);
    if (made && !QDir().mkdir(folder))
        return FileFailure { folder, writerText("cannot make this folder") };
    std::vector<std::unique_ptr<QSaveFile>> outs;
    for (size_t i = 0; i < tables.size(); ++i) {
        outs.push_back(
            std::make_unique<QSaveFile>(QDir(folder).filePath(QFileInfo(tables[i].input).fileName())));
        PatchReport report;
        if (auto failure = fill(*inputs[i], *outs.back(), tables[i].patches, false, report)) {
            outs.clear();
            if (made)
                QDir().rmdir(folder);
            return failure;
        }
    }
    for (const auto &out : outs) {
        if (!out->commit())
            return FileFailure { out->fileName(), out->errorString() };
    }
    return std::nullopt;
}
