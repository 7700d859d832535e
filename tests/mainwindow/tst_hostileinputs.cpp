// Hostile files and paths through the real window: each command returns, the window stays usable, the
// user is told where they must know, and no file is lost. The ModalWatcher's safety timer turns a modal
// window that never goes away into a failure; a blocked system call would trip CTest's timeout instead.

#include "boxaddressing.h"
#include "canvasoracle.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Outcome
{
    Loaded, // shown with `detail` as its bytes
    Unrecognized, // the user is asked, answers Abort, and the earlier file stays
    ViewedAnyway, // the user is asked, answers Ignore, names a game and sees `detail` as its bytes
    ReadFails, // a critical message names the path and `detail`, the system's reason
    DialogRefuses, // the file dialog will not return the path, so nothing happens
};

const QString kZeros = QStringLiteral("00 ").repeated(kBoxSize);

using formdriver::bytesTextOf;
using formdriver::click;
using formdriver::typePath;
using testenvironment::contents;
using testenvironment::listing;
using testenvironment::reason;

// Link seam (-Wl,--wrap=pread): once armed, the program's reads succeed `readsLeft` more times, then fail.
int readsLeft = -1;

} // namespace

// NOLINTBEGIN(bugprone-reserved-identifier): the linker's names for the two ends of a wrapped call
extern "C" ssize_t __real_pread(int fd, void *buffer, size_t count, off_t offset);
extern "C" ssize_t __wrap_pread(int fd, void *buffer, size_t count, off_t offset)
{
    if (readsLeft == 0) {
        errno = EIO;
        return -1;
    }
    if (readsLeft > 0)
        --readsLeft;
    return __real_pread(fd, buffer, count, offset);
}
// NOLINTEND(bugprone-reserved-identifier)

Q_DECLARE_METATYPE(Outcome)

class tst_HostileInputs : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void open_data();
    void open();
    void changedWhileLoaded_data();
    void changedWhileLoaded();
    void readFailsPartWay();
    void exportFails_data();
    void exportFails();

private:
    [[nodiscard]] QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    void stepAndBack();

    QTemporaryDir m_dir;
    QString m_deep; // a file at a path of 4,000 characters
    QByteArray m_rawName; // a name that is not valid UTF-8, as the system has it
    QString m_lossyName; // how Qt gives it back
    QString m_loaded; // a row-5 file, shown before every case
    QByteArray m_loadedBytes;
};

void tst_HostileInputs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QApplication::setFont(Form1::designFont());
    m_loadedBytes = romfactory::gameRom(5, { romfactory::rampBox(0x50) });
    m_loaded = path("loaded.bin");

    const QByteArray key1 = catalogueRow(1)->headerKey;
    QVERIFY(romfactory::write(path("empty.bin"), {}));
    QVERIFY(romfactory::write(path("one-byte.bin"), "G"));
    QVERIFY(romfactory::write(path("397.bin"), romfactory::rom(key1, 397)));
    QVERIFY(romfactory::write(path("398.bin"), romfactory::rom(key1, 398)));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.bmp")).constData(), 0600), 0);
    QVERIFY(QFile::link(path("loop-b"), path("loop-a")));
    QVERIFY(QFile::link(path("loop-a"), path("loop-b")));
    QVERIFY(romfactory::write(path("new\nline.bin"), m_loadedBytes));

    // A real file 4,000 characters down a chain of folders, each name well under the system's limit.
    QString deep = m_dir.path();
    while (deep.size() < 4000 - 210)
        deep += QLatin1Char('/') + QString(200, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(deep));
    deep += QLatin1Char('/') + QString(4000 - deep.size() - 1 - 4, QLatin1Char('r')) + QStringLiteral(".bin");
    QCOMPARE(deep.size(), 4000);
    QVERIFY(romfactory::write(deep, m_loadedBytes));
    m_deep = deep;

    // Not valid UTF-8: Qt carries paths as text, so the name it is given back differs from the one on disk.
    m_rawName = QFile::encodeName(m_dir.path()) + "/bad-\xff\xfe.bin";
    FILE *file = std::fopen(m_rawName.constData(), "wb");
    QVERIFY(file);
    QCOMPARE(std::fwrite(m_loadedBytes.constData(), 1, size_t(m_loadedBytes.size()), file),
        size_t(m_loadedBytes.size()));
    QCOMPARE(std::fclose(file), 0);
    m_lossyName = QFile::decodeName(m_rawName);
    QVERIFY(!QFile::exists(m_lossyName));
}

void tst_HostileInputs::cleanupTestCase()
{
    // Qt cannot name this file to remove it with the folder.
    QCOMPARE(::unlink(m_rawName.constData()), 0);
}

void tst_HostileInputs::init()
{
    // A FIFO or folder left by a case would block the write.
    ::remove(QFile::encodeName(m_loaded).constData());
    QVERIFY(romfactory::write(m_loaded, m_loadedBytes));
    QVERIFY(makeForm());
    QVERIFY(formdriver::open(*m_form, m_loaded));
    QCOMPARE(text("txtBytes"), bytesTextOf(romfactory::rampBox(0x50)));
}

void tst_HostileInputs::cleanup()
{
    readsLeft = -1;
    m_form.reset();
}

// The window still answers: the next box and back again read the file afresh.
void tst_HostileInputs::stepAndBack()
{
    auto *scroll = m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    QVERIFY(scroll->isEnabled());
    const int start = scroll->value();
    scroll->setValue(start + 1);
    QCOMPARE(text("txtIndex"), indexText(start + 1));
    scroll->setValue(start);
    QCOMPARE(text("txtIndex"), indexText(start));
}

void tst_HostileInputs::open_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("detail");
    const QString loaded = bytesTextOf(romfactory::rampBox(0x50));

    QTest::newRow("missing path") << path("missing.bin") << Outcome::Unrecognized << QString();
    QTest::newRow("empty file") << path("empty.bin") << Outcome::Unrecognized << QString();
    QTest::newRow("1 byte") << path("one-byte.bin") << Outcome::Unrecognized << QString();
    QTest::newRow("397 bytes: key cut short") << path("397.bin") << Outcome::Unrecognized << QString();
    QTest::newRow("398 bytes: whole key, no array") << path("398.bin") << Outcome::Loaded << kZeros;
    QTest::newRow("directory") << path("folder") << Outcome::DialogRefuses << QString();
    QTest::newRow("FIFO without a writer") << path("fifo") << Outcome::ReadFails << reason(ESPIPE);
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << Outcome::ViewedAnyway << kZeros;
    QTest::newRow("symlink loop") << path("loop-a") << Outcome::ReadFails << reason(ELOOP);
    QTest::newRow("4,000-character path") << m_deep << Outcome::Loaded << loaded;
    // Longer than any name the system allows: Qt's dialog declines it without a word.
    QTest::newRow("4,000-character name") << path(QString(4000, QLatin1Char('n')).toLatin1().constData())
                                          << Outcome::DialogRefuses << QString();
    QTest::newRow("name with a newline") << path("new\nline.bin") << Outcome::Loaded << loaded;
    // The name Qt gives back names no file, and a missing file reads as empty.
    QTest::newRow("name not valid UTF-8") << m_lossyName << Outcome::Unrecognized << QString();
}

void tst_HostileInputs::open()
{
    QFETCH(QString, target);
    QFETCH(Outcome, outcome);
    QFETCH(QString, detail);
    const QStringList before = listing(m_dir.path());

    ModalWatcher watcher;
    watcher.expect("QFileDialog", [target, outcome](QWidget *dialog) {
        typePath(dialog, target);
        if (outcome == Outcome::DialogRefuses) {
            QVERIFY2(dialog->isVisible(), "the dialog returned the path");
            static_cast<QDialog *>(dialog)->reject();
        }
    });
    if (outcome == Outcome::Unrecognized || outcome == Outcome::ViewedAnyway) {
        watcher.expect("QMessageBox", [outcome](QWidget *modal) {
            QCOMPARE(static_cast<QMessageBox *>(modal)->text(),
                QString(languageTexts(Language::English).MsgUnrecognized).remove(QLatin1Char('\r')));
            click(modal, outcome == Outcome::Unrecognized ? "Abort" : "Ignore");
        });
    }
    if (outcome == Outcome::ViewedAnyway) {
        watcher.expect("Form2", [](QWidget *selector) {
            formdriver::choose(selector->findChild<QRadioButton *>(QStringLiteral("Opt3")));
            click(selector, "Command1");
        });
    }
    if (outcome == Outcome::ReadFails)
        formdriver::expectFailure(watcher, formdriver::kReadFailed, target, detail);

    m_form->cmdAbrirClick();
    QVERIFY(watcher.allMet());
    QVERIFY2(!QApplication::activeModalWidget(), "a window is left open");

    // Otherwise the earlier file is still shown and still read.
    const bool replaced = outcome == Outcome::Loaded || outcome == Outcome::ViewedAnyway;
    const QString shown = replaced ? detail : bytesTextOf(romfactory::rampBox(0x50));
    QCOMPARE(text("txtArquivo"), replaced ? target : m_loaded);
    QCOMPARE(text("txtBytes"), shown);
    stepAndBack();
    QCOMPARE(text("txtBytes"), shown);
    // The file dialog, then the question or the failure, then the game selector.
    const int modals = outcome == Outcome::ViewedAnyway                     ? 3
        : outcome == Outcome::Unrecognized || outcome == Outcome::ReadFails ? 2
                                                                            : 1;
    QCOMPARE(watcher.seen(), modals);
    QCOMPARE(listing(m_dir.path()), before);
    QCOMPARE(contents(m_loaded), m_loadedBytes);
}

void tst_HostileInputs::changedWhileLoaded_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("errorCode");
    const QByteArray box = romfactory::rampBox(0x50);
    // Cut in the middle of box 0: the rest of it reads as zeros, as past any end.
    QTest::newRow("truncated") << "truncate" << bytesTextOf(box.left(8) + QByteArray(8, '\0')) << 0;
    QTest::newRow("replaced") << "replace" << bytesTextOf(romfactory::filledBox('\x42')) << 0;
    // A missing file reads as empty, silently.
    QTest::newRow("removed") << "remove" << kZeros << 0;
    // Nothing could be read, so no byte is shown.
    QTest::newRow("replaced by a FIFO") << "fifo" << QString() << ESPIPE;
    QTest::newRow("turned into a folder") << "folder" << QString() << EISDIR;
}

void tst_HostileInputs::changedWhileLoaded()
{
    QFETCH(QString, change);
    QFETCH(QString, shown);
    QFETCH(int, errorCode);
    const qint64 boxOffset = catalogueRow(5)->arrayStart - 1;
    if (change == QLatin1String("truncate")) {
        QVERIFY(QFile::resize(m_loaded, boxOffset + 8));
    } else if (change == QLatin1String("replace")) {
        QByteArray other = m_loadedBytes;
        romfactory::putBox(other, boxOffset, romfactory::filledBox('\x42'));
        QVERIFY(romfactory::write(path("other.bin"), other));
        QCOMPARE(::rename(QFile::encodeName(path("other.bin")).constData(),
                     QFile::encodeName(m_loaded).constData()),
            0);
    } else {
        QVERIFY(QFile::remove(m_loaded));
        if (change == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(m_loaded).constData(), 0600), 0);
        else if (change == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(m_loaded));
    }

    ModalWatcher watcher;
    if (errorCode != 0) {
        // Once for each of the two boxes shown.
        formdriver::expectFailure(watcher, formdriver::kReadFailed, m_loaded, reason(errorCode));
        formdriver::expectFailure(watcher, formdriver::kReadFailed, m_loaded, reason(errorCode));
    }
    stepAndBack();
    QVERIFY(watcher.allMet());
    QCOMPARE(text("txtBytes"), shown);
    QCOMPARE(text("txtArquivo"), m_loaded);
    QCOMPARE(watcher.seen(), errorCode != 0 ? 2 : 0);
}

// A read that fails in the middle of a box keeps the bytes read before it, in the texts and the picture.
void tst_HostileInputs::readFailsPartWay()
{
    auto *scroll = m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    scroll->setValue(1);
    ModalWatcher watcher;
    formdriver::expectFailure(watcher, formdriver::kReadFailed, m_loaded, reason(EIO));
    readsLeft = 5;
    scroll->setValue(0);
    QVERIFY(watcher.allMet());
    const QByteArray box = romfactory::rampBox(0x50);
    QCOMPARE(text("txtBytes"), bytesTextOf(box.left(5)));
    QCOMPARE(canvasoracle::difference(m_form->canvasImage(), box.left(5) + QByteArray(11, '\0')), QString());
}

void tst_HostileInputs::exportFails_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("dialogRefuses");
    QTest::addColumn<int>("sizeLimit"); // bytes a file may have during the export, or -1 for no limit
    QTest::addColumn<int>("errorCode");
    QTest::newRow("into a missing folder") << path("absent/box.bmp") << false << -1 << ENOENT;
    // No file can be made there, not even by root.
    QTest::newRow("under /proc") << QStringLiteral("/proc/tilegauge-box.bmp") << false << -1 << ENOENT;
    QTest::newRow("onto a directory") << path("folder") << true << -1 << 0;
    // Renamed over, it would become a regular file; written to, it would wait for a reader.
    QTest::newRow("onto a FIFO") << path("pipe.bmp") << false << -1 << 0;
    // The process's file size limit fails the write as a full disk would, even for root.
    QTest::newRow("over a file, replacement fails") << path("old.bmp") << false << 0 << EFBIG;
}

void tst_HostileInputs::exportFails()
{
    QFETCH(QString, target);
    QFETCH(bool, dialogRefuses);
    QFETCH(int, sizeLimit);
    QFETCH(int, errorCode);
    QVERIFY(romfactory::write(path("old.bmp"), "an earlier picture"));
    QVERIFY(romfactory::write(path("folder/inside.txt"), "keep"));
    const QStringList before = listing(m_dir.path());

    ModalWatcher watcher;
    watcher.expect("QMessageBox", [](QWidget *modal) { click(modal, "Yes"); });
    watcher.expect("QFileDialog", [target, dialogRefuses](QWidget *dialog) {
        typePath(dialog, target);
        if (dialogRefuses) {
            QVERIFY2(dialog->isVisible(), "the dialog returned a directory");
            static_cast<QDialog *>(dialog)->reject();
        }
    });
    if (!dialogRefuses) {
        formdriver::expectFailure(
            watcher, formdriver::kWriteFailed, target, errorCode ? reason(errorCode) : QString());
    }
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (sizeLimit >= 0)
            limit = std::make_unique<FileSizeLimit>(rlim_t(sizeLimit));
        m_form->Picture1DblClick();
    }
    QVERIFY(watcher.allMet());
    QCOMPARE(watcher.seen(), dialogRefuses ? 2 : 3);
    QCOMPARE(listing(m_dir.path()), before);
    QCOMPARE(contents(path("old.bmp")), QByteArray("an earlier picture"));
    QCOMPARE(listing(path("folder")), QStringList { QStringLiteral("inside.txt") });
    QCOMPARE(contents(m_loaded), m_loadedBytes);
    struct stat fifo = {};
    QCOMPARE(::stat(QFile::encodeName(path("pipe.bmp")).constData(), &fifo), 0);
    QVERIFY(S_ISFIFO(fifo.st_mode));
    stepAndBack();
}

QTEST_MAIN(tst_HostileInputs)
#include "tst_hostileinputs.moc"
