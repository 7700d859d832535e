#include "panelcachestyle.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

// The largest difference of any colour channel between two images of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            largest = std::max({ largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q)) });
        }
    }
    return largest;
}

QImage picture(QLineEdit &box)
{
    return box.grab().toImage();
}

} // namespace

struct Look
{
    const char *name;
    QSize size;
    QColor base;
    bool enabled;
};

// Applied in turn to the same two boxes, each step changing one thing the panel depends on, so a
// cache key that missed it would show the previous step's panel.
const Look kLooks[] = {
    { "bytes box", QSize(441, 19), QColor(240, 240, 240), true },
    { "narrower", QSize(25, 19), QColor(240, 240, 240), true },
    { "taller", QSize(25, 23), QColor(240, 240, 240), true },
    { "other colour", QSize(25, 23), QColor(0, 0, 0), true },
    { "disabled", QSize(25, 23), QColor(0, 0, 0), false },
    { "enabled again", QSize(25, 23), QColor(0, 0, 0), true },
};

class tst_PanelCacheStyle : public QObject
{
    Q_OBJECT

private slots:
    void looksAsTheApplicationStyle();
};

void tst_PanelCacheStyle::looksAsTheApplicationStyle()
{
    QLineEdit plain, cached;
    cached.setStyle(PanelCacheStyle::instance());
    for (QLineEdit *box : { &plain, &cached }) {
        box->setText(QStringLiteral("7F 80 FF"));
        box->setReadOnly(true);
    }
    for (const Look &look : kLooks) {
        for (QLineEdit *box : { &plain, &cached }) {
            box->resize(look.size);
            box->setEnabled(look.enabled);
            if (box->palette().color(QPalette::Active, QPalette::Base) != look.base) {
                // The disabled look keeps its own colour, so only the state tells the two apart.
                QPalette palette = box->palette();
                palette.setColor(QPalette::Active, QPalette::Base, look.base);
                palette.setColor(QPalette::Inactive, QPalette::Base, look.base);
                box->setPalette(palette);
            }
        }
        // Drawn twice: once into the cache, once from it. Antialiased edges blended in two steps may
        // round one level apart.
        for (int pass = 0; pass < 2; ++pass)
            QVERIFY2(largestDifference(picture(plain), picture(cached)) <= 1, look.name);
    }
}

QTEST_MAIN(tst_PanelCacheStyle)
#include "tst_panelcachestyle.moc"
