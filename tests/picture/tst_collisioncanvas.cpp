#include "canvasoracle.h"
#include "collisioncanvas.h"

#include <QTest>

namespace {

const QColor kBackground(10, 20, 30);

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
    void wholeBoxes_data();
    void wholeBoxes();
    void nextBoxLeavesNoTrace();
};

void tst_CollisionCanvas::tiles()
{
    const std::pair<QColor, QColor> tiles[] { { CollisionCanvas::kGray, canvasoracle::kGray },
        { CollisionCanvas::kYellow, canvasoracle::kYellow } };
    for (const auto &[made, colour] : tiles) {
        const QImage tile = CollisionCanvas::makeTile(made);
        QCOMPARE(tile.size(), QSize(8, 8));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                QCOMPARE(tile.pixelColor(x, y), (x == 7 || y == 7) ? canvasoracle::kBlack : colour);
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

void tst_CollisionCanvas::wholeBoxes_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::newRow("sixteen 0x00") << QByteArray(16, '\0');
    QTest::newRow("sixteen 0x10") << QByteArray(16, '\x10');
    QTest::newRow("sixteen 0xF0") << QByteArray(16, '\xF0');
    QTest::newRow("floors and ceilings") << QByteArray::fromHex("08000000000000000000000000F4F8FF");
    QTest::newRow("mixed") << QByteArray::fromHex("FF10F8080001EF20F0FEFD0203040506");
}

void tst_CollisionCanvas::wholeBoxes()
{
    QFETCH(QByteArray, box);
    QCOMPARE(canvasoracle::difference(canvasOf(box), box), QString());
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
