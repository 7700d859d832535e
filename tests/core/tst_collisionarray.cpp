#include "collisionarray.h"
#include "gamecatalogue.h"
#include "romfactory.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_CollisionArray : public QObject
{
    Q_OBJECT

private slots:
    void readsArrayAndAngleMap();
    void pastTheEndReadsZero();
    void refusesAllButRegularFiles_data();
    void refusesAllButRegularFiles();
    void cataloguePlaces_data();
    void cataloguePlaces();
    void angles_data();
    void angles();
    void plausibilities_data();
    void plausibilities();
    void comparesBytesAndAngles();

private:
    QTemporaryDir m_dir;
};

void tst_CollisionArray::readsArrayAndAngleMap()
{
    QByteArray bytes(0x3000, '\0');
    for (int i = 0; i < kArraySize; ++i)
        bytes[0x1100 + i] = char(i * 7);
    for (int i = 0; i < kAngleMapSize; ++i)
        bytes[0x1000 + i] = char(255 - i);
    const QString path = m_dir.filePath(QStringLiteral("tables"));
    QVERIFY(romfactory::write(path, bytes));

    const auto read = readCollisionArray(path, 0x1100, 0x1000);
    QVERIFY(std::holds_alternative<CollisionArray>(read));
    const auto &array = std::get<CollisionArray>(read);
    QCOMPARE(array.arrayStart, 0x1100);
    QCOMPARE(array.angleStart, 0x1000);
    QCOMPARE(array.byte(0, 1), quint8(7));
    QCOMPARE(array.byte(255, 15), quint8(4095 * 7));
    QCOMPARE(array.angles[0], quint8(255));
    QCOMPARE(array.angles[255], quint8(0));
    QCOMPARE(array.boxOffset(2), 0x1120);
}

void tst_CollisionArray::pastTheEndReadsZero()
{
    const QString path = m_dir.filePath(QStringLiteral("short"));
    QVERIFY(romfactory::write(path, QByteArray(0x110, '\x11')));
    const auto read = readCollisionArray(path, 0x100, 0x0);
    QVERIFY(std::holds_alternative<CollisionArray>(read));
    const auto &array = std::get<CollisionArray>(read);
    QCOMPARE(array.byte(0, 15), quint8(0x11));
    QCOMPARE(array.byte(1, 0), quint8(0));
    QCOMPARE(array.byte(255, 15), quint8(0));
    QCOMPARE(array.angles[255], quint8(0x11));
}

void tst_CollisionArray::refusesAllButRegularFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing")) << QStringLiteral("No such file");
    QTest::newRow("directory") << m_dir.path() << QStringLiteral("directory");
    QTest::newRow("FIFO without writer") << fifo << QStringLiteral("FIFO");
    QTest::newRow("endless device") << QStringLiteral("/dev/zero") << QStringLiteral("device");
}

void tst_CollisionArray::refusesAllButRegularFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const auto read = readCollisionArray(path, 0, 0);
    QVERIFY(std::holds_alternative<FileFailure>(read));
    QCOMPARE(std::get<FileFailure>(read).path, path);
    QVERIFY2(std::get<FileFailure>(read).reason.contains(reason), qPrintable(std::get<FileFailure>(read).reason));
}

void tst_CollisionArray::cataloguePlaces_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<qint64>("arrayStart");
    QTest::addColumn<qint64>("angleStart");
    const qint64 row1 = GameCatalogue[0].arrayStart - 1;
    const qint64 row5 = GameCatalogue[4].arrayStart - 1;
    const qint64 row7 = GameCatalogue[6].arrayStart - 1;
    QTest::newRow("row 1") << 1 << false << true << row1 << row1 - 0x100;
    QTest::newRow("row 1 rotated") << 1 << true << true << row1 + 0x1000 << row1 - 0x100;
    QTest::newRow("row 5, wide tables") << 5 << false << true << row5 << row5 - 0x200;
    QTest::newRow("row 7 rotated") << 7 << true << true << row7 + 0x1000 << row7 - 0x100;
    QTest::newRow("row 4 has no second array") << 4 << true << false << qint64(0) << qint64(0);
    QTest::newRow("no row 0") << 0 << false << false << qint64(0) << qint64(0);
    QTest::newRow("no row 8") << 8 << false << false << qint64(0) << qint64(0);
}

void tst_CollisionArray::cataloguePlaces()
{
    QFETCH(int, gameId);
    QFETCH(bool, secondary);
    QFETCH(bool, exists);
    QFETCH(qint64, arrayStart);
    QFETCH(qint64, angleStart);
    const auto place = cataloguePlace(gameId, secondary);
    QCOMPARE(place.has_value(), exists);
    if (place) {
        QCOMPARE(place->arrayStart, arrayStart);
        QCOMPARE(place->angleStart, angleStart);
    }
}

void tst_CollisionArray::angles_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<bool>("flagged");
    QTest::newRow("flat") << 0x00 << 0.0 << false;
    QTest::newRow("one step") << 0x02 << 357.1875 << false;
    QTest::newRow("odd: a flag as well") << 0x01 << 0.0 << true;
    QTest::newRow("quarter") << 0x40 << 270.0 << false;
    QTest::newRow("half") << 0x80 << 180.0 << false;
    QTest::newRow("45 up the slope") << 0xE0 << 45.0 << false;
    QTest::newRow("last step") << 0xFE << 2.8125 << false;
    QTest::newRow("flag") << 0xFF << 0.0 << true;
}

void tst_CollisionArray::angles()
{
    QFETCH(int, angle);
    QFETCH(double, degrees);
    QFETCH(bool, flagged);
    const Angle got = angleDegrees(quint8(angle));
    QCOMPARE(got.flagged, flagged);
    QCOMPARE(got.degrees, degrees);
}

void tst_CollisionArray::plausibilities_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("score");
    QByteArray collision(kArraySize, '\0');
    for (int i = 16; i < kArraySize; ++i)
        collision[i] = char(i % 17);
    QByteArray boxZeroFull = collision;
    boxZeroFull.replace(0, 16, QByteArray(16, '\x10'));
    QByteArray halfText = collision;
    halfText.replace(0, 2048, QByteArray(2048, 'A'));
    QTest::newRow("collision data") << collision << 1.0;
    QTest::newRow("box 0 not empty") << boxZeroFull << 0.75;
    QTest::newRow("half text") << halfText << 0.5 * 0.75;
    QTest::newRow("all zero") << QByteArray(kArraySize, '\0') << 0.0;
    QTest::newRow("all full") << QByteArray(kArraySize, '\x10') << 0.0;
}

void tst_CollisionArray::plausibilities()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, score);
    CollisionArray array;
    std::copy(bytes.begin(), bytes.end(), array.bytes.begin());
    QCOMPARE(plausibility(array), score);
}

void tst_CollisionArray::comparesBytesAndAngles()
{
    CollisionArray a;
    CollisionArray b;
    QCOMPARE(compareArrays(a, b), std::vector<int>());
    b.bytes[16 * 3 + 15] = 1;
    b.angles[200] = 0xFF;
    b.bytes[size_t(16) * 255] = 0x10;
    b.arrayStart = 0x4000; // where it lies is no difference
    QCOMPARE(compareArrays(a, b), (std::vector<int> { 3, 200, 255 }));
}

QTEST_GUILESS_MAIN(tst_CollisionArray)
#include "tst_collisionarray.moc"
