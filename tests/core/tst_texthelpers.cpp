#include "testenvironment.h"
#include "texthelpers.h"

#include <QTest>

class tst_TextHelpers : public QObject
{
    Q_OBJECT

private slots:
    void hex_data();
    void hex();
    void hexAgreesWithFormatting();
    void zeroPad_data();
    void zeroPad();
    void version_data();
    void version();
    void programVersion();
};

void tst_TextHelpers::hex_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0u << "0";
    QTest::newRow("byte F") << 0x0Fu << "F";
    QTest::newRow("upper case") << 0xABu << "AB";
    QTest::newRow("array offset") << 0x62A00u << "62A00";
    QTest::newRow("largest position") << 0x7FFFFFFFu << "7FFFFFFF";
}

void tst_TextHelpers::hex()
{
    QFETCH(uint, value);
    QFETCH(QString, text);
    QCOMPARE(hexText(value), text);
}

// The texts come from tables and digit loops; Qt's own number formatting is the reference.
void tst_TextHelpers::hexAgreesWithFormatting()
{
    for (uint byte = 0; byte < 256; ++byte)
        QCOMPARE(
            hexByte(quint8(byte)), QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    for (const uint value : { 0x10u, 0xFFu, 0x100u, 0xFFFFu, 0x10000u, 0x89ABCDEFu, 0xFFFFFFFFu })
        QCOMPARE(hexText(value), QString::number(value, 16).toUpper());
}

void tst_TextHelpers::zeroPad_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("padded");
    QTest::newRow("one digit") << "F" << 2 << "0F";
    QTest::newRow("already wide") << "FF" << 2 << "FF";
    QTest::newRow("wider than width") << "62A00" << 2 << "62A00";
    QTest::newRow("language id") << "416" << 4 << "0416";
    QTest::newRow("empty") << "" << 2 << "00";
    QTest::newRow("zero width") << "A" << 0 << "A";
}

void tst_TextHelpers::zeroPad()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, padded);
    QCOMPARE(ZeroPad(text, width), padded);
}

void tst_TextHelpers::version_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0.3") << 1 << 0 << 3 << "1.00.0003";
    QTest::newRow("widest") << 12 << 99 << 9999 << "12.99.9999";
    QTest::newRow("two-digit minor") << 2 << 10 << 123 << "2.10.0123";
}

void tst_TextHelpers::version()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(formatVersion(major, minor, revision), text);
}

void tst_TextHelpers::programVersion()
{
    QCOMPARE(VersionString(), testenvironment::versionText());
}

QTEST_GUILESS_MAIN(tst_TextHelpers)
#include "tst_texthelpers.moc"
