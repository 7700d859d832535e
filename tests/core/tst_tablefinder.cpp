#include "collisionarray.h"
#include "tablefinder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

constexpr qint64 kImageSize = 4 << 20;
constexpr qint64 kMoved = 0x1A0000; // where a rebuilt hack has put its array
constexpr qint64 kDecoy = 0x300000; // collision-like bytes that only odd-offset noise points at

QByteArray lea(qint64 address)
{
    QByteArray bytes("\x45\xF9", 2);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((address >> shift) & 0xFF));
    return bytes;
}

QByteArray collisionBytes()
{
    QByteArray bytes(kArraySize, '\0');
    for (int i = 16; i < kArraySize; ++i)
        bytes[i] = char((i / 16) % 17);
    return bytes;
}

// Pieces written into a sparse file of `size` bytes.
bool writeImage(const QString &path, qint64 size, const QList<QPair<qint64, QByteArray>> &pieces)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        return false;
    for (const auto &[offset, bytes] : pieces) {
        if (!file.seek(offset) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

} // namespace

class tst_TableFinder : public QObject
{
    Q_OBJECT

private slots:
    void findsRelocatedTablesAboveNoise();
    void tableFilesAreTheirOwnArray_data();
    void tableFilesAreTheirOwnArray();
    void reportsProgressAndCancels();
    void refusesAllButRegularFiles_data();
    void refusesAllButRegularFiles();
    void instructionAcrossABlockEdge();

private:
    QTemporaryDir m_dir;
};

void tst_TableFinder::findsRelocatedTablesAboveNoise()
{
    QByteArray code;
    for (int i = 0; i < 20; ++i)
        code += lea(kImageSize + qint64(0x100) * i); // past the end
    for (int i = 0; i < 10; ++i)
        code += lea(0x200000); // an unrelated table, loaded often: all zero bytes
    code += lea(kMoved - 0x100) + lea(kMoved) + lea(kMoved + kArraySize);
    QByteArray oddNoise("\x4E");
    oddNoise += lea(kDecoy) + lea(kDecoy - 0x100);

    const QString path = m_dir.filePath(QStringLiteral("hack.bin"));
    QVERIFY(writeImage(path, kImageSize,
        { { 0x1000, code }, { 0x2001 - 1, oddNoise }, { kMoved, collisionBytes() },
            { kMoved + kArraySize, collisionBytes() }, { kDecoy, collisionBytes() },
            { kMoved - 0x100, QByteArray(256, '\x20') }, { 0x280000, QByteArray(kArraySize, 'T') } }));

    const TableSearch search = findTables(path);
    QVERIFY(!search.failure);
    QVERIFY(!search.cancelled);
    QVERIFY(!search.candidates.empty());
    const TableCandidate &best = search.candidates.front();
    QCOMPARE(best.arrayStart, kMoved);
    QCOMPARE(best.angleStart, kMoved - 0x100);
    QCOMPARE(best.loads, 1);
    QVERIFY(best.angleMapLoaded);
    QVERIFY(best.rotatedLoaded);
    QCOMPARE(best.score, 1.0);
    for (const TableCandidate &candidate : search.candidates) {
        QVERIFY(candidate.arrayStart < kImageSize);
        QVERIFY(candidate.arrayStart != kDecoy);
    }
    const auto often = std::find_if(search.candidates.begin(), search.candidates.end(),
        [](const TableCandidate &c) { return c.arrayStart == 0x200000; });
    QVERIFY(often != search.candidates.end());
    QCOMPARE(often->loads, 10);
    QCOMPARE(often->score, 0.0);
}

void tst_TableFinder::tableFilesAreTheirOwnArray_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("whole");
    QTest::newRow("one array") << qint64(kArraySize) << true;
    QTest::newRow("both arrays") << qint64(2 * kArraySize) << true;
    QTest::newRow("one byte more") << qint64(kArraySize + 1) << false;
}

void tst_TableFinder::tableFilesAreTheirOwnArray()
{
    QFETCH(qint64, size);
    QFETCH(bool, whole);
    const QString path = m_dir.filePath(QStringLiteral("table-%1").arg(size));
    // A load of 0 in the table itself must not make a second candidate 0.
    QVERIFY(writeImage(path, size, { { 0, collisionBytes().left(128) }, { 0x200, lea(0) } }));
    const TableSearch search = findTables(path);
    QVERIFY(!search.failure);
    QCOMPARE(!search.candidates.empty() && search.candidates.front().wholeFile, whole);
    QCOMPARE(std::count_if(search.candidates.begin(), search.candidates.end(),
                 [](const TableCandidate &c) { return c.arrayStart == 0; }),
        1);
    if (whole)
        QCOMPARE(search.candidates.front().angleStart, -1);
}

void tst_TableFinder::reportsProgressAndCancels()
{
    const QString path = m_dir.filePath(QStringLiteral("big"));
    QVERIFY(writeImage(path, kImageSize, { { 0x10, lea(0x100) } }));
    QList<qint64> seen;
    const TableSearch all = findTables(path, [&](qint64 done, qint64 total) {
        seen.append(done);
        return total == kImageSize;
    });
    QCOMPARE(seen.size(), 4);
    QCOMPARE(seen.last(), kImageSize);
    QCOMPARE(all.candidates.size(), size_t(1));

    int calls = 0;
    const TableSearch cancelled = findTables(path, [&](qint64, qint64) { return ++calls < 2; });
    QVERIFY(cancelled.cancelled);
    QCOMPARE(calls, 2);
    QVERIFY(cancelled.candidates.empty());
    QVERIFY(!cancelled.failure);
}

void tst_TableFinder::refusesAllButRegularFiles_data()
{
    QTest::addColumn<QString>("path");
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("FIFO") << fifo;
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero");
    QTest::newRow("directory") << m_dir.path();
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("nothing"));
}

void tst_TableFinder::refusesAllButRegularFiles()
{
    QFETCH(QString, path);
    const TableSearch search = findTables(path);
    QVERIFY(search.failure);
    QCOMPARE(search.failure->path, path);
    QVERIFY(!search.failure->reason.isEmpty());
    QVERIFY(search.candidates.empty());
}

void tst_TableFinder::instructionAcrossABlockEdge()
{
    const QString path = m_dir.filePath(QStringLiteral("edge"));
    const qint64 edge = 1 << 20;
    QVERIFY(writeImage(path, 2 * edge, { { edge - 4, lea(0x4000) }, { edge - 2, lea(0x8000) } }));
    const TableSearch search = findTables(path);
    QCOMPARE(search.candidates.size(), size_t(1));
    QCOMPARE(search.candidates.front().arrayStart, 0x8000);
}

QTEST_GUILESS_MAIN(tst_TableFinder)
#include "tst_tablefinder.moc"
