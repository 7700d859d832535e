#include "positionalfile.h"
#include "regularfile.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

class tst_PositionalFile : public QObject
{
    Q_OBJECT

private slots:
    void readsByOneBasedPosition();
    void pastTheEndReadsZero_data();
    void pastTheEndReadsZero();
    void missingPathReadsEmptyAndCreatesNothing();
    void hostileFiles_data();
    void hostileFiles();
    void fifoWithoutWriterDoesNotBlock();
    void unreadableFile();
    void accentedNameWithSpaces();
    void regularFileCountsWhatTheFileHas();

private:
    QTemporaryDir m_dir;
};

void tst_PositionalFile::readsByOneBasedPosition()
{
    const QString path = m_dir.filePath(QStringLiteral("abc"));
    QVERIFY(romfactory::write(path, "ABCDEF"));
    PositionalFile file(path);
    QCOMPARE(file.readByte(1), std::optional<quint8>('A'));
    QCOMPARE(file.readByte(6), std::optional<quint8>('F'));
    char three[3];
    QVERIFY(file.readAt(2, three, 3));
    QCOMPARE(QByteArray(three, 3), QByteArray("BCD"));
    QVERIFY(!file.failure());
}

void tst_PositionalFile::pastTheEndReadsZero_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("straddling the end") << qint64(5) << QByteArray("EF\0\0", 4);
    QTest::newRow("at the end") << qint64(7) << QByteArray(4, '\0');
    QTest::newRow("from the start") << qint64(1) << QByteArray("ABCD");
    QTest::newRow("beyond 4 GiB") << (qint64(1) << 33) << QByteArray(4, '\0');
}

void tst_PositionalFile::pastTheEndReadsZero()
{
    QFETCH(qint64, position);
    QFETCH(QByteArray, expected);
    const QString path = m_dir.filePath(QStringLiteral("short"));
    QVERIFY(romfactory::write(path, "ABCDEF"));
    PositionalFile file(path);
    QByteArray got(4, 'x');
    QVERIFY(file.readAt(position, got.data(), got.size()));
    QCOMPARE(got, expected);
    QVERIFY(!file.failure());
}

void tst_PositionalFile::missingPathReadsEmptyAndCreatesNothing()
{
    for (const QString &path : { m_dir.filePath(QStringLiteral("gone")),
             m_dir.filePath(QStringLiteral("no/such/folder/file")), QString() }) {
        PositionalFile file(path);
        QCOMPARE(file.readByte(1), std::optional<quint8>(0));
        QVERIFY(!file.failure());
        if (!path.isEmpty())
            QVERIFY(!QFile::exists(path));
    }
}

void tst_PositionalFile::hostileFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("directory") << m_dir.path();
    // Reading unmapped memory at offset 0 is an I/O error even for root.
    QTest::newRow("I/O error") << QStringLiteral("/proc/self/mem");
}

void tst_PositionalFile::hostileFiles()
{
    QFETCH(QString, path);
    PositionalFile file(path);
    QCOMPARE(file.readByte(1), std::nullopt);
    QVERIFY(file.failure());
    QCOMPARE(file.failure()->path, path);
    QVERIFY2(!file.failure()->reason.isEmpty(), "the system's reason is kept");
    // A later read keeps failing instead of pretending the rest of the file is zero.
    QCOMPARE(file.readByte(2), std::nullopt);
}

void tst_PositionalFile::fifoWithoutWriterDoesNotBlock()
{
    const QString path = m_dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    PositionalFile file(path);
    QCOMPARE(file.readByte(1), std::nullopt);
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(file.failure());
    QCOMPARE(file.failure()->path, path);
}

void tst_PositionalFile::unreadableFile()
{
    // The folder must stay reachable for the unprivileged user the check runs as.
    QVERIFY(QFile::setPermissions(m_dir.path(), QFile::Permissions(0x7755)));
    const QString path = m_dir.filePath(QStringLiteral("locked"));
    QVERIFY(romfactory::write(path, "ABCDEF"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const PermissionsBind asNobody;
    PositionalFile file(path);
    QCOMPARE(file.readByte(1), std::nullopt);
    QVERIFY(file.failure());
    QCOMPARE(file.failure()->reason, testenvironment::reason(EACCES));
}

void tst_PositionalFile::accentedNameWithSpaces()
{
    const QString path = m_dir.filePath(QStringLiteral("Caça às caixas ção.bin"));
    QVERIFY(romfactory::write(path, "XY"));
    PositionalFile file(path);
    QCOMPARE(file.readByte(2), std::optional<quint8>('Y'));
}

// RegularFile, on the same reading layer, is 0-based and counts what the file had, which the table search
// relies on; a table may start only before the end.
void tst_PositionalFile::regularFileCountsWhatTheFileHas()
{
    const QString path = m_dir.filePath(QStringLiteral("regular"));
    QVERIFY(romfactory::write(path, "ABCDEF"));
    RegularFile file(path);
    QByteArray buffer(4, 'x');
    QCOMPARE(file.readAt(4, buffer.data(), 4), 2);
    QCOMPARE(buffer, QByteArray("EF\0\0", 4));
    QVERIFY(!file.pastTheEnd(5) && file.pastTheEnd(6));
    QCOMPARE(file.readAt(-1, buffer.data(), 4), -1);
    QVERIFY(file.failure());
}

QTEST_GUILESS_MAIN(tst_PositionalFile)
#include "tst_positionalfile.moc"
