#include "arraygrid.h"
#include "arraywindow.h"
#include "arraywindowlink.h"
#include "form1.h"
#include "windowplacement.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void sideBySide_data();
    void sideBySide();
    void realWindowsAt1024x768();
};

void tst_WindowPlacement::sideBySide_data()
{
    // A centred main window leaves no room on either side here, and moves; one placed elsewhere stays.
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("main"); // where a 477 x 333 frame stands; -1, -1: centred
    QTest::addColumn<QSize>("array");
    QTest::addColumn<QSize>("shrunk"); // invalid: as asked
    const QRect large(0, 0, 1920, 1080);
    const QPoint centred(-1, -1);
    QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << centred << QSize(440, 700) << QSize();
    QTest::newRow("1366x768, a panel") << QRect(0, 27, 1366, 741) << centred << QSize(600, 741) << QSize();
    QTest::newRow("1920x1080, room on the right") << large << QPoint(100, 600) << QSize(880, 1040) << QSize();
    QTest::newRow("room on the left") << large << QPoint(1400, 9) << QSize(880, 1040) << QSize();
    QTest::newRow("scale 2: shrunk") << QRect(0, 0, 960, 540) << centred << QSize(540, 600)
                                     << QSize(483, 540);
}

void tst_WindowPlacement::sideBySide()
{
    QFETCH(QRect, screen);
    QFETCH(QPoint, main);
    QFETCH(QSize, array);
    QFETCH(QSize, shrunk);
    QRect form(main, QSize(477, 333));
    if (main.x() < 0)
        form.moveCenter(screen.center());
    const WindowPlacement place = placeBeside(screen, form, array);
    QVERIFY(screen.contains(place.main) && screen.contains(place.array)
        && (place.array.left() == place.main.right() + 1 || place.array.right() + 1 == place.main.left()));
    QCOMPARE(place.main == form, main.x() >= 0);
    QCOMPARE(place.array.size(), shrunk.isValid() ? shrunk : array);
}

// Where the array window once covered the main window's texts, and where the editor must still fit.
void tst_WindowPlacement::realWindowsAt1024x768()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The program's font, which its window sizes are made for.
    QApplication::setFont(Form1::designFont());
    Form1 form(0x0409);
    auto *link = new ArrayWindowLink(form.seam());
    form.show();
    link->toggleWindow();
    const QRect array = link->window()->frameGeometry();
    QVERIFY(screen.contains(form.frameGeometry()) && screen.contains(array)
        && !form.frameGeometry().intersects(array));
    QCOMPARE(link->window()->findChild<ArrayGrid *>()->zoom(), 1);

    // Nothing of the window squeezed: the editor, the grid and a field of 16 bytes whole, apart.
    QWidget *window = link->window();
    QRect taken;
    for (const char *name : { "ArrayGrid", "EditorPanel", "bytes" }) {
        auto *widget = window->findChild<QWidget *>(QString::fromLatin1(name));
        const QRect area(widget->mapTo(window, QPoint()), widget->size());
        QVERIFY2(widget->isVisible() && window->rect().contains(area) && !taken.intersects(area), name);
        taken = area;
    }
    auto *bytes = window->findChild<QLineEdit *>(QStringLiteral("bytes"));
    QVERIFY(bytes->width() > bytes->fontMetrics().horizontalAdvance(QStringLiteral("00 ").repeated(16)));

    // Where even the pair cannot stand side by side (scale 2 on 1920 x 1080) the window takes the room
    // it is given, its controls scrolled, rather than running off the screen.
    window->resize(483, 500);
    QCOMPARE(window->size(), QSize(483, 500));
}

QTEST_MAIN(tst_WindowPlacement)
#include "tst_windowplacement.moc"
