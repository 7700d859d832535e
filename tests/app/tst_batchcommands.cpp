// The batch commands through the real executable, with no display and no platform named.

#include "collisionarray.h"
#include "gamecatalogue.h"
#include "offsetgrammar.h"
#include "romfactory.h"

#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

constexpr qint64 kMovedArray = 0x20000;

} // namespace

class tst_BatchCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statuses_data();
    void statuses();
    void dumpSelectsTheArray_data();
    void dumpSelectsTheArray();
    void offsetGrammar_data() { offsetGrammarRows(); }
    void offsetGrammar();
    void uncheckedAngleMapIsNamed();
    void jsonParsesBack();
    void sheets_data();
    void sheets();
    void sheetOnStandardOutput();
    void findsMovedTables();
    void diffs();
    void portugueseMessages();
    void inputIsNeverWritten();

private:
    Run run(const QStringList &arguments, const QByteArray &lang = "C.UTF-8") const;
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    static QByteArray fingerprint(const QString &path);

    QTemporaryDir m_dir;
    qint64 m_primary = 0;
};

Run tst_BatchCommands::run(const QStringList &arguments, const QByteArray &lang) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE" })
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    env.insert(QStringLiteral("LOCPATH"), QStringLiteral(TILEGAUGE_TEST_LOCALES));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TILEGAUGE_EXECUTABLE), arguments);
    Run result;
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QByteArray tst_BatchCommands::fingerprint(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    struct stat info
    {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
        + QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.' + QByteArray::number(qint64(info.st_mtim.tv_nsec));
}

void tst_BatchCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const auto place = cataloguePlace(1, false);
    m_primary = place->arrayStart;
    QByteArray rom = romfactory::rom(GameCatalogue[0].headerKey, m_primary + 2 * qint64(kArraySize));
    for (int n = 0; n < kBoxCount; ++n) {
        romfactory::putBox(rom, m_primary + qint64(16) * n, romfactory::filledBox(char(n % 17)));
        romfactory::putBox(rom, m_primary + kArraySize + qint64(16) * n, romfactory::filledBox(char(0xF0 + n % 16)));
        rom[place->angleStart + n] = char(n);
    }
    QVERIFY(romfactory::write(path("game.bin"), rom));

    // The same header with the tables moved, and the code that loads them.
    QByteArray moved = romfactory::rom(GameCatalogue[0].headerKey, rom.size());
    moved.replace(kMovedArray - 0x100, 0x100 + 2 * kArraySize, rom.mid(place->angleStart, 0x100 + 2 * kArraySize));
    moved.replace(m_primary, kArraySize, QByteArray(kArraySize, 'x'));
    const QByteArray code = QByteArray::fromHex("45F900") + QByteArray::fromHex("01FF00") + QByteArray::fromHex("45F900")
        + QByteArray::fromHex("020000") + QByteArray::fromHex("45F900") + QByteArray::fromHex("021000");
    moved.replace(0x400, code.size(), code);
    QVERIFY(romfactory::write(path("moved.bin"), moved));

    QVERIFY(romfactory::write(path("other.bin"), QByteArray(0x3000, '\x01').leftJustified(0x70000, '\0')));
    QFile big(path("big.bin")); // 8 GiB, sparse
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(8) << 30));
    QVERIFY(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
}

void tst_BatchCommands::statuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString game = path("game.bin");
    const QString other = path("other.bin");
    QTest::newRow("dump") << QStringList { "--dump", game } << 0 << QString();
    QTest::newRow("missing file") << QStringList { "--dump", path("none.bin") } << 1 << path("none.bin");
    QTest::newRow("FIFO") << QStringList { "--dump", path("fifo") } << 1 << QStringLiteral("FIFO");
    QTest::newRow("/dev/zero") << QStringList { "--find", "/dev/zero" } << 1 << QStringLiteral("/dev/zero");
    QTest::newRow("FIFO found") << QStringList { "--find", path("fifo") } << 1 << QStringLiteral("FIFO");
    QTest::newRow("folder") << QStringList { "--dump", path("folder") } << 1 << QStringLiteral("directory");
    QTest::newRow("sheet into no folder") << QStringList { "--sheet", path("no/sheet.png"), game } << 1
                                          << path("no/sheet.png");
    QTest::newRow("unrecognized") << QStringList { "--dump", other } << 2 << QStringLiteral("--game N");
    QTest::newRow("no file") << QStringList { "--dump" } << 2 << QStringLiteral("--dump needs one file");
    QTest::newRow("two commands") << QStringList { "--dump", "--find", game } << 2 << QStringLiteral("only one");
    QTest::newRow("bad format") << QStringList { "--dump", "--format", "xml", game } << 2 << QStringLiteral("xml");
    QTest::newRow("format without dump") << QStringList { "--find", "--format", "c", game } << 2
                                         << QStringLiteral("--format goes only with --dump");
    QTest::newRow("bad look") << QStringList { "--sheet", path("s.png"), "--look", "tiny", game } << 2
                              << QStringLiteral("tiny");
    QTest::newRow("game 8") << QStringList { "--dump", "--game", "8", game } << 2 << QStringLiteral("1 to 7");
    QTest::newRow("bad offset") << QStringList { "--dump", "--array", "12G", other } << 2 << QStringLiteral("12G");
    QTest::newRow("negative offset") << QStringList { "--dump", "--angles", "-10", game } << 2
                                     << QStringLiteral("-10");
    QTest::newRow("no secondary") << QStringList { "--dump", "--game", "4", "--secondary", other } << 2
                                  << QStringLiteral("games 1, 2 and 7");
    QTest::newRow("find takes no array") << QStringList { "--find", "--game", "1", game } << 2
                                         << QStringLiteral("--game");
    QTest::newRow("unknown option") << QStringList { "--dump", "--colour", game } << 2 << QStringLiteral("colour");
    QTest::newRow("diff of one") << QStringList { "--diff", game } << 2 << QStringLiteral("two files");
    QTest::newRow("diff, missing") << QStringList { "--diff", game, path("none.bin") } << 2 << path("none.bin");
    QTest::newRow("sheet over input") << QStringList { "--sheet", game, game } << 2 << game;
    QTest::newRow("sheet named as JPEG") << QStringList { "--sheet", path("s.jpg"), game } << 2 << path("s.jpg");
}

void tst_BatchCommands::statuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run result = run(arguments);
    QCOMPARE(result.status, status);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    if (status != 0)
        QVERIFY(result.out.isEmpty());
}

void tst_BatchCommands::dumpSelectsTheArray_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    const QString game = path("game.bin");
    QTest::newRow("identified") << QStringList { "--dump", game }
                                << "00 62A00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)"
                                << "FF 639F0 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 FF (flagged)";
    QTest::newRow("secondary") << QStringList { "--dump", "--secondary", game }
                               << "00 63A00 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 00 (0°)"
                               << "FF 649F0 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF (flagged)";
    QTest::newRow("any offset, angles in front") << QStringList { "--dump", "--array", "0x62A10", game }
                                                 << "00 62A10 01 01 01 01 01 01 01 01 01 01 01 01 01 01 01 01 10 (337.5°)"
                                                 << "FF 63A00 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 F0 00 (0°)";
    QTest::newRow("angles elsewhere") << QStringList { "--dump", "--array", "62A00", "--angles", "62901", game }
                                      << "00 62A00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 (flagged)"
                                      << "FF 639F0 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)";
    QTest::newRow("past 4 GiB") << QStringList { "--dump", "--array", "100000000", path("big.bin") }
                                << "00 100000000 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)"
                                << "FF 100000FF0 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)";
    QTest::newRow("row chosen") << QStringList { "--dump", "--game", "2", path("other.bin") }
                                << "00 62A00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)"
                                << "FF 639F0 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)";
}

void tst_BatchCommands::dumpSelectsTheArray()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());
    const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 256);
    QCOMPARE(lines.first(), first);
    QCOMPARE(lines.last(), last);
}

void tst_BatchCommands::offsetGrammar()
{
    QFETCH(QString, text);
    QFETCH(QString, says);
    const Run result = run({ "--dump", "--array", text, path("game.bin") });
    QCOMPARE(result.status, says.startsWith(QLatin1Char('"')) ? 2 : says.contains(QStringLiteral("past")) ? 1 : 0);
    QVERIFY2((result.err + QString::fromUtf8(result.out.left(9))).contains(says), qPrintable(result.err));
}

void tst_BatchCommands::uncheckedAngleMapIsNamed()
{
    const Run unchecked = run({ "--dump", "--game", "3", path("other.bin") });
    QCOMPARE(unchecked.status, 0);
    QVERIFY2(unchecked.err.contains(QStringLiteral("2D1EA")), qPrintable(unchecked.err));
    const Run chosen = run({ "--dump", "--game", "3", "--angles", "0", path("other.bin") });
    QCOMPARE(chosen.status, 0);
    QVERIFY(chosen.err.isEmpty());
}

void tst_BatchCommands::jsonParsesBack()
{
    const Run result = run({ "--dump", "--format", "json", path("game.bin") });
    QCOMPARE(result.status, 0);
    const QJsonArray boxes = QJsonDocument::fromJson(result.out).array();
    QCOMPARE(boxes.size(), 256);
    QCOMPARE(boxes.at(16).toObject().value(QStringLiteral("bytes")).toArray().at(0).toInt(), 16);
    QCOMPARE(boxes.at(16).toObject().value(QStringLiteral("offset")).toInteger(), m_primary + 256);
    for (const char *format : { "asm", "c" })
        QCOMPARE(run({ "--dump", "--format", format, path("game.bin") }).status, 0);
}

void tst_BatchCommands::sheets_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("canvas") << QStringList {} << QStringLiteral("canvas.png") << QSize(2082, 2082);
    QTest::newRow("compact") << QStringList { "--look", "compact" } << QStringLiteral("compact.png") << QSize(256, 256);
    QTest::newRow("bitmap") << QStringList { "--look", "compact" } << QStringLiteral("compact.bmp") << QSize(256, 256);
}

void tst_BatchCommands::sheets()
{
    QFETCH(QStringList, options);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString out = m_dir.filePath(name);
    const Run result = run(QStringList { "--sheet", out } + options + QStringList { path("game.bin") });
    QCOMPARE(result.status, 0);
    const QImage sheet(out);
    QCOMPARE(sheet.size(), size);
    // Box 16 holds 0x10 everywhere: its whole box is filled.
    const QPoint inBox16 = size.width() == 256 ? QPoint(5, 21) : QPoint(2 + 3, 2 + 130 + 3);
    QCOMPARE(sheet.pixel(inBox16), qRgb(255, 255, 0));
}

void tst_BatchCommands::sheetOnStandardOutput()
{
    const Run result = run({ "--sheet", "-", "--look", "compact", path("game.bin") });
    QCOMPARE(result.status, 0);
    QVERIFY(result.out.startsWith("\x89PNG"));
    QCOMPARE(QImage::fromData(result.out).size(), QSize(256, 256));
}

void tst_BatchCommands::findsMovedTables()
{
    const Run result = run({ "--find", path("moved.bin") });
    QCOMPARE(result.status, 0);
    const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), QStringLiteral("20000 1.000 loads=1 angles=1FF00 angle-map-loaded rotated-loaded"));
    const Run table = run({ "--find", path("other.bin") });
    QCOMPARE(table.status, 0);
    QVERIFY(table.err.contains(QStringLiteral("No tables")));
}

void tst_BatchCommands::diffs()
{
    const Run same = run({ "--diff", path("game.bin"), path("game.bin") });
    QCOMPARE(same.status, 0);
    QVERIFY(same.out.isEmpty());
    const Run moved = run({ "--diff", path("game.bin"), path("moved.bin") });
    QCOMPARE(moved.status, 1);
    const QStringList lines = QString::fromUtf8(moved.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2 * 256);
    QCOMPARE(lines.at(0), QStringLiteral("< 00 62A00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 (0°)"));
    QCOMPARE(lines.at(1), QStringLiteral("> 00 62A00 78 78 78 78 78 78 78 78 78 78 78 78 78 78 78 78 00 (0°)"));
}

void tst_BatchCommands::portugueseMessages()
{
    // The system's reason in Portuguese too, for a read and for a write Qt would word itself.
    const Run missing = run({ "--dump", path("none.bin") }, "pt_BR.UTF-8");
    QCOMPARE(missing.status, 1);
    QVERIFY2(missing.err.contains(QStringLiteral("Não foi possível ler o arquivo: ") + path("none.bin")
                 + QStringLiteral(": Arquivo ou diretório inexistente")),
        qPrintable(missing.err));
    const Run unwritten = run({ "--sheet", path("no/sheet.png"), path("game.bin") }, "pt_BR.UTF-8");
    QVERIFY2(unwritten.err.endsWith(QStringLiteral(": Arquivo ou diretório inexistente\n")), qPrintable(unwritten.err));
    const Run usage = run({ "--dump", path("other.bin") }, "pt_PT.UTF-8");
    QCOMPARE(usage.status, 2);
    QVERIFY2(usage.err.contains(QStringLiteral("não foi identificado")), qPrintable(usage.err));
}

void tst_BatchCommands::inputIsNeverWritten()
{
    const QString game = path("game.bin");
    const QByteArray before = fingerprint(game);
    for (const QStringList &arguments : QList<QStringList> { { "--dump", game }, { "--find", game },
             { "--sheet", game, game }, { "--sheet", m_dir.filePath("link.png"), game }, { "--diff", game, game } }) {
        if (arguments.at(1).endsWith(QLatin1String("link.png")))
            QVERIFY(QFile::link(game, arguments.at(1)));
        run(arguments);
    }
    QCOMPARE(fingerprint(game), before);
}

QTEST_GUILESS_MAIN(tst_BatchCommands)
#include "tst_batchcommands.moc"
