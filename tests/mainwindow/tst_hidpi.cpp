#include "collisioncanvas.h"
#include "form1.h"
#include "formdriver.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// Run with QT_SCALE_FACTOR=2: the window renders every logical pixel as 2 x 2 device pixels, the
// canvas cells as hard-edged blocks, with nothing smoothed or shifted.
class tst_HiDpi : public QObject
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void canvasStaysCrispAndInPlace();
};

void tst_HiDpi::canvasStaysCrispAndInPlace()
{
    QTemporaryDir dir;
    // Floors, ceilings and empty columns side by side: yellow, gray and black edges in every cell row.
    const QString path = dir.filePath(QStringLiteral("rom.bin"));
    QVERIFY(romfactory::write(path,
        romfactory::gameRom(1, { QByteArray::fromHex("00 01 04 08 0F 10 F0 F8 FF 00 07 0C 03 F4 10 02") })));

    Form1 form(0x0409);
    QVERIFY(formdriver::show(form));
    QCOMPARE(form.devicePixelRatio(), 2.0);
    QVERIFY(formdriver::open(form, path));

    const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), 2 * form.size());

    // Picture1 is its one-pixel border, two device pixels thick, around the canvas doubled without filtering.
    const QRect view = form.findChild<QWidget *>(QStringLiteral("Picture1"))->geometry();
    QImage shown = shot.copy(QRect(2 * view.topLeft(), 2 * view.size()));
    shown.setDevicePixelRatio(1);
    QImage expected(shown.size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(2, 2,
        form.canvasImage().scaled(2 * CollisionCanvas::kSize, 2 * CollisionCanvas::kSize,
            Qt::IgnoreAspectRatio, Qt::FastTransformation));
    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            colours.insert(shown.pixel(x, y));
    }
    const QSet<QRgb> cellColours { CollisionCanvas::kGray.rgb(), CollisionCanvas::kYellow.rgb(),
        qRgb(0, 0, 0) };
    QCOMPARE(colours, cellColours);
    QCOMPARE(shown, expected);

    // The window's own marker line left of the canvas lands two device rows thick, where it belongs.
    const QRgb line = form.palette().color(QPalette::WindowText).rgb();
    const QRgb window = form.palette().color(QPalette::Window).rgb();
    QCOMPARE(shot.pixel(2 * 310, 2 * 200), line);
    QCOMPARE(shot.pixel(2 * 310, 2 * 200 + 1), line);
    QCOMPARE(shot.pixel(2 * 310, 2 * 200 - 1), window);
    QCOMPARE(shot.pixel(2 * 310, 2 * 200 + 2), window);
}

QTEST_MAIN(tst_HiDpi)
#include "tst_hidpi.moc"
