// The array window's table search: finding, choosing, cancelling.

#include "arraygrid.h"
#include "arraywindowfixture.h"
#include "tablesearchjob.h"
#include "testenvironment.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>

class tst_ArrayWindowSearch : public QObject, protected ArrayWindowFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { setUpFiles(); }
    void init() { makeLinkedForm(); }
    void cleanup() { m_form.reset(); }

    void findTablesAndChooseTheFirst();
    void cancelChangesNothing();
    void aNewFileStopsTheSearch();
};

void tst_ArrayWindowSearch::findTablesAndChooseTheFirst()
{
    // The catalogue's place holds code-like noise; the tables moved.
    QByteArray noise(kArraySize, '\0');
    QRandomGenerator random(14);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    ArrayWindow *window = openWith(image(noise, true));
    QVERIFY(window);
    QVERIFY(!child<QLabel>(window, "warning")->text().isEmpty());

    auto *list = child<QListWidget>(window, "candidates");
    QTest::mouseClick(child<QPushButton>(window, "findTables"), Qt::LeftButton);
    QVERIFY(list->count() == 0);
    QTRY_VERIFY(list->count() >= 1);
    const QString first = list->item(0)->text();
    QVERIFY2(first.startsWith(QStringLiteral("80000   score 1.00   1 load(s)")), qPrintable(first));
    QVERIFY2(first.contains(QStringLiteral("angle map loaded")), qPrintable(first));
    QVERIFY(!child<QProgressBar>(window, "progress")->isVisible());
    QCOMPARE(list->viewport()->height() % list->visualItemRect(list->item(0)).height(), 0); // whole rows

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtArray")->text(), QStringLiteral("80000"));
    QCOMPARE(child<QLineEdit>(window, "arrayStart")->text(), QStringLiteral("80000"));
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("7FF00"));
    auto *grid = window->findChild<ArrayGrid *>();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(grid->array().bytes.data()), kArraySize), designedArray(3));
    QCOMPARE(grid->array().angles[7], quint8(7));
    QVERIFY(child<QLabel>(window, "warning")->text().isEmpty());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtBytes")->text().left(6), QStringLiteral("00 00 "));
}

void tst_ArrayWindowSearch::cancelChangesNothing()
{
    ArrayWindow *window = openWith(image(designedArray(), true));
    QVERIFY(window);
    // A sparse file big enough that the scan is still running when Cancel is pressed.
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(qint64(512) << 20));
    file.close();
    auto *list = child<QListWidget>(window, "candidates");
    auto *find = child<QPushButton>(window, "findTables");
    auto *job = window->findChild<TableSearchJob *>();
    QSignalSpy finished(job, &TableSearchJob::finished);
    QTest::mouseClick(find, Qt::LeftButton);
    QVERIFY(child<QProgressBar>(window, "progress")->isVisible());
    QVERIFY(!find->isEnabled());
    QTest::mouseClick(child<QPushButton>(window, "cancelSearch"), Qt::LeftButton);
    job->waitForIdle();
    deliverTheEnd();
    QCOMPARE(finished.count(), 0);
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Search cancelled."));
    QVERIFY(find->isEnabled());
    QVERIFY(!child<QProgressBar>(window, "progress")->isVisible());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtArray")->text(), QStringLiteral("62A00"));
}

void tst_ArrayWindowSearch::aNewFileStopsTheSearch()
{
    ArrayWindow *window = openWith(image(designedArray(), true));
    QVERIFY(window);
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(qint64(512) << 20));
    file.close();
    auto *job = window->findChild<TableSearchJob *>();
    QSignalSpy finished(job, &TableSearchJob::finished);
    QTest::mouseClick(child<QPushButton>(window, "findTables"), Qt::LeftButton);

    const QString other = m_dir.filePath(QStringLiteral("other.bin"));
    QVERIFY(romfactory::write(other, image(designedArray(2), true)));
    QVERIFY(formdriver::open(*m_form, other));
    job->waitForIdle();
    deliverTheEnd();
    // Neither finished before the new file came nor reported after.
    QCOMPARE(finished.count(), 0);
    QCOMPARE(child<QListWidget>(window, "candidates")->count(), 0);
    QVERIFY(child<QPushButton>(window, "findTables")->isEnabled());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtArray")->text(), QStringLiteral("62A00"));
    QCOMPARE(window->findChild<ArrayGrid *>()->array().bytes[40], quint8(designedArray(2).at(40)));
}

QTEST_MAIN(tst_ArrayWindowSearch)
#include "tst_arraywindowsearch.moc"
