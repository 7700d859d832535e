#include "canvasoracle.h"
#include "collisioncanvas.h"

#include <QTest>

namespace {

const QColor kBackground(10, 20, 30);
using canvasoracle::kBlack;
using canvasoracle::kGray;
using canvasoracle::kYellow;

QImage canvasOf(const QByteArray &box)
{
    CollisionCanvas canvas(kBackground);
    canvas.ClearCollisionBox();
    for (int column = 0; column < 16; ++column)
        canvas.drawColumn(column, quint8(box.at(column)));
    return canvas.image();
}

} // namespace

class tst_CollisionCanvas : public QObject
{
    Q_OBJECT

private slots:
    void tiles();
    void backgroundBeforeFirstPaint();
    void everyValueFollowsTheRule();
    void pixels_data();
    void pixels();
    void fullColumnsLookAlike();
    void nextBoxLeavesNoTrace();
};

void tst_CollisionCanvas::tiles()
{
    const std::pair<QColor, QColor> tiles[] { { CollisionCanvas::kGray, kGray },
        { CollisionCanvas::kYellow, kYellow } };
    for (const auto &[made, colour] : tiles) {
        const QImage tile = CollisionCanvas::makeTile(made);
        QCOMPARE(tile.size(), QSize(8, 8));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                QCOMPARE(tile.pixelColor(x, y), (x == 7 || y == 7) ? kBlack : colour);
        }
    }
}

void tst_CollisionCanvas::backgroundBeforeFirstPaint()
{
    CollisionCanvas canvas(kBackground);
    QCOMPARE(canvas.image().size(), QSize(128, 128));
    QCOMPARE(canvas.image().pixelColor(0, 0), kBackground);
    QCOMPARE(canvas.image().pixelColor(127, 127), kBackground);
    QCOMPARE(canvas.image().pixelColor(7, 7), kBackground);
}

// Every byte value in every column, checked pixel by pixel against the table.
void tst_CollisionCanvas::everyValueFollowsTheRule()
{
    for (int value = 0; value < 256; ++value) {
        QByteArray box(16, '\0');
        box[value % 16] = char(value);
        const QString difference = canvasoracle::difference(canvasOf(box), box);
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("value %1: %2").arg(value).arg(difference)));
    }
}

void tst_CollisionCanvas::pixels_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    const QByteArray zeros(16, '\0');
    QTest::newRow("0x00 top-left gray") << zeros << QPoint(0, 0) << kGray;
    QTest::newRow("0x00 (7, 0) black") << zeros << QPoint(7, 0) << kBlack;
    QTest::newRow("0x00 (0, 7) black") << zeros << QPoint(0, 7) << kBlack;
    QTest::newRow("0x00 corner black") << zeros << QPoint(127, 127) << kBlack;
    QTest::newRow("0x10 all yellow") << QByteArray(16, '\x10') << QPoint(64, 0) << kYellow;
    QTest::newRow("0xF0 all yellow") << QByteArray(16, '\xF0') << QPoint(120, 120)
                                     << kYellow;
    QTest::newRow("0xF0 grid stays") << QByteArray(16, '\xF0') << QPoint(127, 127) << kBlack;

    QByteArray half = zeros;
    half[0] = '\x08';
    QTest::newRow("0x08 yellow at y 64") << half << QPoint(0, 64) << kYellow;
    QTest::newRow("0x08 gray at y 62") << half << QPoint(0, 62) << kGray;
    QTest::newRow("0x08 black at y 63") << half << QPoint(0, 63) << kBlack;

    QByteArray ceiling = zeros;
    ceiling[15] = '\xFF';
    QTest::newRow("0xFF yellow top cell") << ceiling << QPoint(120, 0) << kYellow;
    QTest::newRow("0xFF gray below") << ceiling << QPoint(120, 8) << kGray;
    QTest::newRow("0xFF right edge black") << ceiling << QPoint(127, 0) << kBlack;
}

void tst_CollisionCanvas::pixels()
{
    QFETCH(QByteArray, box);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QCOMPARE(canvasOf(box).pixelColor(pixel), colour);
}

void tst_CollisionCanvas::fullColumnsLookAlike()
{
    const QImage full = canvasOf(QByteArray(16, '\x10'));
    for (char value : { '\x11', '\x20', '\x80', '\xEF', '\xF0' })
        QCOMPARE(canvasOf(QByteArray(16, value)), full);
}

void tst_CollisionCanvas::nextBoxLeavesNoTrace()
{
    const QByteArray first = QByteArray::fromHex("FF10F8080001EF20F0FEFD0203040506");
    const QByteArray second = QByteArray::fromHex("00000102030405060708090A0B0C0D0E");
    CollisionCanvas canvas(kBackground);
    for (const QByteArray &box : { first, second }) {
        canvas.ClearCollisionBox();
        for (int column = 0; column < 16; ++column)
            canvas.drawColumn(column, quint8(box.at(column)));
    }
    QCOMPARE(canvas.image(), canvasOf(second));
}

QTEST_GUILESS_MAIN(tst_CollisionCanvas)
#include "tst_collisioncanvas.moc"
