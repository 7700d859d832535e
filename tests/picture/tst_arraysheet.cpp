#include "arraysheet.h"
#include "imagefile.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

constexpr int kMixedBox = 0x25; // column 5, row 2 of the sheet
constexpr std::array<quint8, 5> kValues { 0x00, 0x08, 0x10, 0xF8, 0xFF };

// Column c of the mixed box holds kValues[c % 5]; every other box is empty.
CollisionArray mixedArray()
{
    CollisionArray array;
    for (int c = 0; c < kBoxSize; ++c)
        array.bytes[size_t(kMixedBox) * kBoxSize + size_t(c)] = kValues[size_t(c % 5)];
    return array;
}

// Which cell rows (0 at the top) a column of each value fills, written out by hand.
bool expectedFilled(quint8 value, int row)
{
    switch (value) {
    case 0x08:
        return row >= 8;
    case 0x10:
        return true;
    case 0xF8:
        return row < 8;
    case 0xFF:
        return row == 0;
    default:
        return false;
    }
}

} // namespace

class tst_ArraySheet : public QObject
{
    Q_OBJECT

private slots:
    void compactLook();
    void canvasLook();
    void roundTrips_data();
    void roundTrips();
    void refusals_data();
    void refusals();

private:
    QTemporaryDir m_dir;
};

void tst_ArraySheet::compactLook()
{
    const QImage sheet = arraySheet(mixedArray(), SheetLook::Compact);
    QCOMPARE(sheet.size(), QSize(256, 256));
    const int left = (kMixedBox % 16) * 16;
    const int top = (kMixedBox / 16) * 16;
    for (int c = 0; c < kBoxSize; ++c) {
        for (int row = 0; row < kBoxSize; ++row) {
            const QRgb want = expectedFilled(kValues[size_t(c % 5)], row) ? qRgb(255, 255, 0) : qRgb(0, 0, 0);
            QCOMPARE(sheet.pixel(left + c, top + row), want);
        }
    }
    QCOMPARE(sheet.pixel(left - 1, top), qRgb(0, 0, 0)); // the box before is empty
    QCOMPARE(sheet.pixel(255, 255), qRgb(0, 0, 0));
}

void tst_ArraySheet::canvasLook()
{
    const QImage sheet = arraySheet(mixedArray(), SheetLook::Canvas);
    QCOMPARE(sheet.size(), QSize(2082, 2082));
    const int left = 2 + (kMixedBox % 16) * 130;
    const int top = 2 + (kMixedBox / 16) * 130;
    for (int c = 0; c < kBoxSize; ++c) {
        for (int row = 0; row < kBoxSize; ++row) {
            const bool filled = expectedFilled(kValues[size_t(c % 5)], row);
            const QRgb inside = filled ? qRgb(255, 255, 0) : qRgb(192, 192, 192);
            QCOMPARE(sheet.pixel(left + 8 * c + 3, top + 8 * row + 3), inside);
            QCOMPARE(sheet.pixel(left + 8 * c, top + 8 * row), inside);
            QCOMPARE(sheet.pixel(left + 8 * c + 7, top + 8 * row + 3), qRgb(0, 0, 0));
            QCOMPARE(sheet.pixel(left + 8 * c + 3, top + 8 * row + 7), qRgb(0, 0, 0));
        }
    }
    const QRgb white = qRgb(255, 255, 255);
    for (const QPoint gap : { QPoint(0, 0), QPoint(1, 1), QPoint(left - 1, top), QPoint(left - 2, top + 5),
             QPoint(left + 128, top), QPoint(left, top - 1), QPoint(left, top + 128), QPoint(2081, 2081),
             QPoint(2080, 1000), QPoint(1000, 2080) })
        QCOMPARE(sheet.pixel(gap), white);
    QCOMPARE(sheet.pixel(2, 2), qRgb(192, 192, 192)); // box 0, empty
    QCOMPARE(sheet.pixel(2079, 2079), qRgb(0, 0, 0)); // box 255's last cell edge
}

void tst_ArraySheet::roundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("PNG") << QStringLiteral("sheet.png") << QByteArray("png");
    QTest::newRow("BMP") << QStringLiteral("sheet.BMP") << QByteArray("bmp");
    QTest::newRow("no extension") << QStringLiteral("sheet") << QByteArray("png");
}

void tst_ArraySheet::roundTrips()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const QString path = m_dir.filePath(name);
    QCOMPARE(QByteArray(sheetFormatForPath(path)), format);
    const QImage sheet = arraySheet(mixedArray(), SheetLook::Compact);
    QVERIFY(!writeImageFile(sheet, path, sheetFormatForPath(path)));
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), sheet);
    if (format == "bmp") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(quint8(file.read(30).at(28)), quint8(24)); // bits a pixel
    }
}

void tst_ArraySheet::refusals_data()
{
    QTest::addColumn<QString>("path");
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.png"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("folder missing") << m_dir.filePath(QStringLiteral("no/such/sheet.png"));
    QTest::newRow("FIFO") << fifo;
    QTest::newRow("a folder") << m_dir.path();
}

void tst_ArraySheet::refusals()
{
    QFETCH(QString, path);
    const auto failure = writeImageFile(arraySheet(mixedArray(), SheetLook::Compact), path, "png");
    QVERIFY(failure);
    QCOMPARE(failure->path, path);
    QVERIFY(!failure->reason.isEmpty());
}

QTEST_GUILESS_MAIN(tst_ArraySheet)
#include "tst_arraysheet.moc"
