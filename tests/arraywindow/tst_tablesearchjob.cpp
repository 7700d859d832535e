// The table search on a pool thread, apart from the window that starts it.

#include "tablesearchjob.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_TableSearchJob : public QObject
{
    Q_OBJECT

private slots:
    void searchRunsOffTheWindowsThread();

private:
    QTemporaryDir m_dir;
};

void tst_TableSearchJob::searchRunsOffTheWindowsThread()
{
    const QString path = m_dir.filePath(QStringLiteral("large.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(512) << 20));
    file.close();
    TableSearchJob job(nullptr);
    QSignalSpy progress(&job, &TableSearchJob::progress);
    QSignalSpy finished(&job, &TableSearchJob::finished);
    job.start(path);
    // The call came back at once: this thread's event loop hears of the scan part-way, while it runs.
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty(), 30000);
    QVERIFY(progress.first().at(0).toInt() < 1000 && finished.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QVERIFY(!job.isRunning());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last().at(0).toInt(), 1000);
    QVERIFY(finished.at(0).at(0).value<TableSearch>().candidates.empty());
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(tst_TableSearchJob)
#include "tst_tablesearchjob.moc"
