// The picture follows the loaded file as it is rebuilt: the real watcher, through the real window.

#include "boxaddressing.h"
#include "filefollower.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "modalwatcher.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

constexpr int kGame = 5;
constexpr int kIndex = 3;

qint64 boxOffset()
{
    return catalogueRow(kGame)->arrayStart - 1 + qint64(kIndex) * kBoxSize;
}

const auto bytesText = formdriver::bytesTextOf;

QByteArray romWithBox(const QByteArray &box)
{
    QByteArray bytes = romfactory::rom(catalogueRow(kGame)->headerKey, boxOffset());
    romfactory::putBox(bytes, boxOffset(), box);
    return bytes;
}

bool writeBoxInPlace(const QString &path, const QByteArray &box)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(boxOffset()) && file.write(box) == box.size();
}

// True when this process holds `path` open.
bool heldOpen(const QString &path)
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo &fd : fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (fd.symLinkTarget() == path)
            return true;
    }
    return false;
}

} // namespace

class tst_FileFollower : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void init();
    void cleanup();
    void followsChanges_data();
    void followsChanges();
    void burstGivesFewRefreshes();
    void unreadableIsReportedOnce();
    void onlyRegularFiles();

private:
    [[nodiscard]] FileFollower *follower() const
    {
        return m_form->findChild<FileFollower *>(QStringLiteral("fileFollower"));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void tst_FileFollower::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("hack.bin"));
    QVERIFY(romfactory::write(m_path, romWithBox(romfactory::rampBox(0x20))));
    QVERIFY(makeForm());
    m_form->openPath(m_path);
    m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1"))->setValue(kIndex);
    QCOMPARE(text("txtBytes"), bytesText(romfactory::rampBox(0x20)));
}

void tst_FileFollower::cleanup()
{
    m_form.reset();
    m_dir.reset();
}

void tst_FileFollower::followsChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray zeros(16, '\0');
    QTest::newRow("rewritten in place") << "in place" << romfactory::filledBox('\x07');
    QTest::newRow("replaced by rename") << "rename" << romfactory::rampBox(0xF0);
    QTest::newRow("truncated") << "truncate" << zeros;
    QTest::newRow("removed") << "remove" << zeros;
    QTest::newRow("removed, then written anew") << "recreate" << romfactory::filledBox('\x0C');
}

void tst_FileFollower::followsChanges()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, expected);
    const QImage before = m_form->canvasImage();
    const QString label = m_form->findChild<QLabel *>(QStringLiteral("Label1"))->text();
    QSignalSpy refreshes(follower(), &FileFollower::changed);
    ModalWatcher watcher(2000); // no question and no message may come up

    if (how == QLatin1String("in place")) {
        QVERIFY(writeBoxInPlace(m_path, expected));
    } else if (how == QLatin1String("rename")) {
        const QString next = m_dir->filePath(QStringLiteral("hack.bin.new"));
        QVERIFY(romfactory::write(next, romWithBox(expected)));
        QCOMPARE(std::rename(qPrintable(next), qPrintable(m_path)), 0);
    } else if (how == QLatin1String("truncate")) {
        QVERIFY(QFile::resize(m_path, boxOffset()));
    } else {
        QVERIFY(QFile::remove(m_path));
        if (how == QLatin1String("recreate")) {
            QTRY_VERIFY(!refreshes.isEmpty());
            QTRY_COMPARE(text("txtBytes"), bytesText(QByteArray(16, '\0')));
            QVERIFY(romfactory::write(m_path, romWithBox(expected)));
        }
    }

    QTRY_COMPARE(text("txtBytes"), bytesText(expected));
    QVERIFY(m_form->canvasImage() != before);
    QCOMPARE(text("txtIndex"), QStringLiteral("03"));
    QCOMPARE(text("txtArquivo"), m_path);
    QCOMPARE(m_form->GameId(), qint16(kGame));
    QCOMPARE(m_form->findChild<QLabel *>(QStringLiteral("Label1"))->text(), label);
    QCOMPARE(watcher.seen(), 0);
    QVERIFY(!heldOpen(m_path));

    // Still followed after the change: the next one shows too.
    QVERIFY(romfactory::write(m_path, romWithBox(romfactory::filledBox('\x3A'))));
    QTRY_COMPARE(text("txtBytes"), bytesText(romfactory::filledBox('\x3A')));
}

void tst_FileFollower::burstGivesFewRefreshes()
{
    QSignalSpy refreshes(follower(), &FileFollower::changed);
    for (int i = 0; i < 50; ++i)
        QVERIFY(writeBoxInPlace(m_path, romfactory::filledBox(char(i + 1))));
    QTRY_COMPARE(text("txtBytes"), bytesText(romfactory::filledBox(char(50))));
    QTRY_VERIFY(!follower()->isPending());
    QVERIFY2(!refreshes.isEmpty() && refreshes.size() <= 3, qPrintable(QString::number(refreshes.size())));
    QCOMPARE(text("txtBytes"), bytesText(romfactory::filledBox(char(50))));
}

void tst_FileFollower::unreadableIsReportedOnce()
{
    QSignalSpy refreshes(follower(), &FileFollower::changed);
    ModalWatcher watcher;
    watcher.expect("QMessageBox", [this](QWidget *modal) {
        auto *box = static_cast<QMessageBox *>(modal);
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QVERIFY(box->text().contains(m_path));
        box->buttons().constFirst()->click();
    });
    // A folder where the file was: every read fails.
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QDir().mkdir(m_path));
    QTRY_VERIFY(watcher.allMet());

    // More changes in the folder refresh again, and say nothing more.
    const int seen = int(refreshes.size());
    for (int i = 0; i < 3; ++i) {
        QVERIFY(romfactory::write(m_dir->filePath(QStringLiteral("other%1.bin").arg(i)), "x"));
        QTRY_VERIFY(refreshes.size() > seen + i);
    }
    QCOMPARE(watcher.seen(), 1);
    QCOMPARE(text("txtIndex"), QStringLiteral("03"));

    // Readable again: shown, and a later failure is news again.
    QVERIFY(QDir().rmdir(m_path));
    QVERIFY(romfactory::write(m_path, romWithBox(romfactory::filledBox('\x11'))));
    QTRY_COMPARE(text("txtBytes"), bytesText(romfactory::filledBox('\x11')));
    QCOMPARE(watcher.seen(), 1);
}

void tst_FileFollower::onlyRegularFiles()
{
    FileFollower follower;
    QVERIFY(!follower.follow(m_dir->path()));
    QVERIFY(!follower.follow(m_dir->filePath(QStringLiteral("missing.bin"))));
    QVERIFY(follower.path().isEmpty());
    QVERIFY(follower.follow(m_path));
    QCOMPARE(follower.path(), m_path);
}

QTEST_MAIN(tst_FileFollower)
#include "tst_filefollower.moc"
