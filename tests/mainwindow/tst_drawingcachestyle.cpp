#include "boxaddressing.h"
#include "drawingcachestyle.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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

// What the user does to the scroll bar while it shows each box.
enum class ScrollBarState
{
    Enabled,
    Disabled,
    HandleHovered,
    ArrowHovered,
    AddArrowPressed,
    SubArrowPressed
};

class tst_DrawingCacheStyle : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void panelLooksAsTheApplicationStyle();
    void scrollBarLooksAsThePlainStyle_data();
    void scrollBarLooksAsThePlainStyle();

private:
    // The scroll bar's part of the window at each of the 256 boxes, shown in `state`.
    QList<QImage> stepAllBoxes(ScrollBarState state);

    QTemporaryDir m_dir;
    std::unique_ptr<QStyle> m_plain;
    QScrollBar *m_scroll = nullptr;
};

void tst_DrawingCacheStyle::initTestCase()
{
    QApplication::setFont(Form1::designFont());
    const GameRow &row = *catalogueRow(1);
    QByteArray bytes = romfactory::rom(row.headerKey, row.arrayStart - 1);
    romfactory::putBox(bytes, row.arrayStart - 1 + kArraySize - kBoxSize, romfactory::filledBox('\x01'));
    const QString path = m_dir.filePath(QStringLiteral("row1.bin"));
    QVERIFY(romfactory::write(path, bytes));

    m_plain.reset(QStyleFactory::create(QApplication::style()->name()));
    QVERIFY(makeForm());
    QVERIFY(formdriver::open(*m_form, path));
    m_scroll = m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    QVERIFY(m_scroll && m_scroll->isEnabled());
    QCOMPARE(m_scroll->style(), DrawingCacheStyle::instance());
}

void tst_DrawingCacheStyle::cleanupTestCase()
{
    m_form.reset();
}

void tst_DrawingCacheStyle::panelLooksAsTheApplicationStyle()
{
    QLineEdit plain, cached;
    cached.setStyle(DrawingCacheStyle::instance());
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

QList<QImage> tst_DrawingCacheStyle::stepAllBoxes(ScrollBarState state)
{
    const auto arrow
        = [this](bool add) { return QPoint(add ? m_scroll->width() - 4 : 3, m_scroll->height() / 2); };
    const auto handleCentre = [this] {
        QStyleOptionSlider option;
        option.initFrom(m_scroll);
        option.subControls = QStyle::SC_All;
        option.orientation = m_scroll->orientation();
        option.minimum = m_scroll->minimum();
        option.maximum = m_scroll->maximum();
        option.sliderPosition = option.sliderValue = m_scroll->value();
        option.singleStep = m_scroll->singleStep();
        option.pageStep = m_scroll->pageStep();
        if (option.orientation == Qt::Horizontal)
            option.state |= QStyle::State_Horizontal;
        return m_scroll->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, m_scroll)
            .center();
    };

    m_scroll->setEnabled(state != ScrollBarState::Disabled);
    QList<QImage> grabs;
    for (int box = 0; box < kBoxCount; ++box) {
        m_scroll->setValue(box);
        bool pressed = false;
        switch (state) {
        case ScrollBarState::Enabled:
        case ScrollBarState::Disabled:
            break;
        case ScrollBarState::HandleHovered:
            QTest::mouseMove(m_scroll, handleCentre());
            break;
        case ScrollBarState::ArrowHovered:
            QTest::mouseMove(m_scroll, arrow(true));
            break;
        case ScrollBarState::AddArrowPressed:
        case ScrollBarState::SubArrowPressed:
            // Steps the box once, as a click on an arrow does, and stays pressed until released.
            QTest::mousePress(m_scroll, Qt::LeftButton, {}, arrow(state == ScrollBarState::AddArrowPressed));
            pressed = true;
            break;
        }
        grabs.append(m_form->grab(m_scroll->geometry()).toImage());
        if (pressed)
            QTest::mouseRelease(
                m_scroll, Qt::LeftButton, {}, arrow(state == ScrollBarState::AddArrowPressed));
    }
    // Away from the bar, so the next state starts unhovered.
    QTest::mouseMove(m_form.get(), QPoint(2, 2));
    m_scroll->setEnabled(true);
    return grabs;
}

void tst_DrawingCacheStyle::scrollBarLooksAsThePlainStyle_data()
{
    QTest::addColumn<ScrollBarState>("state");
    QTest::newRow("enabled") << ScrollBarState::Enabled;
    QTest::newRow("disabled") << ScrollBarState::Disabled;
    QTest::newRow("handle hovered") << ScrollBarState::HandleHovered;
    QTest::newRow("arrow hovered") << ScrollBarState::ArrowHovered;
    QTest::newRow("add arrow pressed") << ScrollBarState::AddArrowPressed;
    QTest::newRow("sub arrow pressed") << ScrollBarState::SubArrowPressed;
}

// Every box in every state, so a key that missed something the drawing depends on would show a
// drawing made for another value or state; values at 0 and 255 grey out one arrow.
void tst_DrawingCacheStyle::scrollBarLooksAsThePlainStyle()
{
    QFETCH(ScrollBarState, state);
    const QList<QImage> cached = stepAllBoxes(state);
    m_scroll->setStyle(m_plain.get());
    const QList<QImage> plain = stepAllBoxes(state);
    m_scroll->setStyle(DrawingCacheStyle::instance());
    for (int box = 0; box < kBoxCount; ++box) {
        if (cached.at(box) != plain.at(box))
            QFAIL(qPrintable(QStringLiteral("box %1 differs").arg(box)));
    }
    if (state == ScrollBarState::Enabled)
        QVERIFY2(cached.first() != cached.last(), "the handle did not move");

    // The handle takes a few dozen places; a drawing per box would mean the key holds the value.
    const DrawingCacheStyle *style = DrawingCacheStyle::instance();
    QVERIFY(style->cachedBytes() <= style->cacheLimit());
    QVERIFY2(style->cachedDrawings() < kBoxCount, qPrintable(QString::number(style->cachedDrawings())));
    QVERIFY(style->scrollBarsOpaque());
    QVERIFY(m_scroll->testAttribute(Qt::WA_OpaquePaintEvent));
}

QTEST_MAIN(tst_DrawingCacheStyle)
#include "tst_drawingcachestyle.moc"
