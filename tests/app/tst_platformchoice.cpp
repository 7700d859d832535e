#include "platformchoice.h"

#include <QTest>

class tst_PlatformChoice : public QObject
{
    Q_OBJECT

private slots:
    void chooses_data();
    void chooses();
};

void tst_PlatformChoice::chooses_data()
{
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("chosen");
    const QStringList plain { "tilegauge", "rom.bin" };
    QTest::newRow("Wayland with XWayland") << QByteArray("wayland-0") << QByteArray() << QByteArray() << plain
                                           << QByteArray("xcb");
    QTest::newRow("session type alone") << QByteArray() << QByteArray("wayland") << QByteArray() << plain
                                        << QByteArray("xcb");
    QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray() << plain << QByteArray();
    QTest::newRow("platform asked in the environment")
        << QByteArray("wayland-0") << QByteArray() << QByteArray("wayland") << plain << QByteArray();
    QTest::newRow("platform asked on the command line")
        << QByteArray("wayland-0") << QByteArray() << QByteArray()
        << QStringList { "tilegauge", "-platform", "wayland" } << QByteArray();
}

void tst_PlatformChoice::chooses()
{
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, platform);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, chosen);
    QCOMPARE(preferredPlatform({ waylandDisplay, sessionType, ":0", platform, arguments }), chosen);
    // Without an X server there is nothing to fall back on.
    QCOMPARE(preferredPlatform({ waylandDisplay, sessionType, {}, platform, arguments }), QByteArray());
}

QTEST_GUILESS_MAIN(tst_PlatformChoice)
#include "tst_platformchoice.moc"
