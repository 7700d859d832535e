// The array window driven through the main window: its grid, fields, keys, words and warnings.

#include "arraygrid.h"
#include "arraywindowfixture.h"
#include "arraywindowtexts.h"
#include "modalwatcher.h"
#include "offsetgrammar.h"
#include "testenvironment.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QToolButton>

#include <memory>

class tst_ArrayWindow : public QObject, protected ArrayWindowFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { setUpFiles(); }
    void init() { makeLinkedForm(); }
    void cleanup() { m_form.reset(); }

    void f8OpensAndCloses();
    void gridShowsTheFileAndDrivesTheMainWindow();
    void stepReadsNothing();
    void everyControlByKeyboardAndNamed();
    void arrayStartThenPrimaryAndSecondary();
    void offsetGrammar_data() { offsetGrammarRows(); }
    void offsetGrammar();
    void readoutFollowsTheMouse();
    void followsTheLanguage();
    void warnsBelowTheThreshold_data();
    void warnsBelowTheThreshold();
};

void tst_ArrayWindow::f8OpensAndCloses()
{
    auto *link = m_form->findChild<ArrayWindowLink *>(QStringLiteral("ArrayWindowLink"));
    QVERIFY(link);
    QVERIFY(!link->window());
    pressF8(Qt::ShiftModifier); // any modifier, as the other function keys
    QVERIFY(link->window() && link->window()->isVisible());
    QVERIFY(!link->window()->shownArray()); // no file yet
    QVERIFY(!child<QPushButton>(link->window(), "findTables")->isEnabled());
    QVERIFY(!child<QToolButton>(link->window(), "copyBox")->isEnabled());
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
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->boxRect(0x23).center());
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
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(grid, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(scroll->value(), 1);
    QTest::keyClick(grid, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(index->text(), QStringLiteral("00"));
    QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
    QTRY_VERIFY(child<QLabel>(window, "readout")->text().startsWith(QStringLiteral("Box 01")));
    const QString readout = child<QLabel>(window, "readout")->text();
    // The width array behind is all zero, and an odd angle but FF is most likely a mistake.
    QCOMPARE(readout,
        QStringLiteral("Box 01   offset 62A10   angle 01 (flagged)\n"
                       "width 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\nfails: width, angle"));
    QVERIFY(grid->failing(1) && !grid->failing(0));
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
    QSet<QString> names;
    for (int i = 0; i < 22; ++i) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        cycle.append(focused->objectName());
        // Named for a screen reader, by its own text or an accessible name, and each apart.
        const QString text = focused->property("text").toString();
        const QString name = focused->accessibleName().isEmpty() ? QString(text).remove(QLatin1Char('&'))
                                                                 : focused->accessibleName();
        QVERIFY2(!name.isEmpty() && (i == 21 || !names.contains(name)), qPrintable(focused->objectName()));
        names.insert(name);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(cycle,
        QStringList({ "ArrayGrid", "BoxEditor", "angle", "flagged", "floor", "mirrorLeftRight", "mirrorUpDown",
            "copyEditedBox", "pasteBox", "revertBox", "saveAsButton", "bytes", "arrayStart", "angleStart",
            "showAngles", "zoneIndexes", "findTables", "saveSheet", "copyBox", "copyArray", "candidates",
            "ArrayGrid" }));
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
    // Neither catalogue place: neither option tells it, so Primary takes one click.
    auto *optPri = child<QRadioButton>(m_form.get(), "optPri");
    auto *optSec = child<QRadioButton>(m_form.get(), "optSec");
    QVERIFY(!optPri->isChecked() && !optSec->isChecked());
    QCOMPARE(grid->array().arrayStart, 0x10000);
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("FF00"));

    // Secondary adds 4096 to whatever start is in force; Primary brings back the catalogue's.
    QTest::mouseClick(optSec, Qt::LeftButton);
    QCOMPARE(txtArray->text(), QStringLiteral("11000"));
    QVERIFY(!optPri->isChecked() && !optSec->isChecked());
    QCOMPARE(txtLoc->text(), QStringLiteral("11050"));
    QCOMPARE(grid->array().arrayStart, 0x11000);
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("FF00"));
    QTest::mouseClick(optPri, Qt::LeftButton);
    QCOMPARE(txtArray->text(), QStringLiteral("62A00"));
    QVERIFY(optPri->isChecked());
    QCOMPARE(txtLoc->text(), QStringLiteral("62A50"));
    QCOMPARE(grid->array().arrayStart, kPrimary);
    QCOMPARE(child<QLineEdit>(window, "angleStart")->text(), QStringLiteral("62900"));
    QCOMPARE(grid->current(), 5);

    // The catalogue's second place, typed: Secondary tells it, without moving the array again.
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("63A00"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(txtArray->text(), QStringLiteral("63A00"));
    QVERIFY(optSec->isChecked() && !optPri->isChecked());
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

void tst_ArrayWindow::readoutFollowsTheMouse()
{
    ArrayWindow *window = openWith(image(designedArray()));
    QVERIFY(window);
    auto *grid = window->findChild<ArrayGrid *>();
    auto *readout = child<QLabel>(window, "readout");
    QTest::mouseMove(grid, grid->boxRect(0x42).center());
    QTRY_VERIFY2(readout->text().startsWith(QStringLiteral("Box 42   offset 62E20")), qPrintable(readout->text()));
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
        QVERIFY(child<QLabel>(window, "readout")->text().startsWith(t.readout.section(QLatin1Char('%'), 0, 0)));
        auto *link = m_form->findChild<ArrayWindowLink *>();
        std::unique_ptr<QMenu> menu(link->contextMenu());
        QCOMPARE(menu->actions().at(0)->text(), t.showAllBoxes);
        QCOMPARE(menu->actions().at(2)->text(), t.saveBitmap);
    }
    QVERIFY(arrayWindowTexts(Language::Portuguese).findTables != arrayWindowTexts(Language::English).findTables);
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
    if (!warned)
        return;
    QVERIFY(warning->text().endsWith(QStringLiteral("Try \"Find tables\".")));
    // Once a search found nothing, the hint says so instead.
    auto *list = child<QListWidget>(window, "candidates");
    QTest::mouseClick(child<QPushButton>(window, "findTables"), Qt::LeftButton);
    QTRY_VERIFY(list->count() > 0);
    QCOMPARE(warning->text().endsWith(QStringLiteral("\"Find tables\" found no tables in this file.")),
        list->item(0)->text() == QStringLiteral("No tables found."));
}

QTEST_MAIN(tst_ArrayWindow)
#include "tst_arraywindow.moc"
