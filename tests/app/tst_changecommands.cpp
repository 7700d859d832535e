// The changes through the program, as a build script runs them: round trips, a one-line fix, refusals.

#include "headerchecksum.h"
#include "romfactory.h"
#include "testenvironment.h"
#include "widthrule.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <unistd.h>

namespace {

const qsizetype kHeights = GameCatalogue[0].arrayStart - 1;

// A row-1 image whose set agrees with itself: heights of every kind a compact sheet shows (none full, as
// a sheet reads those as 10), widths by the rule, even angles and a right checksum. With `blank`, the
// heights and widths are zero (the angles too with `blankAngles`) and the checksum is stale.
QByteArray setImage(bool blank = false, bool blankAngles = false)
{
    QByteArray image = romfactory::rom(GameCatalogue[0].headerKey, kHeights + 0x2100);
    qToBigEndian(quint32(image.size() - 1), image.data() + kRomEndOffset);
    for (int box = 0; box < 256; ++box) {
        std::array<quint8, 16> heights {};
        for (int column = 0; column < 16; ++column) {
            const int v = (box + column * 3) % 0x1F;
            heights[size_t(column)] = quint8(v <= 0x10 ? v : 0x110 - v);
        }
        const auto widths = derivedWidths(heights);
        image[kHeights - 0x100 + box] = blankAngles ? '\0' : char(box * 2);
        for (int i = 0; i < 16 && !blank; ++i) {
            image[kHeights + box * 16 + i] = char(heights[size_t(i)]);
            image[kHeights + 0x1000 + box * 16 + i] = char(widths[size_t(i)]);
        }
    }
    if (!blank)
        qToBigEndian(headerChecksum(image), image.data() + kChecksumOffset);
    return image;
}

} // namespace

class tst_ChangeCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void changes_data();
    void changes();

private:
    int run(const QStringList &arguments);

    QTemporaryDir m_dir;
    QByteArray m_out;
    QString m_err;
};

void tst_ChangeCommands::initTestCase()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY(romfactory::write("set.bin", setImage()));
    QVERIFY(romfactory::write("bad.txt",
        "00 62A00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
        "01 62A10 0G 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"));
}

int tst_ChangeCommands::run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(TILEGAUGE_EXECUTABLE), arguments);
    process.waitForFinished(20000);
    m_out = process.readAllStandardOutput();
    m_err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void tst_ChangeCommands::changes_data()
{
    QTest::addColumn<QStringList>("source"); // the command that writes `source` from set.bin, if any
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QByteArray>("expected"); // out.bin, or nothing when there is none
    const QStringList import { "--import", "source", "--output", "out.bin" };
    const QStringList dump { "--dump", "--format" };
    const QByteArray set = setImage();
    const QByteArray bare = setImage(true);
    const QByteArray bareAngles = setImage(true, true);
    QTest::newRow("hex") << dump + QStringList("hex") << bareAngles << import << 0 << "" << set;
    QTest::newRow("asm") << dump + QStringList("asm") << bare << import << 0 << "" << set;
    QTest::newRow("c") << dump + QStringList("c") << bare << import << 0 << "" << set;
    QTest::newRow("json") << dump + QStringList("json") << bareAngles << import << 0 << "" << set;
    const QStringList sheet { "--sheet", "source", "--look", "compact" };
    QTest::newRow("compact sheet") << sheet << bare << import << 0 << "" << set;
    // The box, its width box (the same bytes, by the rule) and the checksum: nothing else.
    const QByteArray ramp = QByteArray::fromHex("0102030405060708090A0B0C0D0E0F10");
    QByteArray fixed = setImage().replace(kHeights + 0x100, 16, ramp).replace(kHeights + 0x1100, 16, ramp);
    qToBigEndian(headerChecksum(fixed), fixed.data() + kChecksumOffset);
    const QStringList setBox { "--set", "10=01020304 05060708 090A0B0C 0D0E0F10", "--output", "out.bin" };
    QTest::newRow("--set on row 1") << QStringList() << set << setBox << 0 << "" << fixed;
    const QStringList overLink { "--set-angle", "10=E0", "--output", "link.bin" };
    QTest::newRow("output through a hard link")
        << QStringList() << set << overLink << 2 << "may not replace copy.bin" << QByteArray();
    const QStringList badLine { "--import", "bad.txt", "--output", "out.bin" };
    QTest::newRow("an import with a bad line")
        << QStringList() << set << badLine << 1 << "bad.txt: line 2, column 10:" << QByteArray();
}

void tst_ChangeCommands::changes()
{
    QFETCH(QStringList, source);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, change);
    QFETCH(int, status);
    QFETCH(QString, err);
    QFETCH(QByteArray, expected);
    QVERIFY(source.isEmpty() || run(source << "set.bin") == 0);
    QVERIFY(!source.startsWith("--dump") || romfactory::write("source", m_out));
    QFile::remove("out.bin");
    QFile::remove("link.bin");
    QVERIFY(romfactory::write("copy.bin", input));
    QVERIFY(::link("copy.bin", "link.bin") == 0);
    QCOMPARE(run(change << "copy.bin"), status);
    QVERIFY2(m_err.contains(err), qPrintable(m_err));
    QCOMPARE(QFile::exists("out.bin"), !expected.isEmpty());
    QCOMPARE(testenvironment::contents("out.bin"), expected);
    QCOMPARE(testenvironment::contents("copy.bin"), input);
}

QTEST_GUILESS_MAIN(tst_ChangeCommands)
#include "tst_changecommands.moc"
