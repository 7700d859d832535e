#include "headerchecksum.h"
#include "patchwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// Lets a case fail the kernel's copy with an errno value of its choice.
namespace {
int copyError = 0;
}
// NOLINTBEGIN(bugprone-reserved-identifier): the linker's names for the two ends of a wrapped call
extern "C" ssize_t __real_copy_file_range(int, loff_t *, int, loff_t *, size_t, unsigned int);
extern "C" ssize_t __wrap_copy_file_range(
    int in, loff_t *from, int out, loff_t *to, size_t count, unsigned int flags)
{
    if (copyError == 0)
        return __real_copy_file_range(in, from, out, to, count, flags);
    errno = copyError;
    return -1;
}
// NOLINTEND(bugprone-reserved-identifier)

namespace {

// `size` bytes: 0xFF in the header (which the sum skips), the end address `romEnd` at 0x1A4, then
// `fill` from 0x200 on.
QByteArray image(qsizetype size, quint32 romEnd, char fill)
{
    QByteArray bytes(size, fill);
    std::fill_n(bytes.begin(), std::min<qsizetype>(size, kChecksumStart), '\xFF');
    for (int i = 0; i < 4 && kRomEndOffset + i < size; ++i)
        bytes[kRomEndOffset + i] = char(romEnd >> (24 - 8 * i));
    return bytes;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_PatchWriter : public QObject
{
    Q_OBJECT

private slots:
    void checksum_data();
    void checksum();
    void patchedCopy_data();
    void patchedCopy();
    void refusals_data();
    void refusals();
    void tables();
    void failedKernelCopy_data();
    void failedKernelCopy();

private:
    QTemporaryDir m_dir;
};

void tst_PatchWriter::checksum_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint16>("expected");
    // 256 words of 0x0102 make 0x10200, which wraps to 0x0200; the bytes past the end address are not summed.
    QTest::newRow("end address inside")
        << image(0x600, 0x3FF, '\x55').replace(0x200, 0x200, QByteArray("\x01\x02").repeated(256))
        << quint16(0x0200);
    QTest::newRow("an even end address takes its word whole")
        << image(0x400, 0x204, '\x01') << quint16(3 * 0x0101);
    QTest::newRow("no end address") << image(0x400, 0, '\x01') << quint16(0);
    // Clamped to the file: 0x1FFE03 bytes from 0x200 make 0xFFF01 words of 0x0101 and a lone 0x01 as a
    // high byte: 0x100F0001 + 0x0100 wraps to 0x0101.
    QTest::newRow("end past a file of odd size") << image(0x200003, 0xFFFFFFFF, '\x01') << quint16(0x0101);
    QTest::newRow("shorter than a header") << QByteArray(0x100, '\x01') << quint16(0);
}

void tst_PatchWriter::checksum()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint16, expected);
    QCOMPARE(headerChecksum(bytes), expected);
    const QString path = m_dir.filePath(QStringLiteral("image.bin"));
    QVERIFY(write(path, bytes));
    const auto fromFile = fileHeaderChecksum(path);
    QVERIFY(std::holds_alternative<quint16>(fromFile));
    QCOMPARE(std::get<quint16>(fromFile), expected);
}

void tst_PatchWriter::patchedCopy_data()
{
    QTest::addColumn<bool>("fixChecksum");
    QTest::addColumn<QByteArray>("romEnd");
    QTest::newRow("checksum fixed") << true << QByteArray();
    QTest::newRow("checksum kept") << false << QByteArray();
    QTest::newRow("the sum ends at a changed end address") << true << QByteArray("\x00\x06\x2A\x0F", 4);
}

void tst_PatchWriter::patchedCopy()
{
    QFETCH(bool, fixChecksum);
    QFETCH(QByteArray, romEnd);
    QByteArray input = image(0x80000, 0x7FFFF, '\0');
    for (qsizetype i = kChecksumStart; i < input.size(); ++i)
        input[i] = char(i * 31 >> 3);
    const QString in = m_dir.filePath(QStringLiteral("row1.bin"));
    const QString out = m_dir.filePath(QStringLiteral("fixed.bin"));
    QVERIFY(write(in, input));
    std::vector<BytePatch> patches { { 0x62A10, QByteArray(16, '\x08') }, { 0x63A10, QByteArray(16, '\x10') },
        { 0x62901, QByteArray(1, '\xE0') } };
    if (!romEnd.isEmpty())
        patches.push_back({ kRomEndOffset, romEnd });

    const auto written = writePatchedCopy({ in, out, patches, fixChecksum, {} });
    QVERIFY(std::holds_alternative<PatchReport>(written));
    QCOMPARE(contents(in), input);
    QByteArray expected = input;
    for (const BytePatch &patch : patches)
        expected.replace(patch.offset, patch.bytes.size(), patch.bytes);
    const quint16 sum = headerChecksum(expected);
    QCOMPARE(
        std::get<PatchReport>(written).checksum, fixChecksum ? std::optional<quint16>(sum) : std::nullopt);
    if (fixChecksum) {
        QVERIFY((uchar(expected.at(kChecksumOffset)) << 8 | uchar(expected.at(kChecksumOffset + 1))) != sum);
        expected[kChecksumOffset] = char(sum >> 8);
        expected[kChecksumOffset + 1] = char(sum);
    }
    QCOMPARE(contents(out), expected);
}

void tst_PatchWriter::refusals_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("guarded");
    QTest::addColumn<qint64>("patchAt");
    const QString in = m_dir.filePath(QStringLiteral("in.bin"));
    const QString widths = m_dir.filePath(QStringLiteral("widths.bin"));
    const QString link = m_dir.filePath(QStringLiteral("link.bin"));
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    const QString fresh = m_dir.filePath(QStringLiteral("new.bin"));
    QVERIFY(write(in, image(0x1000, 0xFFF, '\x01')) && write(widths, QByteArray(0x1000, '\x10')));
    QVERIFY(::link(QFile::encodeName(in).constData(), QFile::encodeName(link).constData()) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("the input through a hard link") << in << link << QStringList() << qint64(0x10);
    QTest::newRow("another file of the set") << in << widths << QStringList { widths } << qint64(0x10);
    QTest::newRow("a change past the end") << in << fresh << QStringList() << qint64(0xFFF);
    QTest::newRow("a FIFO to read") << fifo << fresh << QStringList() << qint64(0);
    QTest::newRow("a FIFO to replace") << in << fifo << QStringList() << qint64(0x10);
}

void tst_PatchWriter::refusals()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QStringList, guarded);
    QFETCH(qint64, patchAt);
    const QString in = m_dir.filePath(QStringLiteral("in.bin"));
    const QByteArray before = contents(in);
    const QStringList files
        = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    const auto written
        = writePatchedCopy({ input, output, { { patchAt, QByteArray(2, '\x0F') } }, true, guarded });
    QVERIFY(std::holds_alternative<FileFailure>(written));
    QVERIFY(!std::get<FileFailure>(written).reason.isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), files);
    QCOMPARE(contents(in), before);
    QCOMPARE(contents(m_dir.filePath(QStringLiteral("link.bin"))), before);
    QCOMPARE(contents(m_dir.filePath(QStringLiteral("widths.bin"))), QByteArray(0x1000, '\x10'));
    QVERIFY(!QFileInfo(m_dir.filePath(QStringLiteral("fifo"))).isFile());
}

void tst_PatchWriter::tables()
{
    QTemporaryDir dir;
    const QString set = dir.filePath(QStringLiteral("set"));
    QVERIFY(QDir().mkpath(set));
    const QString angles = set + QStringLiteral("/Angle Map.bin");
    const QString heights = set + QStringLiteral("/Heights.bin");
    const QString widths = set + QStringLiteral("/Widths.bin");
    QVERIFY(write(angles, QByteArray(256, '\0')) && write(heights, QByteArray(4096, '\x04'))
        && write(widths, QByteArray(4096, '\x10')));
    const std::vector<TablePatches> changed { { heights, { { 0x10, QByteArray(16, '\x0C') } } } };

    // Into the set's own folder, the copy would replace its table.
    QVERIFY(writePatchedTables(set, changed, { angles, widths }).has_value());
    QCOMPARE(contents(heights), QByteArray(4096, '\x04'));
    QCOMPARE(QDir(set).entryList(QDir::Files).size(), 3);

    const QString out = dir.filePath(QStringLiteral("out"));
    QCOMPARE(writePatchedTables(out, changed, { angles, widths }), std::nullopt);
    QCOMPARE(QDir(out).entryList(QDir::Files), QStringList { QStringLiteral("Heights.bin") });
    QCOMPARE(contents(out + QStringLiteral("/Heights.bin")),
        QByteArray(4096, '\x04').replace(0x10, 16, QByteArray(16, '\x0C')));
}

void tst_PatchWriter::failedKernelCopy_data()
{
    QTest::addColumn<int>("error");
    QTest::newRow("across file systems: read and write instead") << EXDEV;
    QTest::newRow("disk full: nothing written") << ENOSPC;
}

void tst_PatchWriter::failedKernelCopy()
{
    QFETCH(int, error);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.bin"));
    const QString out = dir.filePath(QStringLiteral("out.bin"));
    const QString folder = dir.filePath(QStringLiteral("out"));
    const QByteArray input = image(0x300000, 0xFFFFFFFF, '\x02');
    QVERIFY(write(in, input));
    const std::vector<BytePatch> patches { { 0x2FFFF0, QByteArray(16, '\x0E') } };

    copyError = error;
    const auto copied = writePatchedCopy({ in, out, patches, false, {} });
    const auto tables = writePatchedTables(folder, { { in, patches } }, {});
    copyError = 0;
    QByteArray expected = input;
    expected.replace(0x2FFFF0, 16, QByteArray(16, '\x0E'));
    if (error == EXDEV) {
        QVERIFY(std::holds_alternative<PatchReport>(copied) && !std::get<PatchReport>(copied).copiedInKernel);
        QCOMPARE(contents(out), expected);
        QCOMPARE(tables, std::nullopt);
        QCOMPARE(contents(folder + QStringLiteral("/in.bin")), expected);
    } else {
        QVERIFY(std::holds_alternative<FileFailure>(copied));
        QCOMPARE(std::get<FileFailure>(copied).reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        QVERIFY(tables.has_value());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("in.bin") });
    }
}

QTEST_GUILESS_MAIN(tst_PatchWriter)
#include "tst_patchwriter.moc"
