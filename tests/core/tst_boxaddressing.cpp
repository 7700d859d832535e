#include "boxaddressing.h"
#include "gamecatalogue.h"
#include "romfactory.h"

#include <QTemporaryDir>
#include <QTest>

class tst_BoxAddressing : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void primaryAndSecondary_data();
    void primaryAndSecondary();
    void bytesText();
    void readsBoxInColumnOrder();
    void boxPartlyPastTheEnd();
    void readsFileAfreshEachTime();
    void failureStopsTheBox();

private:
    static QString bytesOf(const QString &path, qint32 location, QList<int> *columns = nullptr);
    QTemporaryDir m_dir;
};

QString tst_BoxAddressing::bytesOf(const QString &path, qint32 location, QList<int> *columns)
{
    QString text;
    const auto failure = readCollisionBox(path, location, [&](int column, quint8 byte) {
        text += byteText(byte);
        if (columns)
            columns->append(column);
    });
    return failure ? QStringLiteral("failed: ") + failure->reason : text;
}

void tst_BoxAddressing::texts_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("txtIndex");
    QTest::addColumn<QString>("txtLoc");
    QTest::addColumn<QString>("txtArray");
    // clang-format off
    QTest::newRow("row 1 box 0") << 1 << false << 0 << "00" << "62A00" << "62A00";
    QTest::newRow("row 1 box 1") << 1 << false << 1 << "01" << "62A10" << "62A00";
    QTest::newRow("row 1 box 255") << 1 << false << 255 << "FF" << "639F0" << "62A00";
    QTest::newRow("row 1 secondary box 0") << 1 << true << 0 << "00" << "63A00" << "63A00";
    QTest::newRow("row 1 secondary box 255") << 1 << true << 255 << "FF" << "649F0" << "63A00";
    QTest::newRow("row 2 box 0") << 2 << false << 0 << "00" << "62A00" << "62A00";
    QTest::newRow("row 2 secondary box 0") << 2 << true << 0 << "00" << "63A00" << "63A00";
    QTest::newRow("row 3 box 0: not a multiple of 16") << 3 << false << 0 << "00" << "2D2EA" << "2D2EA";
    QTest::newRow("row 3 box 2A") << 3 << false << 0x2A << "2A" << "2D58A" << "2D2EA";
    QTest::newRow("row 4 box 0") << 4 << false << 0 << "00" << "42E50" << "42E50";
    QTest::newRow("row 5 box 0") << 5 << false << 0 << "00" << "706A0" << "706A0";
    QTest::newRow("row 6 box 0") << 6 << false << 0 << "00" << "96100" << "96100";
    QTest::newRow("row 6 box FF") << 6 << false << 255 << "FF" << "970F0" << "96100";
    QTest::newRow("row 7 box 0") << 7 << false << 0 << "00" << "3880C" << "3880C";
    QTest::newRow("row 7 secondary box 0") << 7 << true << 0 << "00" << "3980C" << "3980C";
    QTest::newRow("row 7 secondary box 255") << 7 << true << 255 << "FF" << "3A7FC" << "3980C";
    // clang-format on
}

void tst_BoxAddressing::texts()
{
    QFETCH(int, gameId);
    QFETCH(bool, secondary);
    QFETCH(int, index);
    QFETCH(QString, txtIndex);
    QFETCH(QString, txtLoc);
    QFETCH(QString, txtArray);

    qint32 arrayStart = catalogueRow(gameId)->arrayStart;
    if (secondary)
        arrayStart = secondaryArrayStart(arrayStart);
    QCOMPARE(indexText(index), txtIndex);
    QCOMPARE(offsetText(BoxLocation(arrayStart, index)), txtLoc);
    QCOMPARE(offsetText(arrayStart), txtArray);
}

void tst_BoxAddressing::primaryAndSecondary_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<qint32>("before");
    QTest::addColumn<qint32>("primary");
    QTest::newRow("row 1 from secondary") << 1 << 403969 + 4096 << 403969;
    QTest::newRow("row 2 from secondary") << 2 << 403969 + 4096 << 403969;
    QTest::newRow("row 7 from secondary") << 7 << 231437 + 4096 << 231437;
    QTest::newRow("row 4 left alone") << 4 << 274001 << 274001;
    QTest::newRow("no game left alone") << 0 << 0 << 0;
}

void tst_BoxAddressing::primaryAndSecondary()
{
    QFETCH(int, gameId);
    QFETCH(qint32, before);
    QFETCH(qint32, primary);
    QCOMPARE(primaryArrayStart(qint16(gameId), before), primary);
    // The secondary array is always the one right behind, whatever the game.
    QCOMPARE(secondaryArrayStart(before), before + 4096);
}

void tst_BoxAddressing::bytesText()
{
    const QString path = m_dir.filePath(QStringLiteral("ramp.bin"));
    QByteArray bytes(0x100, '\0');
    romfactory::putBox(bytes, 0x40, romfactory::rampBox());
    romfactory::putBox(bytes, 0x50, QByteArray::fromHex("EFF0FF00102080110102030405060708"));
    QVERIFY(romfactory::write(path, bytes));

    const QString ramp = bytesOf(path, 0x41);
    QCOMPARE(ramp, QStringLiteral("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F "));
    QCOMPARE(ramp.size(), 48);
    QCOMPARE(bytesOf(path, 0x51), QStringLiteral("EF F0 FF 00 10 20 80 11 01 02 03 04 05 06 07 08 "));
}

void tst_BoxAddressing::readsBoxInColumnOrder()
{
    const QString path = m_dir.filePath(QStringLiteral("order.bin"));
    QVERIFY(romfactory::write(path, romfactory::rampBox(0x30)));
    QList<int> columns;
    bytesOf(path, 1, &columns);
    QCOMPARE(columns, QList<int>({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 }));
}

void tst_BoxAddressing::boxPartlyPastTheEnd()
{
    const QString path = m_dir.filePath(QStringLiteral("cut.bin"));
    QVERIFY(romfactory::write(path, QByteArray::fromHex("0000000000AABBCC")));
    QCOMPARE(bytesOf(path, 6), QStringLiteral("AA BB CC 00 00 00 00 00 00 00 00 00 00 00 00 00 "));
    QCOMPARE(bytesOf(m_dir.filePath(QStringLiteral("vanished.bin")), 6),
        QString(QStringLiteral("00 ")).repeated(16));
}

void tst_BoxAddressing::readsFileAfreshEachTime()
{
    const QString path = m_dir.filePath(QStringLiteral("changing.bin"));
    QVERIFY(romfactory::write(path, romfactory::filledBox('\x01')));
    QCOMPARE(bytesOf(path, 1).left(3), QStringLiteral("01 "));
    QVERIFY(romfactory::write(path, romfactory::filledBox('\x02')));
    QCOMPARE(bytesOf(path, 1).left(3), QStringLiteral("02 "));
}

void tst_BoxAddressing::failureStopsTheBox()
{
    int calls = 0;
    const auto failure = readCollisionBox(m_dir.path(), 1, [&](int, quint8) { ++calls; });
    QVERIFY(failure);
    QCOMPARE(failure->path, m_dir.path());
    QCOMPARE(calls, 0);
}

QTEST_GUILESS_MAIN(tst_BoxAddressing)
#include "tst_boxaddressing.moc"
