// What the user hears of failed reads: a burst held back is told once, by its last failure, and a file
// that stays unreadable while it is followed is told once.

#include "failurereporter.h"
#include "modalwatcher.h"

#include <QDialog>
#include <QTest>

class tst_FailureReporter : public QObject
{
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
};

void tst_FailureReporter::messages_data()
{
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<QString>("secondReason");
    QTest::addColumn<bool>("readBetween");
    QTest::addColumn<int>("shown");
    QTest::newRow("held: the last, once") << true << false << "denied" << false << 1;
    QTest::newRow("quiet: the same failure") << false << true << "gone" << false << 1;
    QTest::newRow("quiet: another reason") << false << true << "denied" << false << 2;
    QTest::newRow("quiet: a good read between") << false << true << "gone" << true << 2;
    QTest::newRow("not quiet: the same failure") << false << false << "gone" << false << 2;
}

void tst_FailureReporter::messages()
{
    QFETCH(bool, held);
    QFETCH(bool, quiet);
    QFETCH(QString, secondReason);
    QFETCH(bool, readBetween);
    QFETCH(int, shown);
    FailureReporter reporter(nullptr, [] { return Language::English; });
    reporter.setQuietRepeats(quiet);
    ModalWatcher watcher;
    for (int i = 0; i < shown; ++i)
        watcher.expect("QMessageBox", [](QWidget *box) { static_cast<QDialog *>(box)->accept(); });
    if (held)
        reporter.hold();
    reporter.readFailed({ QStringLiteral("/a.bin"), QStringLiteral("gone") });
    if (readBetween)
        reporter.readSucceeded();
    reporter.readFailed({ QStringLiteral("/a.bin"), secondReason });
    if (held) {
        QCOMPARE(watcher.seen(), 0);
        reporter.release();
    }
    QCOMPARE(watcher.seen(), shown);
    QVERIFY(watcher.allMet());
    QVERIFY2(watcher.texts().last().contains(secondReason), qPrintable(watcher.texts().last()));
}

QTEST_MAIN(tst_FailureReporter)
#include "tst_failurereporter.moc"
