#include "bitmapexport.h"
#include "canvasoracle.h"
#include "collisioncanvas.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cerrno>
#include <memory>

namespace {

constexpr int kSize = 128;
using testenvironment::contents;
using testenvironment::listing;

QImage boxPicture(const QByteArray &box)
{
    CollisionCanvas canvas(QColor(10, 20, 30));
    canvas.ClearCollisionBox();
    for (int column = 0; column < 16; ++column)
        canvas.drawColumn(column, quint8(box.at(column)));
    return canvas.image();
}

template<typename T> T field(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

} // namespace

class tst_BitmapExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void otherExtensionStillBitmap();
    void replacesExistingFile();
    void failsCleanly_data();
    void failsCleanly();
    void writeErrorKeepsOldFile_data();
    void writeErrorKeepsOldFile();
    void readOnlyFolderAndFile();
    void readOnlyFolderWritesInPlace();

private:
    // Tries a write that must fail and checks that `folder` (if any) and the file at `path` are as before.
    void expectCleanFailure(const QString &path, const QString &folder);

    std::unique_ptr<QTemporaryDir> m_dir;
    const QImage m_picture = boxPicture(QByteArray(16, '\x08'));
};

void tst_BitmapExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Lets "nobody" reach the folders of the permission cases.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::Permissions(0x7755)));
}

void tst_BitmapExport::cleanup()
{
    // Read-only folders left behind would stop a non-root run from removing the tree.
    for (const QString &name : listing(m_dir->path()))
        QFile::setPermissions(m_dir->filePath(name), QFile::Permissions(0x7755));
    m_dir.reset();
}

void tst_BitmapExport::roundTrip_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("sixteen 0x00") << QByteArray(16, '\x00');
    QTest::newRow("sixteen 0x10") << QByteArray(16, '\x10');
    // Uneven columns show a flipped or mirrored picture.
    QTest::newRow("mixed") << QByteArray::fromHex("FF10F8080001EF20F0FEFD0203040506");
}

void tst_BitmapExport::roundTrip()
{
    QFETCH(QByteArray, box);
    const QString path = m_dir->filePath(QStringLiteral("box.bmp"));
    const auto failure = writeBitmap(boxPicture(box), path);
    QVERIFY2(!failure, qPrintable(failure ? failure->reason : QString()));

    const QByteArray bmp = contents(path);
    QVERIFY(bmp.size() >= 54);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(field<quint32>(bmp, 2), quint32(bmp.size()));
    const quint32 pixelOffset = field<quint32>(bmp, 10);
    QCOMPARE(field<quint32>(bmp, 14), 40u);
    QCOMPARE(field<qint32>(bmp, 18), kSize);
    const qint32 height = field<qint32>(bmp, 22);
    QCOMPARE(qAbs(height), kSize);
    QCOMPARE(field<quint16>(bmp, 26), quint16(1));
    QCOMPARE(field<quint16>(bmp, 28), quint16(24));
    QCOMPARE(field<quint32>(bmp, 30), 0u);

    // Rows pad to four bytes, which 128 pixels of three bytes already fill.
    constexpr qsizetype stride = qsizetype(kSize) * 3;
    QVERIFY(pixelOffset >= 54);
    QCOMPARE(qint64(pixelOffset) + stride * kSize, bmp.size());

    const QImage expected = canvasoracle::picture(box);
    for (int y = 0; y < kSize; ++y) {
        // A positive height stores the bottom row first.
        const qsizetype fileRow = height > 0 ? kSize - 1 - y : y;
        for (int x = 0; x < kSize; ++x) {
            const char *bgr = bmp.constData() + pixelOffset + fileRow * stride + qsizetype(x) * 3;
            const QColor found { quint8(bgr[2]), quint8(bgr[1]), quint8(bgr[0]) };
            if (found != expected.pixelColor(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(found.name())));
        }
    }
}

void tst_BitmapExport::otherExtensionStillBitmap()
{
    const QString png = m_dir->filePath(QStringLiteral("box.png"));
    const QString bmp = m_dir->filePath(QStringLiteral("box.bmp"));
    QVERIFY(!writeBitmap(m_picture, png));
    QVERIFY(!writeBitmap(m_picture, bmp));
    QCOMPARE(contents(png).left(2), QByteArray("BM"));
    QCOMPARE(contents(png), contents(bmp));
}

void tst_BitmapExport::replacesExistingFile()
{
    const QString reference = m_dir->filePath(QStringLiteral("reference.bmp"));
    QVERIFY(!writeBitmap(m_picture, reference));
    // Longer than the bitmap, so an untruncated overwrite would leave a tail.
    const QString path = m_dir->filePath(QStringLiteral("box.bmp"));
    QVERIFY(romfactory::write(path, QByteArray(100000, 'x')));
    QVERIFY(!writeBitmap(m_picture, path));
    QCOMPARE(contents(path), contents(reference));
}

void tst_BitmapExport::expectCleanFailure(const QString &path, const QString &folder)
{
    const QStringList before = folder.isEmpty() ? QStringList() : listing(folder);
    const bool existed = QFileInfo::exists(path);
    const bool wasFile = QFileInfo(path).isFile();
    const QByteArray old = wasFile ? contents(path) : QByteArray();

    const auto failure = writeBitmap(m_picture, path);

    QVERIFY(failure);
    QCOMPARE(failure->path, path);
    QVERIFY(!failure->reason.trimmed().isEmpty());
    if (!folder.isEmpty())
        QCOMPARE(listing(folder), before);
    QCOMPARE(QFileInfo::exists(path), existed);
    QCOMPARE(QFileInfo(path).isFile(), wasFile);
    if (wasFile)
        QCOMPARE(contents(path), old);
}

void tst_BitmapExport::failsCleanly_data()
{
    // Relative paths are made in the test's folder, which is then watched for leftovers.
    QTest::addColumn<QString>("path");
    QTest::newRow("missing folder") << "absent/box.bmp";
    QTest::newRow("existing directory") << "folder";
    QTest::newRow("parent is a file") << "file.txt/box.bmp";
    QTest::newRow("under /proc") << "/proc/tilegauge-box.bmp";
    QTest::newRow("over a /proc file") << "/proc/version";
}

void tst_BitmapExport::failsCleanly()
{
    QFETCH(QString, path);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QVERIFY(romfactory::write(m_dir->filePath(QStringLiteral("folder/inside.txt")), "keep"));
    QVERIFY(romfactory::write(m_dir->filePath(QStringLiteral("file.txt")), "keep"));
    const bool inTestFolder = QDir::isRelativePath(path);

    expectCleanFailure(inTestFolder ? m_dir->filePath(path) : path, inTestFolder ? m_dir->path() : QString());
    QCOMPARE(listing(m_dir->filePath(QStringLiteral("folder"))), QStringList { "inside.txt" });
    QCOMPARE(contents(m_dir->filePath(QStringLiteral("file.txt"))), QByteArray("keep"));
}

void tst_BitmapExport::writeErrorKeepsOldFile_data()
{
    // The process's file size limit binds even for root and fails a write as a full disk would.
    QTest::addColumn<int>("limit");
    QTest::newRow("at the first byte") << 0;
    QTest::newRow("partway") << 4096;
}

void tst_BitmapExport::writeErrorKeepsOldFile()
{
    QFETCH(int, limit);
    const QString path = m_dir->filePath(QStringLiteral("box.bmp"));
    QVERIFY(romfactory::write(path, QByteArray(5000, 'x')));
    const QByteArray old = contents(path);
    const QStringList before = listing(m_dir->path());

    std::optional<FileFailure> failure;
    {
        const FileSizeLimit fileSizeLimit { rlim_t(limit) };
        failure = writeBitmap(m_picture, path);
    }

    QVERIFY(failure);
    QCOMPARE(failure->path, path);
    QCOMPARE(failure->reason, testenvironment::reason(EFBIG));
    QCOMPARE(contents(path), old);
    QCOMPARE(listing(m_dir->path()), before);
}

void tst_BitmapExport::readOnlyFolderAndFile()
{
    const QString folder = m_dir->filePath(QStringLiteral("locked"));
    const QString path = folder + QStringLiteral("/box.bmp");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("locked")));
    QVERIFY(romfactory::write(path, "old picture"));
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x4444)));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x5555)));

    const PermissionsBind asNobody;
    expectCleanFailure(path, folder);
    if (!QTest::currentTestFailed())
        expectCleanFailure(folder + QStringLiteral("/new.bmp"), folder);
}

void tst_BitmapExport::readOnlyFolderWritesInPlace()
{
    const QString reference = m_dir->filePath(QStringLiteral("reference.bmp"));
    QVERIFY(!writeBitmap(m_picture, reference));
    const QString folder = m_dir->filePath(QStringLiteral("locked"));
    const QString path = folder + QStringLiteral("/box.bmp");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("locked")));
    QVERIFY(romfactory::write(path, QByteArray(100000, 'x')));
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x6666)));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x5555)));

    std::optional<FileFailure> failure;
    {
        const PermissionsBind asNobody;
        failure = writeBitmap(m_picture, path);
    }
    QVERIFY2(!failure, qPrintable(failure ? failure->reason : QString()));
    QCOMPARE(contents(path), contents(reference));
    QCOMPARE(listing(folder), QStringList { "box.bmp" });
}

QTEST_GUILESS_MAIN(tst_BitmapExport)
#include "tst_bitmapexport.moc"
