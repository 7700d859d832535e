#include "arraygrid.h"
#include "arraysheet.h"

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Every box different: floors, ceilings, full, empty, so a box drawn at another place shows.
CollisionArray syntheticArray()
{
    CollisionArray array;
    for (int box = 0; box < kBoxCount; ++box) {
        for (int column = 0; column < kBoxSize; ++column) {
            const int h = (box + column) % 17;
            array.bytes[size_t(box) * kBoxSize + size_t(column)] = quint8(box % 5 == 4 ? 0x100 - h : h);
        }
        array.angles[size_t(box)] = quint8(box);
    }
    return array;
}

// At zoom 2, which a grid of its own would not take on the small offscreen screen.
QImage grabGrid(ArrayGrid &grid)
{
    grid.resize(ArrayGrid::sideAt(2), ArrayGrid::sideAt(2));
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Records the region of each paint the grid gets.
class PaintRecorder : public QObject
{
public:
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent *>(event)->region();
            ++paints;
        }
        return false;
    }
};

} // namespace

class tst_ArrayGrid : public QObject
{
    Q_OBJECT

private slots:
    void eachBoxAtItsPlaceDoubled();
    void outlineInTheGapOnly();
    void stepRepaintsOnlyTheTwoBoxes();
    void keysAndClicksAskForABox_data();
    void keysAndClicksAskForABox();
    void boxAtFindsEveryBox();
    void anglesDrawnAndFlagged();
};

void tst_ArrayGrid::eachBoxAtItsPlaceDoubled()
{
    ArrayGrid grid(nullptr);
    const CollisionArray array = syntheticArray();
    grid.setArray(array);
    const QImage shot = grabGrid(grid);
    const QImage sheet = arraySheet(array, SheetLook::Compact).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(ArrayGrid::sideAt(2), ArrayGrid::sideAt(2)));
    for (int box = 0; box < kBoxCount; ++box) {
        const QRect place = grid.boxRect(box);
        for (int y = 0; y < place.height(); ++y) {
            for (int x = 0; x < place.width(); ++x) {
                const QRgb want = sheet.pixel((box % 16) * 16 + x / 2, (box / 16) * 16 + y / 2);
                if (shot.pixel(place.left() + x, place.top() + y) != want)
                    QFAIL(qPrintable(QStringLiteral("box %1 pixel %2,%3").arg(box).arg(x).arg(y)));
            }
        }
    }
    // The cells really are yellow and black, not a blend.
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QVERIFY(shot.pixel(grid.boxRect(7).topLeft() + QPoint(x, y)) == yellow
                || shot.pixel(grid.boxRect(7).topLeft() + QPoint(x, y)) == black);
}

void tst_ArrayGrid::outlineInTheGapOnly()
{
    ArrayGrid grid(nullptr);
    grid.setArray(syntheticArray());
    const QImage before = grabGrid(grid);
    grid.setCurrent(0x35);
    const QImage after = grabGrid(grid);
    const QRgb outline = grid.palette().color(QPalette::Highlight).rgb();
    const QRgb background = grid.palette().color(QPalette::Window).rgb();

    const QRect box = grid.boxRect(0x35);
    const QRect ring = box.adjusted(-ArrayGrid::kOutline, -ArrayGrid::kOutline, ArrayGrid::kOutline,
        ArrayGrid::kOutline);
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
        for (int x = ring.left(); x <= ring.right(); ++x) {
            const QPoint p(x, y);
            if (box.contains(p))
                QCOMPARE(after.pixel(p), before.pixel(p)); // the box's own pixels stay
            else
                QCOMPARE(after.pixel(p), outline);
        }
    }
    // Box 0 lost its outline, and nothing else changed.
    const QRect oldRing = grid.boxRect(0).adjusted(-2, -2, 2, 2);
    QCOMPARE(after.pixel(oldRing.topLeft()), background);
    QCOMPARE(before.pixel(oldRing.topLeft()), outline);
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (!ring.contains(x, y) && !oldRing.contains(x, y) && after.pixel(x, y) != before.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 changed").arg(x).arg(y)));
}

void tst_ArrayGrid::stepRepaintsOnlyTheTwoBoxes()
{
    ArrayGrid grid(nullptr);
    grid.setArray(syntheticArray());
    grid.setCurrent(0x10);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCoreApplication::processEvents();

    PaintRecorder recorder;
    grid.installEventFilter(&recorder);
    grid.setCurrent(0x11);
    QTRY_VERIFY(recorder.paints > 0);
    QCoreApplication::processEvents();

    const QRegion allowed = QRegion(grid.boxRect(0x10).adjusted(-2, -2, 2, 2))
        + QRegion(grid.boxRect(0x11).adjusted(-2, -2, 2, 2));
    QVERIFY2((recorder.painted - allowed).isEmpty(), "painted beyond the two boxes");
    QVERIFY2((allowed - recorder.painted).isEmpty(), "an outline was not repainted");

    // Setting the box already outlined paints nothing.
    recorder.paints = 0;
    grid.setCurrent(0x11);
    QCoreApplication::processEvents();
    QCOMPARE(recorder.paints, 0);
}

void tst_ArrayGrid::keysAndClicksAskForABox_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("asked"); // -1: no request

    QTest::newRow("right") << 5 << int(Qt::Key_Right) << 6;
    QTest::newRow("left") << 5 << int(Qt::Key_Left) << 4;
    QTest::newRow("left at 00") << 0 << int(Qt::Key_Left) << -1;
    QTest::newRow("right at FF") << 255 << int(Qt::Key_Right) << -1;
    QTest::newRow("down") << 5 << int(Qt::Key_Down) << 0x15;
    QTest::newRow("up near the top") << 5 << int(Qt::Key_Up) << 0;
    QTest::newRow("page down") << 0xF5 << int(Qt::Key_PageDown) << 0xFF;
    QTest::newRow("home") << 0x80 << int(Qt::Key_Home) << 0;
    QTest::newRow("end") << 0x80 << int(Qt::Key_End) << 0xFF;
}

void tst_ArrayGrid::keysAndClicksAskForABox()
{
    QFETCH(int, current);
    QFETCH(int, key);
    QFETCH(int, asked);
    ArrayGrid grid(nullptr);
    grid.setArray(syntheticArray());
    grid.setCurrent(current);
    QSignalSpy spy(&grid, &ArrayGrid::boxChosen);
    QTest::keyClick(&grid, Qt::Key(key));
    if (asked < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), asked);
    }
    // The grid waits to be told the box is on display.
    QCOMPARE(grid.current(), current);

    spy.clear();
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.boxRect(0xA7).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 0xA7);
}

void tst_ArrayGrid::boxAtFindsEveryBox()
{
    ArrayGrid grid(nullptr);
    for (int box = 0; box < kBoxCount; ++box) {
        const QRect place = grid.boxRect(box);
        QCOMPARE(grid.boxAt(place.topLeft()), box);
        QCOMPARE(grid.boxAt(place.bottomRight()), box);
    }
    QCOMPARE(grid.boxAt(QPoint(0, 0)), -1);
    QCOMPARE(grid.boxAt(QPoint(ArrayGrid::sideAt(2) - 1, 10)), -1);

    // Without an array a click asks for nothing.
    QSignalSpy spy(&grid, &ArrayGrid::boxChosen);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.boxRect(3).center());
    QTest::keyClick(&grid, Qt::Key_End);
    QCOMPARE(spy.count(), 0);
}

void tst_ArrayGrid::anglesDrawnAndFlagged()
{
    CollisionArray array; // all empty boxes: black
    array.angles[1] = 0x00; // 0 degrees: a level line
    array.angles[2] = 0x40; // 270 degrees: straight down and up
    array.angles[3] = 0xFF; // flagged
    ArrayGrid grid(nullptr);
    grid.setArray(array);
    const QImage plain = grabGrid(grid);
    grid.setAnglesShown(true);
    const QImage drawn = grabGrid(grid);
    const auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 100; };

    const QPoint level = grid.boxRect(1).center();
    QVERIFY(reddish(drawn.pixel(level + QPoint(8, 0))));
    QVERIFY(!reddish(drawn.pixel(level + QPoint(0, 8))));
    const QPoint upright = grid.boxRect(2).center();
    QVERIFY(reddish(drawn.pixel(upright + QPoint(0, 8))));
    QVERIFY(!reddish(drawn.pixel(upright + QPoint(8, 0))));
    const QPoint flagged = grid.boxRect(3).center();
    QVERIFY(qBlue(drawn.pixel(flagged + QPoint(5, 0))) > 150 || qBlue(drawn.pixel(flagged + QPoint(4, 0))) > 150);
    QCOMPARE(plain.pixel(level + QPoint(8, 0)), qRgb(0, 0, 0));
}

QTEST_MAIN(tst_ArrayGrid)
#include "tst_arraygrid.moc"
