// --check, and disassembly folders, table files and zone indexes through the commands, as a process.

#include "gamecatalogue.h"
#include "romfactory.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kZeros = QStringLiteral("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
// The faults of every synthetic set: box 2's width box and box 3's angle.
const QString kFaults = "02 width 01 " + kZeros + " / 00 " + kZeros + "\n03 angle 41";
const QString kFirstBox = "00 0 00 " + kZeros + " 02 (357.1875°)"; // the angle map's angle, not a height

} // namespace

class tst_SetCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();

private:
    QTemporaryDir m_dir;
};

void tst_SetCommands::initTestCase()
{
    // Folder, angle map, heights and widths; row 5's long set is the one whose names end in S3.
    const QList<QStringList> sets { { "first", "Angle Map.bin", "Collision Array (Normal).bin",
                                        "Collision Array (Rotated).bin" },
        { "second", "Curve and resistance mapping.bin", "Collision array - Vertical.bin",
            "Collision array - Horizontal.bin" },
        { "third", "angles.bin", "Height Maps.bin", "Height Maps Rotated.bin" },
        { "third", "angles S3.bin", "Height Maps S3.bin", "Height Maps Rotated S3.bin" },
        { "last", "Collision Angles.bin", "Collision Height Map.bin", "Collision Width Map.bin" } };
    for (const QStringList &set : sets) {
        const QString folder = m_dir.filePath(set.at(0)) + '/';
        const qsizetype boxes = set.at(1).endsWith(QStringLiteral("S3.bin")) ? 512 : 256;
        QByteArray angles(boxes, '\x02');
        QByteArray widths(boxes * 16, '\0');
        angles[3] = 0x41;
        widths[0x20] = 1;
        QVERIFY(QDir().mkpath(folder) && romfactory::write(folder + set.at(1), angles)
            && romfactory::write(folder + set.at(2), QByteArray(boxes * 16, '\0'))
            && romfactory::write(folder + set.at(3), widths));
    }
    const GameRow &row1 = GameCatalogue[0];
    QByteArray image = romfactory::rom(row1.headerKey, row1.arrayStart - 1 + 0x2000);
    image[row1.arrayStart - 1 + 0x1000 + 0x120] = 5; // box 0x12's width box
    QVERIFY(romfactory::write(m_dir.filePath("row1.bin"), image));
    QVERIFY(romfactory::write(m_dir.filePath("lone.bin"), QByteArray(0x2000, '\0'))); // two tables, no image
    QVERIFY(romfactory::write(m_dir.filePath("short.bin"), QByteArray(0x1800, '\0')));
    QVERIFY(romfactory::write(
        m_dir.filePath("row5.bin"), QByteArray(GameCatalogue[4].arrayStart - 1 + 0x4000, '\0')));
    QVERIFY(romfactory::write(m_dir.filePath("ghz1.bin"), QByteArray::fromHex("0012120012")));
}

void tst_SetCommands::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // all of it for --check, the first line for --dump
    QTest::addColumn<QString>("err");
    QTest::newRow("first style") << QStringList { "--check", "first" } << 1 << kFaults << "findings: 2";
    QTest::newRow("second style, by a table file")
        << QStringList { "--check", "second/Collision array - Horizontal.bin" } << 1 << kFaults << QString();
    QTest::newRow("third style, two sets")
        << QStringList { "--check", "third" } << 1
        << "Height Maps S3.bin: " + QString(kFaults).replace("\n", "\nHeight Maps S3.bin: ")
            + "\nHeight Maps.bin: " + QString(kFaults).replace("\n", "\nHeight Maps.bin: ")
        << "third/Height Maps.bin: 256 boxes checked";
    QTest::newRow("third style, ambiguous") << QStringList { "--dump", "third" } << 2 << QString()
                                            << "third/Height Maps S3.bin, third/Height Maps.bin";
    QTest::newRow("third style, long set")
        << QStringList { "--dump", "third/Height Maps S3.bin" } << 0 << kFirstBox << QString();
    QTest::newRow("last style, dump") << QStringList { "--dump", "last" } << 0 << kFirstBox << QString();
    // The second row checks the copy the first writes: its widths derived, its angle map as it was.
    QTest::newRow("last style, changed")
        << QStringList { "--derive-widths", "--output", "copy", "last" } << 0 << QString() << QString();
    QTest::newRow("copy, whole") << QStringList { "--check", "copy" } << 1 << "03 angle 41" << QString();
    QTest::newRow("a planted width box") << QStringList { "--check", "row1.bin" } << 1
                                         << "12 width 05 " + kZeros + " / 00 " + kZeros << "findings: 1";
    QTest::newRow("trouble") << QStringList { "--check", "none.bin" } << 2 << QString() << "none.bin";
    QTest::newRow("widths past the end") << QStringList { "--check", "--array", "0", "short.bin" } << 0
                                         << QString() << "width array at 1000 reaches past the end";
    QTest::newRow("row 5's long tables") << QStringList { "--check", "--game", "5", "row5.bin" } << 0
                                         << QString() << "row5.bin: 512 boxes checked, nothing found";
    QTest::newRow("no width array behind a table file") << QStringList { "--check", "--array", "1000",
        "lone.bin" } << 0 << QString() << "the set has no width array";
    QTest::newRow("no angle map in table files") << QStringList { "--dump", "--array", "1000", "lone.bin" }
                                                 << 0 << "00 1000 00 " + kZeros + " -- (absent)"
                                                 << "has no angle map";
    QTest::newRow("zones") << QStringList { "--dump", "--index", "ghz1.bin", "row1.bin" } << 0
                           << "00 62A00 00 " + kZeros + " 00 (0°) ghz1:2" << QString();
}

void tst_SetCommands::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // the English messages
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral(TILEGAUGE_EXECUTABLE), arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), status);
    const QString got = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    QCOMPARE(arguments.first() == QLatin1String("--check") ? got : got.section('\n', 0, 0), out);
    const QString said = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(said.contains(err), qPrintable(said));
}

QTEST_GUILESS_MAIN(tst_SetCommands)
#include "tst_setcommands.moc"
