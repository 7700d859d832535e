// Dropping files on the main window, through the real window and its event filter.

#include "boxaddressing.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "modalwatcher.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

struct DropOutcome
{
    bool enterAccepted;
    bool dropAccepted;
};

// What the window says to a drag of `data` entering `target` and then dropping there.
DropOutcome dragAndDrop(QWidget *target, const QMimeData &data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return { enter.isAccepted() && enter.dropAction() != Qt::IgnoreAction,
        drop.isAccepted() && drop.dropAction() == Qt::CopyAction };
}

} // namespace

class tst_FileDrop : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void oneFileOpens_data();
    void oneFileOpens();
    void othersAreRefused_data();
    void othersAreRefused();
    void refusedDuringAModal();

private:
    [[nodiscard]] QString romPath() const { return m_dir.filePath(QStringLiteral("row5.bin")); }

    QTemporaryDir m_dir;
};

void tst_FileDrop::initTestCase()
{
    const GameRow *row = catalogueRow(5);
    QByteArray bytes = romfactory::rom(row->headerKey, row->arrayStart - 1);
    romfactory::putBox(bytes, row->arrayStart - 1, romfactory::rampBox(0x40));
    QVERIFY(romfactory::write(romPath(), bytes));
}

void tst_FileDrop::init()
{
    QVERIFY(makeForm());
}

void tst_FileDrop::cleanup()
{
    m_form.reset();
}

void tst_FileDrop::oneFileOpens_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("on the picture") << "Picture1";
    QTest::newRow("on a text box") << "txtBytes";
    QTest::newRow("on a button") << "cmdAbrir";
    QTest::newRow("on the window") << "Form1";
}

void tst_FileDrop::oneFileOpens()
{
    QFETCH(QString, target);
    QWidget *widget = target == QLatin1String("Form1") ? m_form.get() : m_form->findChild<QWidget *>(target);
    QVERIFY(widget);
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(romPath()) });
    const DropOutcome outcome = dragAndDrop(widget, data);
    QVERIFY(outcome.enterAccepted);
    QVERIFY(outcome.dropAccepted);
    QTRY_COMPARE(text("txtArquivo"), romPath());
    QCOMPARE(text("txtBytes"), QStringLiteral("40 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F "));
    QCOMPARE(m_form->GameId(), qint16(5));
}

void tst_FileDrop::othersAreRefused_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("plainText");
    const QUrl file = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("row5.bin")));
    QTest::newRow("two files") << QList<QUrl> { file, file } << QString();
    QTest::newRow("remote") << QList<QUrl> { QUrl(QStringLiteral("https://example.org/row5.bin")) } << QString();
    QTest::newRow("plain text") << QList<QUrl>() << file.toLocalFile();
    QTest::newRow("nothing") << QList<QUrl>() << QString();
}

void tst_FileDrop::othersAreRefused()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, plainText);
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!plainText.isEmpty())
        data.setText(plainText);
    ModalWatcher watcher(1000); // no question may come up
    for (const char *name : { "Picture1", "txtBytes" }) {
        const DropOutcome outcome = dragAndDrop(m_form->findChild<QWidget *>(QString::fromLatin1(name)), data);
        QVERIFY(!outcome.enterAccepted);
        QVERIFY(!outcome.dropAccepted);
    }
    QCoreApplication::processEvents();
    QCOMPARE(watcher.seen(), 0);
    QVERIFY(text("txtArquivo").isEmpty());
    QCOMPARE(m_form->GameId(), qint16(0));
}

void tst_FileDrop::refusedDuringAModal()
{
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(romPath()) });
    DropOutcome outcome { true, true };
    ModalWatcher watcher;
    // F6's language question is modal over the window.
    watcher.expect("QMessageBox", [&](QWidget *box) {
        outcome = dragAndDrop(m_form->findChild<QWidget *>(QStringLiteral("Picture1")), data);
        box->findChild<QAbstractButton *>(QStringLiteral("No"))->click();
    });
    m_form->ChangeLanguage();
    QVERIFY(watcher.allMet());
    QVERIFY(!outcome.enterAccepted);
    QVERIFY(!outcome.dropAccepted);
    QCoreApplication::processEvents();
    QVERIFY(text("txtArquivo").isEmpty());
}

QTEST_MAIN(tst_FileDrop)
#include "tst_filedrop.moc"
