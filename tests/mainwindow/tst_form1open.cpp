// Opening files in the main window: the rows, the arrays, the boxes, and every answer to its questions.

#include "form1testcase.h"

using namespace form1files;

class tst_Form1Open : public QObject, protected Form1TestCase
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { writeFiles(); }
    void init() { recreate(0x0409); }
    void cleanup() { m_form.reset(); }

    void openRow5();
    void keypadSteps();
    void reopeningShowsBox0();
    void secondaryThenOtherGames();
    void secondaryActsOnlyOnChange();
    void cancelAndAbortKeepTheFile();
    void retryThenCancel();
    void ignoreLetsTheUserNameTheGame_data();
    void ignoreLetsTheUserNameTheGame();
    void levelFileByName();
    void levelFileThatCannotBeRead();
};

void tst_Form1Open::openRow5()
{
    QVERIFY(openFile(romPath(5)));
    QCOMPARE(text("txtArquivo"), romPath(5));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Zorbo 3"));
    QCOMPARE(text("txtArray"), QStringLiteral("706A0"));
    QCOMPARE(text("txtIndex"), QStringLiteral("00"));
    QCOMPARE(text("txtLoc"), QStringLiteral("706A0"));
    QCOMPARE(text("txtBytes"), bytesTextOf(primaryBox0(5)));
    QVERIFY(child<QScrollBar>("HScroll1")->isEnabled());
    QVERIFY(child<QRadioButton>("optPri")->isHidden());
    QVERIFY(child<QRadioButton>("optSec")->isHidden());
    QCOMPARE(m_form->GameId(), qint16(5));
    QCOMPARE(canvasoracle::difference(m_form->canvasImage(), primaryBox0(5)), QString());
}

void tst_Form1Open::keypadSteps()
{
    QVERIFY(openFile(romPath(1)));
    // Keypad keys step whichever control has the focus, a text box included.
    child<QLineEdit>("txtArquivo")->setFocus();
    for (int i = 0; i < 32; ++i)
        press(Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(text("txtIndex"), QStringLiteral("20"));
    QCOMPARE(text("txtLoc"), QStringLiteral("62C00"));
    QCOMPARE(text("txtBytes"), bytesTextOf(romfactory::filledBox('\xF8')));

    // The main keyboard's + and - are not box keys.
    press(Qt::Key_Plus);
    press(Qt::Key_Minus);
    QCOMPARE(text("txtIndex"), QStringLiteral("20"));

    press(Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(text("txtIndex"), QStringLiteral("1F"));

    auto *scroll = child<QScrollBar>("HScroll1");
    scroll->setValue(255);
    QCOMPARE(text("txtLoc"), QStringLiteral("639F0"));
    press(Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(scroll->value(), 255);
    QCOMPARE(text("txtIndex"), QStringLiteral("FF"));

    scroll->setValue(0);
    press(Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(text("txtLoc"), QStringLiteral("62A00"));
}

void tst_Form1Open::reopeningShowsBox0()
{
    QVERIFY(openFile(romPath(1)));
    child<QScrollBar>("HScroll1")->setValue(37);
    QCOMPARE(text("txtIndex"), QStringLiteral("25"));
    QVERIFY(openFile(romPath(4)));
    QCOMPARE(text("txtIndex"), QStringLiteral("00"));
    QCOMPARE(text("txtLoc"), QStringLiteral("42E50"));

    // The same file again, from box 0 too.
    child<QScrollBar>("HScroll1")->setValue(37);
    QVERIFY(openFile(romPath(4)));
    QCOMPARE(text("txtIndex"), QStringLiteral("00"));
    QCOMPARE(text("txtBytes"), bytesTextOf(primaryBox0(4)));
}

void tst_Form1Open::secondaryThenOtherGames()
{
    QVERIFY(openFile(romPath(1)));
    auto *optPri = child<QRadioButton>("optPri");
    auto *optSec = child<QRadioButton>("optSec");
    QVERIFY(optPri->isVisible() && optSec->isVisible());
    QVERIFY(optPri->isChecked());

    child<QScrollBar>("HScroll1")->setValue(255);
    choose(optSec);
    QVERIFY(optSec->isChecked());
    QCOMPARE(text("txtArray"), QStringLiteral("63A00"));
    QCOMPARE(text("txtLoc"), QStringLiteral("649F0"));
    QCOMPARE(text("txtBytes"), bytesTextOf(romfactory::filledBox('\x01')));

    QVERIFY(openFile(romPath(4)));
    QVERIFY(optPri->isHidden() && optSec->isHidden());
    QCOMPARE(text("txtArray"), QStringLiteral("42E50"));

    QVERIFY(openFile(romPath(2)));
    QVERIFY(optPri->isVisible() && optSec->isVisible());
    QVERIFY(optPri->isChecked());
    QCOMPARE(text("txtArray"), QStringLiteral("62A00"));
    QCOMPARE(text("txtBytes"), bytesTextOf(primaryBox0(2)));
}

void tst_Form1Open::secondaryActsOnlyOnChange()
{
    QVERIFY(openFile(romPath(1)));
    auto *optPri = child<QRadioButton>("optPri");
    auto *optSec = child<QRadioButton>("optSec");
    choose(optSec);
    choose(optSec);
    QCOMPARE(m_form->ArrayStart(), 403969 + 4096);
    QCOMPARE(text("txtBytes"), bytesTextOf(romfactory::filledBox('\x10')));

    choose(optPri);
    QCOMPARE(m_form->ArrayStart(), 403969);
    QCOMPARE(text("txtArray"), QStringLiteral("62A00"));
    QCOMPARE(text("txtBytes"), bytesTextOf(primaryBox0(1)));
}

void tst_Form1Open::cancelAndAbortKeepTheFile()
{
    QVERIFY(openFile(romPath(5)));
    child<QScrollBar>("HScroll1")->setValue(0x20);
    const QImage before = m_form->canvasImage();

    QVERIFY(answered(formdriver::cancel, [this] { m_form->cmdAbrirClick(); }));
    QVERIFY(openFile(m_dir.filePath(QStringLiteral("unknown.bin")), [](ModalWatcher &watcher) {
        watcher.expect("QMessageBox", [](QWidget *modal) {
            auto *box = static_cast<QMessageBox *>(modal);
            QCOMPARE(box->windowTitle(), QStringLiteral("Tilegauge"));
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->defaultButton()->objectName(), QStringLiteral("Abort"));
            // Left to right in the order the message names them.
            const auto x = [box](const char *name) {
                return box->findChild<QPushButton *>(QString::fromLatin1(name))->mapTo(box, QPoint()).x();
            };
            QVERIFY(x("Abort") < x("Retry") && x("Retry") < x("Ignore"));
            QCOMPARE(box->text(),
                QString(languageTexts(Language::English).MsgUnrecognized).remove(QLatin1Char('\r')));
            box->findChild<QPushButton *>(QStringLiteral("Abort"))->click();
        });
    }));

    QCOMPARE(text("txtArquivo"), romPath(5));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Zorbo 3"));
    QCOMPARE(text("txtIndex"), QStringLiteral("20"));
    QCOMPARE(m_form->canvasImage(), before);
}

void tst_Form1Open::retryThenCancel()
{
    QVERIFY(openFile(m_dir.filePath(QStringLiteral("unknown.bin")), [](ModalWatcher &watcher) {
        answer(watcher, "QMessageBox", "Retry");
        formdriver::cancel(watcher);
    }));
    QCOMPARE(text("txtArquivo"), QString());
    QVERIFY(!child<QScrollBar>("HScroll1")->isEnabled());
}

void tst_Form1Open::ignoreLetsTheUserNameTheGame_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("array");
    // clang-format off
    QTest::newRow("Zorbo 2") << "Opt3" << "Zorbo 2" << "42E50";
    QTest::newRow("Zorbo 1 (J)") << "Opt1" << "Zorbo 1J" << "62A00";
    QTest::newRow("closed without OK") << QString() << "..." << "";
    // clang-format on
}

void tst_Form1Open::ignoreLetsTheUserNameTheGame()
{
    QFETCH(QString, option);
    QFETCH(QString, label);
    QFETCH(QString, array);
    QVERIFY(openFile(m_dir.filePath(QStringLiteral("unknown.bin")), [&](ModalWatcher &watcher) {
        answer(watcher, "QMessageBox", "Ignore");
        watcher.expect("Form2", [option](QWidget *selector) {
            if (option.isEmpty()) {
                QTest::keyClick(selector, Qt::Key_Escape);
                return;
            }
            choose(selector->findChild<QRadioButton *>(option));
            formdriver::click(selector, "Command1");
        });
    }));
    QCOMPARE(child<QLabel>("Label1")->text(), label);
    QCOMPARE(text("txtArray"), array);
    QCOMPARE(child<QScrollBar>("HScroll1")->isEnabled(), !option.isEmpty());
}

void tst_Form1Open::levelFileByName()
{
    // Recognized by its name alone: it does not even exist, and reads as an empty file.
    const QString path = m_dir.filePath(QStringLiteral("r11a__.mmd"));
    QVERIFY(openFile(path));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("CD Zorbo (Lagoon Rush 1 - Present)"));
    QCOMPARE(text("txtArray"), QStringLiteral("3880C"));
    QCOMPARE(text("txtBytes"), QStringLiteral("00 ").repeated(16));
    QVERIFY(child<QRadioButton>("optSec")->isVisible());
    QVERIFY(!QFile::exists(path));
}

void tst_Form1Open::levelFileThatCannotBeRead()
{
    // Known by its name alone; every read of box 0 fails, yet the user hears of it once, at the end.
    const QString path = m_dir.filePath(QStringLiteral("R11A__.MMD"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(openFile(path, [path](ModalWatcher &watcher) {
        formdriver::expectFailure(watcher, formdriver::kReadFailed, path, testenvironment::reason(ESPIPE));
    }));
    QCOMPARE(text("txtArquivo"), path);
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("CD Zorbo (Lagoon Rush 1 - Present)"));
    QCOMPARE(text("txtBytes"), QString());
    // Still usable: the next file opens and shows.
    QVERIFY(openFile(romPath(4)));
    QCOMPARE(text("txtBytes"), bytesTextOf(primaryBox0(4)));
}

QTEST_MAIN(tst_Form1Open)
#include "tst_form1open.moc"
