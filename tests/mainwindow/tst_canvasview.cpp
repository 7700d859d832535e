#include "canvasview.h"

#include <QImage>
#include <QTest>

class tst_CanvasView : public QObject
{
    Q_OBJECT

private slots:
    void paintsEveryPixel();
};

// The view tells Qt it is opaque, so Qt paints nothing beneath it: any pixel it leaves would show
// whatever was on the screen before.
void tst_CanvasView::paintsEveryPixel()
{
    QVERIFY(CanvasView(nullptr, nullptr).testAttribute(Qt::WA_OpaquePaintEvent));

    QImage canvas(128, 128, QImage::Format_RGB32);
    canvas.fill(Qt::gray);
    CanvasView view(&canvas, nullptr);
    view.resize(130, 130);
    const QColor stale(255, 0, 255);
    QImage screen(view.size(), QImage::Format_RGB32);
    screen.fill(stale);
    view.render(&screen, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixelColor(x, y) == stale)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) left unpainted").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(tst_CanvasView)
#include "tst_canvasview.moc"
