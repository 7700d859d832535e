#include "arraygrid.h"
#include "arraysheet.h"
#include "arraywindow.h"
#include "arraywindowlink.h"
#include "arraywindowtexts.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "modalwatcher.h"
#include "offsetgrammar.h"
#include "romfactory.h"
#include "tablesearchjob.h"
#include "testenvironment.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

constexpr qint64 kPrimary = 0x62A00; // row 1's array; its angle map lies 0x100 in front
constexpr qint64 kMoved = 0x80000; // where a rebuilt hack put its tables
constexpr qint64 kFileSize = 0x90000;

// Box 0 empty as in every game, box 1 a ramp 00..0F, box n's columns rising from n % 17; the angle of
// box n is n.
QByteArray designedArray(int seed = 0)
{
    QByteArray bytes(kArraySize, '\0');
    for (int i = 16; i < kArraySize; ++i)
        bytes[i] = char(i < 32 ? i - 16 : ((i / 16) + (i % 16) + seed) % 17);
    return bytes;
}

QByteArray angleMap()
{
    QByteArray bytes(kAngleMapSize, '\0');
    for (int i = 0; i < kAngleMapSize; ++i)
        bytes[i] = char(i);
    return bytes;
}

QByteArray lea(qint64 address)
{
    QByteArray bytes("\x45\xF9", 2);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((address >> shift) & 0xFF));
    return bytes;
}

// A row-1 image with `array` at the catalogue's place and, when `moved`, the real tables elsewhere and
// the code that loads them, as a rebuilt hack has them.
QByteArray image(const QByteArray &array, bool moved = false)
{
    QByteArray bytes = romfactory::rom(QByteArray(catalogueRow(1)->headerKey), kFileSize);
    bytes.replace(kPrimary - 0x100, kAngleMapSize, angleMap());
    bytes.replace(kPrimary, kArraySize, array);
    if (moved) {
        bytes.replace(kMoved - 0x100, kAngleMapSize, angleMap());
        bytes.replace(kMoved, kArraySize, designedArray(3));
        bytes.replace(0x1000, 18, lea(kMoved - 0x100) + lea(kMoved) + lea(kMoved + kArraySize));
    }
    return bytes;
}

// The pool thread posts its end before TableSearchJob::waitForIdle() returns; delivering it now lets a
// report that should not come arrive, without waiting on a clock.
void deliverTheEnd()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace

class tst_ArrayWindow : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void f8OpensAndCloses();
    void gridShowsTheFileAndDrivesTheMainWindow();
    void stepReadsNothing();
    void everyControlByKeyboardAndNamed();
    void arrayStartThenPrimaryAndSecondary();
    void offsetGrammar_data() { offsetGrammarRows(); }
    void offsetGrammar();
    void findTablesAndChooseTheFirst();
    void cancelChangesNothing();
    void aNewFileStopsTheSearch();
    void readoutFollowsTheMouse();
    void followsTheLanguage();
    void warnsBelowTheThreshold_data();
    void warnsBelowTheThreshold();
    void copyFormats_data();
    void copyFormats();
    void canvasMenuCopies();
    void sheetSavedThroughTheDialog_data();
    void sheetSavedThroughTheDialog();
    void sheetRefused_data();
    void sheetRefused();

private:
    using FormFixture::child;
    template<typename T> static T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no child %s", name);
        return found;
    }
    // Opens `bytes` as a file in the main window, then the array window with F8.
    ArrayWindow *openWith(const QByteArray &bytes);
    void pressF8(Qt::KeyboardModifiers modifiers = {});
    // A key where the main window's focus is, as its key preview wants.
    void pressOnForm(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

    QTemporaryDir m_dir;
    QString m_path;
};

void tst_ArrayWindow::initTestCase()
{
    QApplication::setFont(Form1::designFont());
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("hack.bin"));
}

void tst_ArrayWindow::init()
{
    QVERIFY(makeForm());
    new ArrayWindowLink(m_form->seam());
}

void tst_ArrayWindow::cleanup()
{
    m_form.reset();
}

void tst_ArrayWindow::pressF8(Qt::KeyboardModifiers modifiers)
{
    // A key comes to the active window; the desktop makes the main window active again once a dialog
    // has closed, the offscreen platform does not.
    if (!QApplication::activeWindow()) {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitFor([this] { return m_form->isActiveWindow(); }));
    }
    QWidget *active = QApplication::activeWindow();
    QWidget *target = active->focusWidget() ? active->focusWidget() : active;
    QTest::keyClick(target, Qt::Key_F8, modifiers);
}

void tst_ArrayWindow::pressOnForm(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    m_form->activateWindow();
    QTest::keyClick(m_form->focusWidget() ? m_form->focusWidget() : m_form.get(), key, modifiers);
}

ArrayWindow *tst_ArrayWindow::openWith(const QByteArray &bytes)
{
    if (!romfactory::write(m_path, bytes) || !formdriver::open(*m_form, m_path))
        return nullptr;
    pressF8();
    auto *link = m_form->findChild<ArrayWindowLink *>(QStringLiteral("ArrayWindowLink"));
    if (!link || !link->window() || !link->window()->isVisible())
        return nullptr;
    // Active, as the desktop makes a window it shows; the offscreen platform takes a moment.
    if (!QTest::qWaitFor([link] { return link->window()->isActiveWindow(); }))
        return nullptr;
    return link->window();
}

void tst_ArrayWindow::f8OpensAndCloses()
{
    auto *link = m_form->findChild<ArrayWindowLink *>(QStringLiteral("ArrayWindowLink"));
    QVERIFY(link);
    QVERIFY(!link->window());
    pressF8(Qt::ShiftModifier); // any modifier, as the other function keys
    QVERIFY(link->window() && link->window()->isVisible());
    QVERIFY(!link->window()->shownArray()); // no file yet
    QCOMPARE(child<QLabel>(link->window(), "readout")->text().trimmed(),
        arrayWindowTexts(Language::English).noFile);

    // F8 from within the array window closes it too.
    link->window()->activateWindow();
    QTest::keyClick(link->window()->findChild<ArrayGrid *>(), Qt::Key_F8, Qt::ControlModifier);
    QVERIFY(!link->window()->isVisible());
    pressF8();
    QVERIFY(link->window()->isVisible());
    link->window()->close();
    QVERIFY(!link->window()->isVisible());
}

void tst_ArrayWindow::gridShowsTheFileAndDrivesTheMainWindow()
{
    const QByteArray array = designedArray();
    ArrayWindow *window = openWith(image(array));
    QVERIFY(window);
    auto *grid = window->findChild<ArrayGrid *>();
    QVERIFY(grid->hasArray());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(grid->array().bytes.data()), kArraySize), array);
    QCOMPARE(grid->array().angles[0x23], quint8(0x23));
    QCOMPARE(child<QLineEdit>(window, "arrayStart")->text(), QStringLiteral("62A00"));
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("62900"));
    QVERIFY(child<QLabel>(window, "warning")->text().isEmpty());

    auto *scroll = child<QScrollBar>(m_form.get(), "HScroll1");
    auto *index = child<QLineEdit>(m_form.get(), "txtIndex");
    QTest::mouseClick(grid, Qt::LeftButton, {}, ArrayGrid::boxRect(0x23).center());
    QCOMPARE(scroll->value(), 0x23);
    QCOMPARE(index->text(), QStringLiteral("23"));
    QCOMPARE(grid->current(), 0x23);

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(index->text(), QStringLiteral("24"));
    QTest::keyClick(grid, Qt::Key_End);
    QCOMPARE(index->text(), QStringLiteral("FF"));
    QCOMPARE(grid->current(), 0xFF);
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(scroll->value(), 0);

    // The main window's keypad step moves the outline.
    pressOnForm(Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(grid->current(), 1);
    QTRY_VERIFY(child<QLabel>(window, "readout")->text().startsWith(QStringLiteral("Box 01")));
    const QString readout = child<QLabel>(window, "readout")->text();
    QCOMPARE(readout,
        QStringLiteral(
            "Box 01   offset 62A10   angle 01 (flagged)\n00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F"));
    QVERIFY(grid->accessibleDescription().startsWith(QStringLiteral("Box 01, columns: ")));
    QCOMPARE(grid->accessibleName(), arrayWindowTexts(Language::English).gridName);
}

void tst_ArrayWindow::stepReadsNothing()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    auto *grid = window->findChild<ArrayGrid *>();
    // A rebuild changes the file; a step shows the new box in the main window but only moves the outline.
    QVERIFY(romfactory::write(m_path, image(designedArray(5))));
    child<QScrollBar>(m_form.get(), "HScroll1")->setValue(9);
    QCOMPARE(grid->current(), 9);
    QCOMPARE(grid->array().bytes[16], quint8(designedArray().at(16)));
    // What the file watcher will call.
    window->reloadArray();
    QCOMPARE(grid->array().bytes[16], quint8(designedArray(5).at(16)));
    QCOMPARE(grid->current(), 9);

    // A file gone: a line says so, never a modal, and the grid empties.
    QVERIFY(QFile::remove(m_path));
    window->reloadArray();
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!grid->hasArray());
    const QString warning = child<QLabel>(window, "warning")->text();
    QVERIFY2(warning.startsWith(QStringLiteral("The file could not be read: ")) && warning.contains(m_path),
        qPrintable(warning));
}

void tst_ArrayWindow::everyControlByKeyboardAndNamed()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *grid = window->findChild<ArrayGrid *>();
    grid->setFocus();
    QStringList cycle;
    for (int i = 0; i < 10; ++i) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        cycle.append(focused->objectName());
        // Named for a screen reader, by its own text or an accessible name.
        const QString text = focused->property("text").toString();
        QVERIFY2(!focused->accessibleName().isEmpty() || !text.isEmpty(), qPrintable(focused->objectName()));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(cycle,
        QStringList({ "ArrayGrid", "arrayStart", "angleStart", "showAngles", "findTables", "saveSheet",
            "copyBox", "copyArray", "candidates", "ArrayGrid" }));
}

void tst_ArrayWindow::arrayStartThenPrimaryAndSecondary()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    auto *grid = window->findChild<ArrayGrid *>();
    auto *scroll = child<QScrollBar>(m_form.get(), "HScroll1");
    auto *txtArray = child<QLineEdit>(m_form.get(), "txtArray");
    auto *txtLoc = child<QLineEdit>(m_form.get(), "txtLoc");
    const QString label = child<QLabel>(m_form.get(), "Label1")->text();
    scroll->setValue(5);

    auto *field = child<QLineEdit>(window, "arrayStart");
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("0x10000"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(txtArray->text(), QStringLiteral("10000"));
    QCOMPARE(txtLoc->text(), QStringLiteral("10050"));
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtIndex")->text(), QStringLiteral("05"));
    QCOMPARE(child<QLabel>(m_form.get(), "Label1")->text(), label);
    QVERIFY(child<QRadioButton>(m_form.get(), "optPri")->isChecked());
    QCOMPARE(grid->array().arrayStart, 0x10000);
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("FF00"));

    // Secondary adds 4096 to whatever start is in force; Primary brings back the catalogue's.
    QTest::mouseClick(child<QRadioButton>(m_form.get(), "optSec"), Qt::LeftButton);
    QCOMPARE(txtArray->text(), QStringLiteral("11000"));
    QCOMPARE(txtLoc->text(), QStringLiteral("11050"));
    QCOMPARE(grid->array().arrayStart, 0x11000);
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("FF00"));
    QTest::mouseClick(child<QRadioButton>(m_form.get(), "optPri"), Qt::LeftButton);
    QCOMPARE(txtArray->text(), QStringLiteral("62A00"));
    QCOMPARE(txtLoc->text(), QStringLiteral("62A50"));
    QCOMPARE(grid->array().arrayStart, kPrimary);
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("62900"));
    QCOMPARE(grid->current(), 5);
}

void tst_ArrayWindow::offsetGrammar()
{
    QFETCH(QString, text);
    QFETCH(QString, says);
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    auto *field = child<QLineEdit>(window, "arrayStart");
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    const QString said = child<QLabel>(window, "warning")->text() + child<QLabel>(window, "readout")->text();
    QVERIFY2(said.contains(says), qPrintable(said));
}

void tst_ArrayWindow::findTablesAndChooseTheFirst()
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

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtArray")->text(), QStringLiteral("80000"));
    QCOMPARE(child<QLineEdit>(window, "arrayStart")->text(), QStringLiteral("80000"));
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("7FF00"));
    auto *grid = window->findChild<ArrayGrid *>();
    QCOMPARE(
        QByteArray(reinterpret_cast<const char *>(grid->array().bytes.data()), kArraySize), designedArray(3));
    QCOMPARE(grid->array().angles[7], quint8(7));
    QVERIFY(child<QLabel>(window, "warning")->text().isEmpty());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtBytes")->text().left(6), QStringLiteral("00 00 "));
}

void tst_ArrayWindow::cancelChangesNothing()
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
    QCOMPARE(list->count(), 0);
    QVERIFY(find->isEnabled());
    QVERIFY(!child<QProgressBar>(window, "progress")->isVisible());
    QCOMPARE(child<QLineEdit>(m_form.get(), "txtArray")->text(), QStringLiteral("62A00"));
}

void tst_ArrayWindow::aNewFileStopsTheSearch()
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

void tst_ArrayWindow::readoutFollowsTheMouse()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    auto *grid = window->findChild<ArrayGrid *>();
    auto *readout = child<QLabel>(window, "readout");
    QTest::mouseMove(grid, ArrayGrid::boxRect(0x42).center());
    QTRY_VERIFY2(
        readout->text().startsWith(QStringLiteral("Box 42   offset 62E20")), qPrintable(readout->text()));
    // The box on display keeps the outline and the accessible description.
    QCOMPARE(grid->current(), 0);
    QVERIFY(grid->accessibleDescription().startsWith(QStringLiteral("Box 00, columns: 00 00")));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(grid, &leave);
    QTRY_VERIFY(readout->text().startsWith(QStringLiteral("Box 00   offset 62A00")));
}

void tst_ArrayWindow::followsTheLanguage()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    for (const Language language : { Language::Portuguese, Language::English }) {
        ModalWatcher watcher;
        watcher.expect("QMessageBox", [language](QWidget *box) {
            const char *answer = language == Language::Portuguese ? "Yes" : "No";
            box->findChild<QPushButton *>(QString::fromLatin1(answer))->click();
        });
        pressOnForm(Qt::Key_F6);
        QVERIFY(watcher.allMet());

        const ArrayWindowTexts &t = arrayWindowTexts(language);
        QCOMPARE(window->windowTitle(), t.title);
        QCOMPARE(child<QPushButton>(window, "findTables")->text(), t.findTables);
        QCOMPARE(child<QPushButton>(window, "findTables")->toolTip(), t.findTablesTip);
        QCOMPARE(child<QToolButton>(window, "copyArray")->text(), t.copyArray);
        QCOMPARE(child<QToolButton>(window, "saveSheet")->menu()->actions().at(1)->text(), t.compactLook);
        QCOMPARE(window->findChild<ArrayGrid *>()->accessibleName(), t.gridName);
        QVERIFY(
            child<QLabel>(window, "readout")->text().startsWith(t.readout.section(QLatin1Char('%'), 0, 0)));
        auto *link = m_form->findChild<ArrayWindowLink *>();
        std::unique_ptr<QMenu> menu(link->contextMenu());
        QCOMPARE(menu->actions().at(0)->text(), t.showAllBoxes);
        QCOMPARE(menu->actions().at(2)->text(), t.saveBitmap);
    }
    QVERIFY(
        arrayWindowTexts(Language::Portuguese).findTables != arrayWindowTexts(Language::English).findTables);
}

void tst_ArrayWindow::warnsBelowTheThreshold_data()
{
    QTest::addColumn<QByteArray>("array");
    QTest::addColumn<bool>("warned");

    QByteArray random(kArraySize, '\0');
    QRandomGenerator generator(7);
    for (char &byte : random)
        byte = char(generator.bounded(256));
    // Ascii text and 68000 code: what a table that moved leaves at the old place.
    QByteArray text;
    while (text.size() < kArraySize)
        text += "SEGA GENESIS (C)SEGA 1991.FEB ";
    QByteArray code;
    while (code.size() < kArraySize)
        code += QByteArray::fromHex("4EB90000123445F900062A00303C000F4E7561F8");
    QByteArray filledFirst = designedArray(); // box 0 not empty: a quarter off, as no game has it
    filledFirst.replace(0, 16, filledFirst.mid(16, 16));
    // An angle map: directions all round the circle.
    QByteArray angles;
    while (angles.size() < kArraySize)
        angles += QByteArray::fromHex("000004080C10141C2024282C303840485060708090A0B0C0D0E0F0F8FCFF");

    QTest::newRow("all zero") << QByteArray(kArraySize, '\0') << true;
    QTest::newRow("all 0x10") << QByteArray(kArraySize, '\x10') << true;
    QTest::newRow("random bytes") << random << true;
    QTest::newRow("text") << text.left(kArraySize) << true;
    QTest::newRow("code") << code.left(kArraySize) << true;
    QTest::newRow("angle map") << angles.left(kArraySize) << true;
    QTest::newRow("designed, box 0 filled") << filledFirst << true;
    QTest::newRow("designed") << designedArray() << false;
}

void tst_ArrayWindow::warnsBelowTheThreshold()
{
    QFETCH(QByteArray, array);
    QFETCH(bool, warned);
    ArrayWindow *window = openWith(image(array));
    QVERIFY(window);
    auto *warning = child<QLabel>(window, "warning");
    QCOMPARE(!warning->text().isEmpty(), warned);
    if (warned)
        QVERIFY(warning->text().contains(QStringLiteral("\"Find tables\"")));
}

void tst_ArrayWindow::copyFormats_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("action"); // in the button's menu; -1 for the button itself
    QTest::addColumn<QString>("expected");

    const QString asmBox = QStringLiteral(
        "; box 01\n\tdc.b $00,$01,$02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F\n");
    const QString asmBox0 = QStringLiteral(
        "; box 00\n\tdc.b $00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00\n");
    QTest::newRow("box, button: assembler") << "copyBox" << -1 << asmBox;
    QTest::newRow("box, assembler") << "copyBox" << 0 << asmBox;
    QTest::newRow("box, hex") << "copyBox" << 1
                              << "01 62A10 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 01 (flagged)\n";
    QTest::newRow("box, C") << "copyBox" << 2
                            << "    /* 01 */ {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, "
                               "0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}\n";
    QTest::newRow("box, JSON") << "copyBox" << 3 << "json";
    QTest::newRow("array, button: assembler") << "copyArray" << -1 << asmBox0 + asmBox;
    QTest::newRow("array, C") << "copyArray" << 2
                              << "static const unsigned char collision_array[256][16] = {\n";
    QTest::newRow("array, JSON") << "copyArray" << 3 << "json";
}

void tst_ArrayWindow::copyFormats()
{
    QFETCH(QString, button);
    QFETCH(int, action);
    QFETCH(QString, expected);
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    QGuiApplication::clipboard()->clear();
    child<QScrollBar>(m_form.get(), "HScroll1")->setValue(1);
    auto *tool = window->findChild<QToolButton *>(button);
    if (action < 0)
        tool->click();
    else
        tool->menu()->actions().at(action)->trigger();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasText());
    QCOMPARE(data->formats(), QStringList { QStringLiteral("text/plain") });
    const QString text = data->text();
    if (expected == QLatin1String("json")) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject box1 = document.isArray() ? document.array().at(1).toObject() : document.object();
        QCOMPARE(box1.value(QStringLiteral("index")).toInt(), 1);
        QCOMPARE(box1.value(QStringLiteral("offset")).toInt(), int(kPrimary + 16));
        QCOMPARE(box1.value(QStringLiteral("bytes")).toArray().at(15).toInt(), 15);
        QCOMPARE(box1.value(QStringLiteral("angle")).toInt(), 1);
        QCOMPARE(
            document.isArray() ? document.array().size() : 1, button == QLatin1String("copyBox") ? 1 : 256);
    } else if (button == QLatin1String("copyBox")) {
        QCOMPARE(text, expected);
    } else {
        QVERIFY2(text.startsWith(expected), qPrintable(text.left(200)));
        QCOMPARE(text.count(QLatin1Char('\n')), action < 0 ? 512 : 258);
    }
}

void tst_ArrayWindow::canvasMenuCopies()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    child<QScrollBar>(m_form.get(), "HScroll1")->setValue(2);
    auto *link = m_form->findChild<ArrayWindowLink *>();
    std::unique_ptr<QMenu> menu(link->contextMenu());
    QCOMPARE(menu->actions().size(), 5);
    menu->actions().at(3)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QStringLiteral("02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 00"));
    menu->actions().at(4)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QStringLiteral("; box 02\n\tdc.b $02,$03,$04,$05,$06,$07,$08,$09,$0A,$0B,$0C,$0D,$0E,$0F,$10,$00\n"));
    // "Show all boxes" is F8.
    menu->actions().at(0)->trigger();
    QVERIFY(!window->isVisible());

    // Before a file, only "Show all boxes" can run.
    Form1 empty(0x0409);
    new ArrayWindowLink(empty.seam());
    std::unique_ptr<QMenu> emptyMenu(empty.findChild<ArrayWindowLink *>()->contextMenu());
    QVERIFY(emptyMenu->actions().at(0)->isEnabled());
    for (int i = 2; i < 5; ++i)
        QVERIFY(!emptyMenu->actions().at(i)->isEnabled());
    QCOMPARE(child<QWidget>(&empty, "Picture1")->contextMenuPolicy(), Qt::CustomContextMenu);
}

void tst_ArrayWindow::sheetSavedThroughTheDialog_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("side");

    QTest::newRow("button, png") << -1 << "sheet.png" << QByteArray("png") << int(kCanvasSheetSize);
    QTest::newRow("canvas, bmp by name") << 0 << "sheet.bmp" << QByteArray("bmp") << int(kCanvasSheetSize);
    QTest::newRow("compact, png") << 1 << "small.png" << QByteArray("png") << int(kCompactSheetSize);
    QTest::newRow("compact, no extension: png")
        << 1 << "small" << QByteArray("png") << int(kCompactSheetSize);
}

void tst_ArrayWindow::sheetSavedThroughTheDialog()
{
    QFETCH(int, action);
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(int, side);
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".png"));
    ModalWatcher watcher;
    watcher.expect("QFileDialog", [path](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    auto *tool = child<QToolButton>(window, "saveSheet");
    if (action < 0)
        tool->click();
    else
        tool->menu()->actions().at(action)->trigger();
    QVERIFY(watcher.allMet());
    const QString written = name.contains(QLatin1Char('.')) ? path : path + QStringLiteral(".png");
    QImageReader reader(written);
    QCOMPARE(reader.format(), format);
    const QImage sheet = reader.read();
    QCOMPARE(sheet.size(), QSize(side, side));
    // Box 1's column 15 is 0x0F high: in the compact look its bottom cell is filled; box 0 is empty.
    if (side == kCompactSheetSize) {
        QCOMPARE(sheet.pixel(16 + 15, 15), qRgb(255, 255, 0));
        QCOMPARE(sheet.pixel(15, 15), qRgb(0, 0, 0));
    }
}

void tst_ArrayWindow::sheetRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the file on display") << "hack.bin" << languageTexts(Language::English).MsgReplacesShown;
    QTest::newRow("a name that is no sheet's")
        << "sheet.jpg" << arrayWindowTexts(Language::English).sheetNameRefused;
}

void tst_ArrayWindow::sheetRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QVERIFY(openWith(image(designedArray())));
    const QString path = m_dir.filePath(name);
    if (!QFile::exists(path))
        QVERIFY(romfactory::write(path, "keep"));
    const QByteArray before = testenvironment::contents(path);
    QVERIFY(formdriver::answered(
        [&](ModalWatcher &watcher) {
            // Accepted once the watcher's poll has returned, so that it sees the dialog's own question.
            watcher.expect("QFileDialog", [path](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            });
            watcher.expect("QMessageBox",
                [](QWidget *modal) { static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
            formdriver::expectFailure(
                watcher, arrayWindowTexts(Language::English).MsgSheetFailed, path, reason);
        },
        [&] { child<QToolButton>(m_form->findChild<ArrayWindowLink *>()->window(), "saveSheet")->click(); }));
    QCOMPARE(testenvironment::contents(path), before);
}

QTEST_MAIN(tst_ArrayWindow)
#include "tst_arraywindow.moc"
