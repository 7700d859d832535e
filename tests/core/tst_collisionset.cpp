#include "collisionset.h"
#include "disassemblyfolder.h"
#include "romfactory.h"
#include "setcheck.h"
#include "widthrule.h"
#include "zoneindex.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_CollisionSet : public QObject
{
    Q_OBJECT

private slots:
    void widthRule_data();
    void widthRule();
    void findings_data();
    void findings();
    void folders_data();
    void folders();
    void refusesAllButRegularFiles();
    void zoneIndexCounts();

private:
    // Makes the folder `name` of "file:size" entries, "|" between them, each file filled with the length
    // of its name, so that a table read from the wrong file shows.
    QString makeFolder(const QString &name, const QString &files);

    QTemporaryDir m_dir;
};

QString tst_CollisionSet::makeFolder(const QString &name, const QString &files)
{
    QString folder = m_dir.filePath(name);
    QDir().mkpath(folder);
    for (const QString &file : files.split(QLatin1Char('|'))) {
        const QString fileName = file.section(QLatin1Char(':'), 0, 0);
        const QByteArray bytes(file.section(QLatin1Char(':'), 1).toInt(), char(fileName.size()));
        romfactory::write(folder + QLatin1Char('/') + fileName, bytes);
    }
    return folder;
}

void tst_CollisionSet::widthRule_data()
{
    QTest::addColumn<QByteArray>("heights");
    QTest::addColumn<QByteArray>("widths");
    const QByteArray none = QByteArray(15, '\0').toHex();
    const auto all = [](char c) { return QByteArray(16, c).toHex(); };
    QTest::newRow("rising") << QByteArray("0102030405060708090a0b0c0d0e0f10")
                            << QByteArray("0102030405060708090a0b0c0d0e0f10");
    QTest::newRow("falling") << QByteArray("100f0e0d0c0b0a090807060504030201")
                             << QByteArray("fffefdfcfbfaf9f8f7f6f5f4f3f2f110");
    QTest::newRow("peak") << QByteArray("020406080a0c0e10100e0c0a08060402")
                          << QByteArray("02020404060608080a0a0c0c0e0e1010");
    QTest::newRow("ceiling row") << all('\xFF') << "10" + none;
    QTest::newRow("from the top") << "f4f0" + none.mid(2) << QByteArray(12, '\xFE').toHex() + "01010101";
    QTest::newRow("drawn full") << "ef" + none.mid(2) + "11" << all('\xFE');
}

void tst_CollisionSet::widthRule()
{
    QFETCH(QByteArray, heights);
    QFETCH(QByteArray, widths);
    const QByteArray in = QByteArray::fromHex(heights);
    const auto derived = derivedWidths(
        std::span<const quint8, kBoxSize>(reinterpret_cast<const quint8 *>(in.data()), kBoxSize));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(derived.data()), kBoxSize).toHex(), widths);
}

void tst_CollisionSet::findings_data()
{
    // Bytes planted in a long set of zeros: "h20F=11" puts 0x11 at offset 0x20F of the heights; "a" is
    // the angle map, "w" the widths, and "-w" takes the widths away.
    QTest::addColumn<QString>("plants");
    QTest::addColumn<QStringList>("lines");
    const QString zeros = QStringLiteral("00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("shapes, the usual flag, even angles")
        << "-w h200=10 h210=F0 a30=FF a31=40" << QStringList();
    QTest::newRow("width planted") << "w120=05" << QStringList { "12 width 05 " + zeros + " / 00 " + zeros };
    QTest::newRow("11 drawn full") << "-w h20F=11" << QStringList { "20 height " + zeros + " 11" };
    QTest::newRow("EF drawn full, its widths wrong too")
        << "h200=EF"
        << QStringList { "20 width 00 " + zeros + " / " + QStringLiteral("FF ").repeated(15) + "FF",
               "20 height EF " + zeros };
    QTest::newRow("odd angle") << "a30=41" << QStringList { "30 angle 41" };
    QTest::newRow("a long set's last box") << "a1FF=03" << QStringList { "1FF angle 03" };
}

void tst_CollisionSet::findings()
{
    QFETCH(QString, plants);
    QFETCH(QStringList, lines);
    CollisionSet set;
    set.boxCount = 512;
    set.angles = { TableSource {}, std::vector<quint8>(512) };
    set.heights = set.widths = { TableSource {}, std::vector<quint8>(size_t(512) * 16) };
    for (const QString &plant : plants.split(QLatin1Char(' '))) {
        if (plant == QLatin1String("-w")) {
            set.widths = {};
            continue;
        }
        const auto kind = TableKind(QStringLiteral("ahw").indexOf(plant.at(0))); // in TableKind's order
        const uint at = plant.mid(1).section(QLatin1Char('='), 0, 0).toUInt(nullptr, 16);
        set.table(kind).bytes[at] = quint8(plant.section(QLatin1Char('='), 1).toUInt(nullptr, 16));
    }
    QStringList got;
    for (const Finding &finding : checkSet(set))
        got.append(findingLine(finding));
    QCOMPARE(got, lines);
}

void tst_CollisionSet::folders_data()
{
    QTest::addColumn<QString>("files");
    QTest::addColumn<QStringList>("sets"); // indexes into `files`: angles, heights, widths; then the row
    QTest::newRow("first style, renamed")
        << "Angle Map.bin:256|Collision Array (Normal) v2.bin:4096|Collision Array (Rotated).bin:4096"
        << QStringList { "0 1 2 row 1" };
    QTest::newRow("second style, both namings, strays")
        << "Curve and resistance mapping.bin:256|Collision array - Vertical.bin:4096|"
           "Collision array - Horizontal.bin:4096|Collision array 1.bin:4096|Collision array 2.bin:4096|"
           "Collision array 3.bin:4096|Angle notes.txt:256"
        << QStringList { "0 1 2 row 4", "0 3 4 row 4" };
    QTest::newRow("third style, short and long sets")
        << "angles.bin:256|Height Maps.bin:4096|Height Maps Rotated.bin:4096|"
           "ANGLES s3.BIN:512|Height Maps S3.bin:8192|height maps rotated s3.bin:8192"
        << QStringList { "3 4 5 row 5", "0 1 2 row 6" };
    QTest::newRow("last style beside the first, widths dropped")
        << "Angle Map.bin:256|Collision Array (Normal).bin:4096|Collision Array (Rotated).bin:4096|"
           "Collision Angles.bin:256|Collision Height Map.bin:4096"
        << QStringList { "0 1 2 row 1", "3 4 - row 7" };
}

void tst_CollisionSet::folders()
{
    QFETCH(QString, files);
    QFETCH(QStringList, sets);
    const QStringList names = files.split(QLatin1Char('|')).replaceInStrings(QRegularExpression(":.*"), "");
    const auto text = [&](const SetFiles &set) {
        const auto index = [&](const std::optional<TableFile> &f) {
            return f ? QString::number(names.indexOf(QFileInfo(f->path).fileName())) : QStringLiteral("-");
        };
        return QStringLiteral("%1 %2 %3 row %4")
            .arg(index(set.angles), index(set.heights), index(set.widths))
            .arg(styleGameId(set.heights));
    };
    const QString folder = makeFolder(QString::fromLatin1(QTest::currentDataTag()), files);
    const DisassemblySets found = disassemblySets(folder);
    QStringList got;
    for (const SetFiles &set : found.sets)
        got.append(text(set));
    QCOMPARE(got, sets);

    // One of its files opens the same set, whose tables come from their own files.
    const SetFiles &last = found.sets.back();
    const DisassemblySets one = disassemblySets(last.widths ? last.widths->path : last.heights.path);
    QCOMPARE(one.sets.size(), size_t(1));
    QCOMPARE(text(one.sets.front()), sets.back());
    const auto read = readDisassemblySet(last);
    QVERIFY(std::holds_alternative<CollisionSet>(read));
    const CollisionSet &set = std::get<CollisionSet>(read);
    QCOMPARE(set.widths.present(), last.widths.has_value());
    for (const auto &file : { last.angles, std::optional(last.heights), last.widths }) {
        if (file)
            QCOMPARE(set.table(file->kind).bytes.back(), quint8(QFileInfo(file->path).fileName().size()));
    }
}

void tst_CollisionSet::refusesAllButRegularFiles()
{
    const QString folder = makeFolder(QStringLiteral("fifo"), QStringLiteral("Collision Angles.bin:256"));
    const QString fifo = folder + QStringLiteral("/Collision Height Map.bin");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    for (const QString &given : { folder, fifo }) {
        const DisassemblySets found = disassemblySets(given);
        QVERIFY(found.failure);
        QCOMPARE(found.failure->path, fifo);
    }
}

void tst_CollisionSet::zoneIndexCounts()
{
    const QString path = m_dir.filePath(QStringLiteral("GHZ1.bin"));
    QVERIFY(romfactory::write(path, QByteArray::fromHex("00 05 05 FF 05 00 05")));
    const auto read = readZoneIndex(path);
    QVERIFY(std::holds_alternative<ZoneIndex>(read));
    const ZoneIndex &index = std::get<ZoneIndex>(read);
    QCOMPARE(index.stem, QStringLiteral("GHZ1"));
    QCOMPARE(QList<qint64>({ index.uses[0], index.uses[1], index.uses[5], index.uses[0xFF] }),
        QList<qint64>({ 2, 0, 4, 1 }));
}

QTEST_GUILESS_MAIN(tst_CollisionSet)
#include "tst_collisionset.moc"
