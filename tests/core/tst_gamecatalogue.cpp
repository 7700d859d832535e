#include "gamecatalogue.h"
#include "romfactory.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class tst_GameCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void catalogue();
    void identifies_data();
    void identifies();
    void shortFiles_data();
    void shortFiles();
    void missingFileIsUnrecognizedAndNotCreated();
    void fileNameRule_data();
    void fileNameRule();
    void directoryIsAFailure();

private:
    QTemporaryDir m_dir;
};

void tst_GameCatalogue::catalogue()
{
    QCOMPARE(GameCatalogue.size(), size_t(7));
    for (size_t i = 0; i < GameCatalogue.size(); ++i) {
        QCOMPARE(GameCatalogue[i].gameId, qint16(i + 1));
        QCOMPARE(catalogueRow(int(i + 1)), &GameCatalogue[i]);
        if (GameCatalogue[i].headerKey)
            QCOMPARE(qstrlen(GameCatalogue[i].headerKey), uint(kHeaderKeySize));
    }
    QCOMPARE(catalogueRow(0), nullptr);
    QCOMPARE(catalogueRow(8), nullptr);
    QCOMPARE(QByteArray(catalogueRow(6)->label), QByteArray("Zorbo && Tarwick"));
    QCOMPARE(catalogueRow(4)->arrayStart - 1, 0x42E50);
    QCOMPARE(catalogueRow(7)->arrayStart - 1, 0x3880C);
    QVERIFY(!catalogueRow(7)->headerKey);
}

void tst_GameCatalogue::identifies_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<char>("regionByte");
    QTest::addColumn<int>("gameId");
    QTest::newRow("row 1") << QByteArray("GM 00001009-00") << 'G' << 1;
    QTest::newRow("row 2") << QByteArray("GM 00004049-01") << 'G' << 2;
    QTest::newRow("row 3, told from 2 by 0x16F") << QByteArray("GM 00004049-01") << '2' << 3;
    QTest::newRow("rows 2/3 serial, other byte") << QByteArray("GM 00004049-01") << 'X' << 0;
    QTest::newRow("row 4") << QByteArray("GM 00001051-01") << '2' << 4;
    QTest::newRow("row 5") << QByteArray("GM MK-1079 -00") << '3' << 5;
    QTest::newRow("row 6, blank byte") << QByteArray("GM MK-1563 -00") << ' ' << 6;
    QTest::newRow("row 6 serial, NUL byte") << QByteArray("GM MK-1563 -00") << '\0' << 0;
    QTest::newRow("lower-case serial") << QByteArray("gm 00001009-00") << 'G' << 0;
    QTest::newRow("lower-case byte") << QByteArray("GM 00001009-00") << 'g' << 0;
    QTest::newRow("all zero") << QByteArray(14, '\0') << '\0' << 0;
}

void tst_GameCatalogue::identifies()
{
    QFETCH(QByteArray, serial);
    QFETCH(char, regionByte);
    QFETCH(int, gameId);

    const QString path = m_dir.filePath(QStringLiteral("game.bin"));
    QVERIFY(romfactory::write(path, romfactory::rom(serial + regionByte, 0x1000)));
    const Identification result = identifyPath(path);
    QVERIFY(!result.failure);
    QCOMPARE(int(result.gameId), gameId);
}

void tst_GameCatalogue::shortFiles_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("gameId");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("header byte only") << 0x170 << 0;
    QTest::newRow("397 bytes: last serial digit missing") << 397 << 0;
    QTest::newRow("398 bytes: whole key") << 398 << 4;
}

void tst_GameCatalogue::shortFiles()
{
    QFETCH(int, size);
    QFETCH(int, gameId);
    const QString path = m_dir.filePath(QStringLiteral("short.bin"));
    QVERIFY(romfactory::write(path, romfactory::rom("GM 00001051-012", size)));
    QCOMPARE(QFileInfo(path).size(), qint64(size));
    const Identification result = IdentifyRom(path);
    QVERIFY(!result.failure);
    QCOMPARE(int(result.gameId), gameId);
}

void tst_GameCatalogue::missingFileIsUnrecognizedAndNotCreated()
{
    const QString path = m_dir.filePath(QStringLiteral("nowhere.bin"));
    const Identification result = identifyPath(path);
    QVERIFY(!result.failure);
    QCOMPARE(result.gameId, qint16(0));
    QVERIFY(!QFile::exists(path));
}

void tst_GameCatalogue::fileNameRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("gameId");
    QTest::newRow("upper case") << "R11A__.MMD" << 7;
    QTest::newRow("lower case") << "r11a__.mmd" << 7;
    QTest::newRow("mixed case") << "R11a__.Mmd" << 7;
    QTest::newRow("prefix in the name") << "oldR11A__.MMD" << 7;
    QTest::newRow("further extension") << "R11A__.MMD.bak" << 0;
    QTest::newRow("other level") << "R12A__.MMD" << 0;
}

void tst_GameCatalogue::fileNameRule()
{
    QFETCH(QString, name);
    QFETCH(int, gameId);
    // The file is never created: row 7 must come from the name alone, others read as empty.
    const QString path = m_dir.filePath(name);
    QCOMPARE(int(identifyPath(path).gameId), gameId);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(matchesLevelFileName(QStringLiteral("R11A__.MMD")), true);
    QCOMPARE(matchesLevelFileName(QStringLiteral("MMD")), false);
}

void tst_GameCatalogue::directoryIsAFailure()
{
    const Identification result = identifyPath(m_dir.path());
    QCOMPARE(result.gameId, qint16(0));
    QVERIFY(result.failure);
    QCOMPARE(result.failure->path, m_dir.path());
    QVERIFY(!result.failure->reason.isEmpty());
}

QTEST_GUILESS_MAIN(tst_GameCatalogue)
#include "tst_gamecatalogue.moc"
