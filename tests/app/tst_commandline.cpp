// tilegauge [FILE]: the parsing on its own, the program as a process, and the window it opens.

#include "boxaddressing.h"
#include "commandline.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "modalwatcher.h"
#include "romfactory.h"
#include "startup.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

class tst_CommandLine : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void cleanup();
    void parses_data();
    void parses();
    void asAProcess_data();
    void asAProcess();
    void opensTheFile();
    void unrecognizedAsksAndAbortLeavesItEmpty_data();
    void unrecognizedAsksAndAbortLeavesItEmpty();

private:
    QTemporaryDir m_dir;
    QString m_rom;
};

void tst_CommandLine::initTestCase()
{
    nameTilegauge();
    const GameRow *row = catalogueRow(5);
    QByteArray bytes = romfactory::rom(row->headerKey, row->arrayStart - 1);
    romfactory::putBox(bytes, row->arrayStart - 1, romfactory::rampBox(0x30));
    m_rom = m_dir.filePath(QStringLiteral("row5.bin"));
    QVERIFY(romfactory::write(m_rom, bytes));
    QVERIFY(romfactory::write(m_dir.filePath(QStringLiteral("unknown.bin")), QByteArray(0x1000, '\x55')));
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void tst_CommandLine::cleanup()
{
    m_form.reset();
}

void tst_CommandLine::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<bool>("usable"); // a window path came out
    QTest::addColumn<QString>("path");
    const QString here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList {} << true << true << QString();
    QTest::newRow("absolute") << QStringList { "/tmp/a.bin" } << true << true << "/tmp/a.bin";
    QTest::newRow("relative") << QStringList { "sub/../a.bin" } << true << true << here + "/a.bin";
    QTest::newRow("file URL") << QStringList { "file:///tmp/a%20b.bin" } << true << true << "/tmp/a b.bin";
    QTest::newRow("after --") << QStringList { "--", "--odd.bin" } << true << true << here + "/--odd.bin";
    QTest::newRow("Qt's options") << QStringList { "-platform", "offscreen", "-style=fusion", "-reverse", "a.bin" }
                                  << true << true << here + "/a.bin";
    QTest::newRow("Qt's options, two dashes") << QStringList { "--platform", "offscreen" } << true << true << QString();
    QTest::newRow("two paths") << QStringList { "a.bin", "b.bin" } << true << false << QString();
    QTest::newRow("remote URL") << QStringList { "https://example.org/a.bin" } << true << false << QString();
    QTest::newRow("unknown option") << QStringList { "--frobnicate", "a.bin" } << false << false << QString();
    QTest::newRow("missing value") << QStringList { "-platform" } << false << false << QString();
}

void tst_CommandLine::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, parsed);
    QFETCH(bool, usable);
    QFETCH(QString, path);
    CommandLine commandLine;
    QCOMPARE(commandLine.parse(QStringList { "tilegauge" } + arguments), parsed);
    if (!parsed)
        return;
    QVERIFY(!commandLine.answeredHelpOrVersion());
    const std::optional<QString> windowPath = commandLine.windowPath();
    QCOMPARE(windowPath.has_value(), usable);
    if (usable)
        QCOMPARE(*windowPath, path);
}

void tst_CommandLine::asAProcess_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // expected in standard output
    QTest::addColumn<QString>("err"); // how standard error ends
    // Started by its full path, the program still names itself as it is installed.
    QTest::newRow("help") << QStringList { "--help" } << 0 << "Usage: tilegauge [options] [FILE]\n" << QString();
    QTest::newRow("version") << QStringList { "--version" } << 0 << "Tilegauge " << QString();
    QTest::newRow("two paths") << QStringList { "a.bin", "b.bin" } << 2 << QString()
                               << "tilegauge: The window opens one file at most, and 2 were given.\n"
                                  "Try 'tilegauge --help' for more information.\n";
    QTest::newRow("unknown option") << QStringList { "--frobnicate" } << 2 << QString()
                                    << "tilegauge: Unknown option 'frobnicate'.\n"
                                       "Try 'tilegauge --help' for more information.\n";
    QTest::newRow("option without its command") << QStringList { "--game", "5", "a.bin" } << 2 << QString()
                                                << "tilegauge: --game goes only with --dump, --sheet, --diff, --check, --output.\n"
                                                   "Try 'tilegauge --help' for more information.\n";
    // After whatever Qt says of the display it could not reach, and without aborting.
    QTest::newRow("no display") << QStringList { "a.bin" } << 1 << QString()
                                << "tilegauge: There is no display to show the window on.\n";
}

void tst_CommandLine::asAProcess()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    // No display of any kind: none of these may need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE" })
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TILEGAUGE_BINARY), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    if (out.isEmpty())
        QVERIFY2(stdOut.isEmpty(), qPrintable(stdOut));
    else
        QVERIFY2(stdOut.startsWith(out), qPrintable(stdOut));
    if (err.isEmpty())
        QVERIFY2(stdErr.isEmpty(), qPrintable(stdErr));
    else
        QVERIFY2(stdErr.endsWith(err), qPrintable(stdErr));
}

void tst_CommandLine::opensTheFile()
{
    CommandLine commandLine;
    QVERIFY(commandLine.parse({ "tilegauge", "row5.bin" }));
    ModalWatcher watcher(2000); // nothing to ask
    m_form = startTilegauge(*commandLine.windowPath());
    QTRY_COMPARE(text("txtArquivo"), m_rom);
    QCOMPARE(text("txtBytes"), QStringLiteral("30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F "));
    QCOMPARE(text("txtIndex"), QStringLiteral("00"));
    QCOMPARE(m_form->GameId(), qint16(5));
    QCOMPARE(watcher.seen(), 0);
}

void tst_CommandLine::unrecognizedAsksAndAbortLeavesItEmpty_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("unrecognized") << "unknown.bin";
    QTest::newRow("missing") << "no-such-file.bin";
}

void tst_CommandLine::unrecognizedAsksAndAbortLeavesItEmpty()
{
    QFETCH(QString, argument);
    CommandLine commandLine;
    QVERIFY(commandLine.parse({ "tilegauge", argument }));
    ModalWatcher watcher;
    watcher.expect("QMessageBox", [](QWidget *box) {
        box->findChild<QAbstractButton *>(QStringLiteral("Abort"))->click();
    });
    m_form = startTilegauge(*commandLine.windowPath());
    QTRY_VERIFY(watcher.allMet());
    QVERIFY(text("txtArquivo").isEmpty());
    QVERIFY(text("txtBytes").isEmpty());
    QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("..."));
    QVERIFY(!m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->isEnabled());
    QCOMPARE(m_form->GameId(), qint16(0));
}

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
