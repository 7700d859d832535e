// A disassembly's collision set through the doors besides the open dialog, in both windows; a set edited
// there, and nothing unsaved lost on the way out.

#include "arraygrid.h"
#include "arraywindowfixture.h"
#include "arraywindowtexts.h"
#include "boxeditor.h"
#include "editorpanel.h"
#include "editsession.h"
#include "filedrop.h"
#include "filefollower.h"
#include "mainwindowseam.h"
#include "modalwatcher.h"
#include "testenvironment.h"
#include "widthrule.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QUrl>

namespace {

// Box n's columns all n % 17, its width box as the rule gives it but for box 2's, and its angle 0x20 but
// box 4's, a stray odd byte.
void writeSet(const QDir &folder)
{
    QByteArray heights(kArraySize, '\0');
    QByteArray widths;
    for (qsizetype box = 0; box < kBoxCount; ++box) {
        heights.replace(box * kBoxSize, kBoxSize, QByteArray(kBoxSize, char(box % 17)));
        const auto derived = derivedWidths(std::span<const quint8, kBoxSize>(
            reinterpret_cast<const quint8 *>(heights.constData()) + box * kBoxSize, kBoxSize));
        widths += QByteArray(reinterpret_cast<const char *>(derived.data()), kBoxSize);
    }
    widths[2 * qsizetype(kBoxSize)] = '\x07';
    QByteArray angles(kBoxCount, '\x20');
    angles[4] = '\x03';
    romfactory::write(folder.filePath(QStringLiteral("Angle Map.bin")), angles);
    romfactory::write(folder.filePath(QStringLiteral("Collision Array (Normal).bin")), heights);
    romfactory::write(folder.filePath(QStringLiteral("Collision Array (Rotated).bin")), widths);
}

void drop(QWidget *window, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QDragEnterEvent enter(window->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDropEvent event(window->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

// What a widget has painted since it was made.
struct PaintedRegion : QObject
{
    QRegion region;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

class tst_SetWindows : public QObject, protected ArrayWindowFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { setUpFiles(); }
    void init() { makeLinkedForm(); }
    void cleanup() { m_form.reset(); }

    void setOpensBothWindows_data();
    void setOpensBothWindows();
    void severalSetsAreNamed();
    void pastTheEndIsSaid();
    void ownSaveKeepsTheUndoSteps_data();
    void ownSaveKeepsTheUndoSteps();
    void closingAsksAboutChanges_data();
    void closingAsksAboutChanges();
};

void tst_SetWindows::setOpensBothWindows_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("folder, command line") << QString() << false;
    QTest::newRow("angle map, dropped") << QStringLiteral("Angle Map.bin") << true;
}

void tst_SetWindows::setOpensBothWindows()
{
    QFETCH(QString, entered);
    QFETCH(bool, dropped);
    QTemporaryDir folder;
    writeSet(QDir(folder.path()));
    const QString path = entered.isEmpty() ? folder.path() : QDir(folder.path()).filePath(entered);
    if (dropped)
        drop(m_form.get(), { path });
    else
        m_form->seam()->enter(path);
    auto *link = m_form->findChild<ArrayWindowLink *>();
    QTRY_VERIFY(link->window() && link->window()->isVisible());
    QCOMPARE(
        text("txtArquivo"), QDir(folder.path()).filePath(QStringLiteral("Collision Array (Normal).bin")));
    QCOMPARE(text("txtArray"), QStringLiteral("0"));
    QCOMPARE(m_form->GameId(), qint16(1));
    QVERIFY(!child<QRadioButton>("optPri")->isVisible());

    ArrayWindow *window = link->window();
    auto *grid = window->findChild<ArrayGrid *>();
    QCOMPARE(grid->array().angles[1], quint8(0x20));
    QCOMPARE(QList<bool>({ grid->failing(1), grid->failing(2), grid->failing(4) }),
        QList<bool>({ false, true, true }));
    child<QScrollBar>("HScroll1")->setValue(2);
    QTRY_VERIFY(child<QLabel>(window, "readout")->text().startsWith(QStringLiteral("Box 02")));
    QCOMPARE(child<QLabel>(window, "readout")->text().section(QLatin1Char('\n'), 1),
        QStringLiteral("width 07 00 00 00 00 00 00 00 00 00 00 00 00 00 10 10\nfails: width"));

    // Zone indexes dropped on the array window: box 2 used twice in one zone, box 3 by none.
    const QString act1 = folder.filePath(QStringLiteral("act1.bin"));
    const QString act2 = folder.filePath(QStringLiteral("act2.bin"));
    QVERIFY(romfactory::write(act1, QByteArray::fromHex("0002020100")) && romfactory::write(act2, "\x01"));
    drop(window, { act1, act2 });
    QTRY_VERIFY(grid->unused(3));
    QVERIFY(!grid->unused(1) && !grid->unused(2));
    QVERIFY2(child<QLabel>(window, "readout")->text().endsWith(QStringLiteral("   zones act1:2")),
        qPrintable(child<QLabel>(window, "readout")->text()));
}

void tst_SetWindows::severalSetsAreNamed()
{
    QTemporaryDir folder;
    writeSet(QDir(folder.path()));
    QVERIFY(romfactory::write(
        folder.filePath(QStringLiteral("Collision Height Map.bin")), QByteArray(kArraySize, 0)));
    QString said;
    ModalWatcher watcher;
    watcher.expect("QMessageBox", [&said](QWidget *box) {
        said = static_cast<QMessageBox *>(box)->text();
        static_cast<QMessageBox *>(box)->accept();
    });
    m_form->seam()->enter(folder.path());
    QVERIFY(watcher.allMet());
    QVERIFY2(said.contains(QStringLiteral("Collision Height Map.bin"))
            && said.contains(QStringLiteral("(Normal)")),
        qPrintable(said));
    QVERIFY(text("txtArquivo").isEmpty());
}

void tst_SetWindows::pastTheEndIsSaid()
{
    // The file ends 32 bytes into the array.
    ArrayWindow *window = openWith(image(designedArray()).left(0x62A20));
    QVERIFY(window);
    QCOMPARE(
        child<QLabel>(window, "warning")->text(), arrayWindowTexts(Language::English).pastEnd.arg("62A00"));
    QCOMPARE(window->findChild<ArrayGrid *>()->array().bytes[40], quint8(0));
}

void tst_SetWindows::ownSaveKeepsTheUndoSteps_data()
{
    QTest::addColumn<bool>("ownSave"); // else another program writes the file, nothing being unsaved
    QTest::newRow("our own save") << true;
    QTest::newRow("another program's write") << false;
}

void tst_SetWindows::ownSaveKeepsTheUndoSteps()
{
    QFETCH(bool, ownSave);
    QTemporaryDir folder;
    writeSet(QDir(folder.path()));
    m_form->seam()->enter(folder.path());
    auto *link = m_form->findChild<ArrayWindowLink *>();
    QTRY_VERIFY(link->window() && link->window()->isVisible());
    auto *panel = link->window()->findChild<EditorPanel *>();
    // Box 0's first column filled to the top: 0x10 where the file holds 0x00.
    QTest::mouseClick(child<BoxEditor>(link->window(), "BoxEditor"), Qt::LeftButton, {}, QPoint(2, 2));
    if (ownSave) {
        QVERIFY(panel->save());
    } else {
        panel->session()->undoStack()->undo();
        QByteArray heights(kArraySize, '\0');
        heights[0] = '\x05';
        QVERIFY(romfactory::write(folder.filePath(QStringLiteral("Collision Array (Normal).bin")), heights));
    }
    QTest::qWait(3 * FileFollower::kDelayMs);
    QCOMPARE(panel->session()->undoStack()->count(), ownSave ? 1 : 0);
    QCOMPARE(link->window()->findChild<ArrayGrid *>()->array().byte(0, 0), quint8(ownSave ? 0x10 : 0x05));
}

void tst_SetWindows::closingAsksAboutChanges_data()
{
    QTest::addColumn<QString>("door"); // what would drop the changes: close, quit or open
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("gone"); // the changes, and the window or the file with them
    QTest::addColumn<bool>("written");
    QTest::newRow("Cancel") << "close" << QStringList { "Cancel" } << false << false;
    QTest::newRow("Discard") << "close" << QStringList { "Discard" } << true << false;
    // The first write into an image in a run asks once more.
    QTest::newRow("Save") << "close" << QStringList { "Save", "Save" } << true << true;
    QTest::newRow("quitting, Cancel") << "quit" << QStringList { "Cancel" } << false << false;
    QTest::newRow("another file, Cancel") << "open" << QStringList { "Cancel" } << false << false;
    // The main window asks only after it moved to another array: Cancel brings the edited one back.
    QTest::newRow("another array, Cancel") << "array" << QStringList { "Cancel" } << false << false;
    // The array window's own fields ask before they move anything.
    QTest::newRow("angle map, Cancel") << "angleStart" << QStringList { "Cancel" } << false << false;
    QTest::newRow("array start, Cancel") << "arrayStart" << QStringList { "Cancel" } << false << false;
    QTest::newRow("array start, Discard") << "arrayStart" << QStringList { "Discard" } << true << false;
}

void tst_SetWindows::closingAsksAboutChanges()
{
    QFETCH(QString, door);
    QFETCH(QStringList, answers);
    QFETCH(bool, gone);
    QFETCH(bool, written);
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    const QByteArray before = testenvironment::contents(m_path);
    auto *grid = window->findChild<ArrayGrid *>();
    auto *editor = child<BoxEditor>(window, "BoxEditor");
    // Box 0's first two columns filled to the top: 0x10 where the file holds 0x00. The first press
    // takes the focus from the grid, which repaints it; an edit repaints that box of it alone.
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::qWait(20);
    PaintedRegion painted;
    grid->installEventFilter(&painted);
    QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(BoxEditor::kCellPixels + 2, 2));
    QTRY_VERIFY(!painted.region.isEmpty());
    const int margin = ArrayGrid::kGap;
    QVERIFY(grid->boxRect(0).adjusted(-margin, -margin, margin, margin).contains(painted.region.boundingRect()));
    QVERIFY(window->isWindowModified() && grid->unsaved(0));
    QCOMPARE(grid->array().byte(0, 0), quint8(0x10));

    const auto answer = [answers](ModalWatcher &watcher) {
        for (const QString &name : answers)
            watcher.expect("QMessageBox", [name](QWidget *box) { box->findChild<QPushButton *>(name)->click(); });
    };
    if (door == QLatin1String("open")) {
        const QString other = m_dir.filePath(QStringLiteral("other.bin"));
        QVERIFY(romfactory::write(other, image(designedArray(1))));
        QVERIFY(formdriver::open(*m_form, other, answer));
        QCOMPARE(m_form->seam()->path() == other, gone);
    } else {
        ModalWatcher watcher;
        answer(watcher);
        if (door == QLatin1String("array")) {
            const qint64 start = m_form->seam()->arrayStart();
            child<QRadioButton>("optSec")->click();
            QTRY_COMPARE(m_form->seam()->arrayStart(), start);
        } else if (door.endsWith(QLatin1String("Start"))) {
            auto *field = child<QLineEdit>(window, qPrintable(door));
            const QString shown = field->text();
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("10000")); // zeros in the image
            QTest::keyClick(field, Qt::Key_Return);
            QTest::qWait(50); // a question asked again would come from the event loop
            QCOMPARE(field->text(), gone ? QStringLiteral("10000") : shown);
            const bool moved = gone && door == QLatin1String("arrayStart");
            QCOMPARE(m_form->seam()->arrayStart(), moved ? 0x10000 : kPrimary);
            QCOMPARE(grid->array().angles[1], quint8(gone ? 0 : 1));
        } else {
            QWidget *closing = door == QLatin1String("quit") ? static_cast<QWidget *>(m_form.get()) : window;
            QCOMPARE(closing->close(), gone);
        }
        QVERIFY(watcher.allMet());
    }
    QCOMPARE(testenvironment::contents(m_path) != before, written);
    QCOMPARE(window->isWindowModified(), !gone);
    QCOMPARE(grid->array().byte(0, 0), quint8(gone && !written ? 0x00 : 0x10));
}

QTEST_MAIN(tst_SetWindows)
#include "tst_setwindows.moc"
