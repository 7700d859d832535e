#include "boxaddressing.h"
#include "canvasoracle.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "languagetable.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Box 0 of each test file's primary array holds these bytes, the secondary array's box 0 is all 0x10,
// and box 0x20 of the primary array is all 0xF8, so every array and box can be told apart.
QByteArray primaryBox0(int gameId)
{
    return romfactory::rampBox(gameId * 0x10);
}

using formdriver::answer;
using formdriver::answered;
using formdriver::bytesTextOf;
using formdriver::choose;
using formdriver::typePath;

} // namespace

class tst_Form1 : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUp_data();
    void startUp();
    void geometry_data();
    void geometry();
    void captionsFit_data();
    void captionsFit();
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
    void doubledAmpersandShowsOnce();
    void languageKeys();
    void levelFileThatCannotBeRead();
    void exportBeforeAnyFileDoesNothing();
    void exportWritesTheCanvas();
    void exportDeclinedOrCancelledWritesNothing();
    void exportRefusesTheFileShown_data();
    void exportRefusesTheFileShown();
    void quitAndCloseEndTheProgram();

private:
    QString romPath(int gameId) const { return m_dir.filePath(QStringLiteral("row%1.bin").arg(gameId)); }
    void recreate(quint16 langId) { QVERIFY(makeForm(langId)); }
    bool openFile(const QString &path, const std::function<void(ModalWatcher &)> &answers = {})
    {
        return formdriver::open(*m_form, path, answers);
    }

    QTemporaryDir m_dir;
};

void tst_Form1::initTestCase()
{
    QApplication::setFont(Form1::designFont());
    for (int gameId = 1; gameId <= 6; ++gameId) {
        const qsizetype offset = catalogueRow(gameId)->arrayStart - 1;
        QByteArray bytes = romfactory::gameRom(gameId, { primaryBox0(gameId) });
        romfactory::putBox(bytes, offset + qsizetype(0x20) * kBoxSize, romfactory::filledBox('\xF8'));
        romfactory::putBox(bytes, offset + kArraySize, romfactory::filledBox('\x10'));
        romfactory::putBox(
            bytes, offset + qsizetype(2) * kArraySize - kBoxSize, romfactory::filledBox('\x01'));
        QVERIFY(romfactory::write(romPath(gameId), bytes));
    }
    QVERIFY(romfactory::write(m_dir.filePath(QStringLiteral("unknown.bin")), QByteArray(0x1000, '\x55')));
}

void tst_Form1::init()
{
    recreate(0x0409);
}

void tst_Form1::cleanup()
{
    m_form.reset();
}

void tst_Form1::startUp_data()
{
    QTest::addColumn<int>("langId");
    QTest::addColumn<int>("language");
    QTest::newRow("Brazil") << 0x0416 << int(Language::Portuguese);
    QTest::newRow("Portugal") << 0x0816 << int(Language::Portuguese);
    QTest::newRow("United States") << 0x0409 << int(Language::English);
    QTest::newRow("neutral Portuguese") << 0x0016 << int(Language::English);
}

void tst_Form1::startUp()
{
    QFETCH(int, langId);
    QFETCH(int, language);
    recreate(quint16(langId));
    const LanguageTexts &t = languageTexts(Language(language));

    QCOMPARE(m_form->windowTitle(), QStringLiteral("Tilegauge ") + testenvironment::versionText());
    QCOMPARE(m_form->size(), QSize(473, 307));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(int(m_form->language()), language);
    QCOMPARE(child<QGroupBox>("Frame1")->title(), t.Frame1);
    QCOMPARE(child<QPushButton>("cmdAbrir")->text(), t.cmdAbrir);
    QCOMPARE(child<QPushButton>("cmdSair")->text(), t.cmdSair);
    QCOMPARE(child<QLabel>("lblArray")->text(), t.lblArray);
    QCOMPARE(child<QLabel>("lblBox")->text(), t.lblBox);
    QCOMPARE(child<QLabel>("lblLoc")->text(), t.lblLoc);
    QCOMPARE(child<QRadioButton>("optPri")->text(), t.optPri);
    QCOMPARE(child<QRadioButton>("optSec")->text(), t.optSec);
    const QString idText = langIdText(quint16(langId));
    QCOMPARE(child<QGroupBox>("Frame1")->toolTip(), idText);
    QCOMPARE(child<QLabel>("Label2")->toolTip(), idText);

    // No file loaded.
    QCOMPARE(text("txtArquivo"), QString());
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("..."));
    QCOMPARE(text("txtArray"), QString());
    QCOMPARE(text("txtLoc"), QString());
    QCOMPARE(text("txtBytes"), QString());
    QCOMPARE(text("txtIndex"), QStringLiteral("00"));
    auto *scroll = child<QScrollBar>("HScroll1");
    QVERIFY(!scroll->isEnabled());
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(scroll->minimum(), 0);
    QCOMPARE(scroll->maximum(), 255);
    QCOMPARE(scroll->singleStep(), 1);
    QCOMPARE(scroll->pageStep(), 16);
    QVERIFY(!scroll->hasTracking());
    for (const char *name : { "optPri", "optSec", "optPT", "optENG" })
        QVERIFY2(child<QRadioButton>(name)->isHidden(), name);
    const QColor background = QGuiApplication::palette().color(QPalette::Window);
    QCOMPARE(m_form->canvasImage().pixelColor(7, 7), background);
    QCOMPARE(m_form->canvasImage().pixelColor(127, 127), background);
    QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>("Picture1"));
    for (const char *name : { "txtArquivo", "txtIndex", "txtArray", "txtLoc", "txtBytes" })
        QVERIFY2(child<QLineEdit>(name)->isReadOnly(), name);

    // Keypad keys and F5 do nothing before a file is loaded.
    press(Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(text("txtIndex"), QStringLiteral("00"));
}

void tst_Form1::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 0, 457, 41);
    QTest::newRow("Label2") << "Label2" << QRect(8, 16, 441, 17);
    QTest::newRow("optPT") << "optPT" << QRect(80, 10, 121, 25);
    QTest::newRow("optENG") << "optENG" << QRect(256, 10, 121, 25);
    QTest::newRow("txtArquivo") << "txtArquivo" << QRect(0, 48, 473, 23);
    QTest::newRow("cmdAbrir") << "cmdAbrir" << QRect(16, 72, 441, 25);
    QTest::newRow("cmdSair") << "cmdSair" << QRect(16, 96, 441, 25);
    QTest::newRow("Label1") << "Label1" << QRect(16, 136, 297, 17);
    QTest::newRow("Picture1") << "Picture1" << QRect(328, 136, 130, 130);
    QTest::newRow("optPri") << "optPri" << QRect(16, 168, 65, 17);
    QTest::newRow("lblBox") << "lblBox" << QRect(192, 168, 89, 17);
    QTest::newRow("optSec") << "optSec" << QRect(16, 184, 81, 17);
    QTest::newRow("txtIndex") << "txtIndex" << QRect(240, 184, 25, 19);
    QTest::newRow("lblArray") << "lblArray" << QRect(16, 208, 113, 17);
    QTest::newRow("HScroll1") << "HScroll1" << QRect(192, 208, 81, 17);
    QTest::newRow("txtArray") << "txtArray" << QRect(16, 224, 105, 19);
    QTest::newRow("lblLoc") << "lblLoc" << QRect(192, 232, 65, 17);
    QTest::newRow("txtLoc") << "txtLoc" << QRect(192, 248, 97, 19);
    QTest::newRow("Label3") << "Label3" << QRect(16, 264, 49, 17);
    QTest::newRow("txtBytes") << "txtBytes" << QRect(16, 280, 441, 19);
}

void tst_Form1::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QCOMPARE(child<QWidget>(qPrintable(name))->geometry(), rect);
}

void tst_Form1::captionsFit_data()
{
    QTest::addColumn<int>("langId");
    QTest::newRow("Portuguese") << 0x0416;
    QTest::newRow("English") << 0x0409;
}

void tst_Form1::captionsFit()
{
    QFETCH(int, langId);
    recreate(quint16(langId));
    for (const char *name : { "Label1", "Label2", "Label3", "lblArray", "lblBox", "lblLoc" }) {
        auto *label = child<QLabel>(name);
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(
            needed <= label->width(), qPrintable(QStringLiteral("%1 needs %2 px").arg(name).arg(needed)));

        // A caption masked where a text box covers it must keep all its ink inside the mask.
        if (label->mask().isEmpty())
            continue;
        QLabel clone(label->text());
        clone.setFont(label->font());
        clone.setAlignment(label->alignment());
        clone.resize(label->size());
        QImage ink(label->size(), QImage::Format_ARGB32_Premultiplied);
        ink.fill(Qt::transparent);
        clone.render(&ink, QPoint(), QRegion(), QWidget::RenderFlags());
        for (int y = 0; y < ink.height(); ++y) {
            for (int x = 0; x < ink.width(); ++x) {
                if (qAlpha(ink.pixel(x, y)) != 0 && !label->mask().contains(QPoint(x, y)))
                    QFAIL(qPrintable(QStringLiteral("%1 hides ink at (%2, %3)").arg(name).arg(x).arg(y)));
            }
        }
    }
    for (const char *name : { "optPri", "optSec" }) {
        auto *option = child<QRadioButton>(name);
        const QStyle *style = option->style();
        const int needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option)
            + option->fontMetrics().horizontalAdvance(option->text());
        QVERIFY2(
            needed <= option->width(), qPrintable(QStringLiteral("%1 needs %2 px").arg(name).arg(needed)));
    }
    for (const char *name : { "cmdAbrir", "cmdSair" }) {
        auto *button = child<QPushButton>(name);
        QVERIFY(button->sizeHint().width() <= button->width());
    }
    const QString bytes = QStringLiteral("FF ").repeated(16);
    auto *txtBytes = child<QLineEdit>("txtBytes");
    QVERIFY(txtBytes->fontMetrics().horizontalAdvance(bytes) < txtBytes->width() - 8);
}

void tst_Form1::openRow5()
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

void tst_Form1::keypadSteps()
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

void tst_Form1::reopeningShowsBox0()
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

void tst_Form1::secondaryThenOtherGames()
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

void tst_Form1::secondaryActsOnlyOnChange()
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

void tst_Form1::cancelAndAbortKeepTheFile()
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

void tst_Form1::retryThenCancel()
{
    QVERIFY(openFile(m_dir.filePath(QStringLiteral("unknown.bin")), [](ModalWatcher &watcher) {
        answer(watcher, "QMessageBox", "Retry");
        formdriver::cancel(watcher);
    }));
    QCOMPARE(text("txtArquivo"), QString());
    QVERIFY(!child<QScrollBar>("HScroll1")->isEnabled());
}

void tst_Form1::ignoreLetsTheUserNameTheGame_data()
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

void tst_Form1::ignoreLetsTheUserNameTheGame()
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

void tst_Form1::levelFileByName()
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

void tst_Form1::doubledAmpersandShowsOnce()
{
    QVERIFY(openFile(romPath(6)));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Zorbo & Tarwick"));
}

void tst_Form1::languageKeys()
{
    QVERIFY(openFile(romPath(1)));
    child<QLineEdit>("txtBytes")->setFocus();
    const QString bytes = text("txtBytes");
    // No while in English changes nothing.
    QVERIFY(answered(
        [](ModalWatcher &watcher) {
            watcher.expect("QMessageBox", [](QWidget *modal) {
                auto *box = static_cast<QMessageBox *>(modal);
                QCOMPARE(box->text(), changeLanguagePrompt().remove(QLatin1Char('\r')));
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->defaultButton()->objectName(), QStringLiteral("Yes"));
                formdriver::click(box, "No");
            });
        },
        [this] { press(Qt::Key_F6); }));
    QCOMPARE(m_form->language(), Language::English);
    QCOMPARE(child<QPushButton>("cmdAbrir")->text(), QStringLiteral("&OPEN ROM"));

    QVERIFY(answered([](ModalWatcher &watcher) { answer(watcher, "QMessageBox", "Yes"); },
        [this] { press(Qt::Key_F6, Qt::ControlModifier); }));
    QCOMPARE(m_form->language(), Language::Portuguese);
    QCOMPARE(child<QPushButton>("cmdSair")->text(), QStringLiteral("&SAIR"));
    QCOMPARE(child<QLabel>("lblLoc")->text(), QStringLiteral("Localização:"));
    QCOMPARE(text("txtBytes"), bytes);

    for (Qt::KeyboardModifiers modifiers :
        { Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier) }) {
        ModalWatcher watcher;
        watcher.expect("QMessageBox", [](QWidget *modal) {
            QCOMPARE(static_cast<QMessageBox *>(modal)->text(), langIdText(0x0409));
            QCOMPARE(static_cast<QMessageBox *>(modal)->buttons().size(), 1);
            formdriver::click(modal, "Ok");
        });
        press(Qt::Key_F7, modifiers);
        QVERIFY(watcher.allMet());
    }
    // The next open dialog speaks the new language.
    QVERIFY(answered(
        [](ModalWatcher &watcher) {
            watcher.expect("QFileDialog", [](QWidget *dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Abrir"));
                static_cast<QDialog *>(dialog)->reject();
            });
        },
        [this] { m_form->cmdAbrirClick(); }));
}

void tst_Form1::levelFileThatCannotBeRead()
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

void tst_Form1::exportBeforeAnyFileDoesNothing()
{
    ModalWatcher watcher;
    press(Qt::Key_F5);
    QTest::mouseDClick(child<QWidget>("Picture1"), Qt::LeftButton);
    QCOMPARE(watcher.seen(), 0);
}

void tst_Form1::exportWritesTheCanvas()
{
    QVERIFY(openFile(romPath(3)));
    child<QScrollBar>("HScroll1")->setValue(0x20);
    const QString target = m_dir.filePath(QStringLiteral("box"));
    QFile::remove(target + QStringLiteral(".bmp"));

    // F5 in English, then a double-click in Portuguese: both ask in the language in force.
    for (Language language : { Language::English, Language::Portuguese }) {
        if (language == Language::Portuguese) {
            QVERIFY(answered([](ModalWatcher &watcher) { answer(watcher, "QMessageBox", "Yes"); },
                [this] { press(Qt::Key_F6); }));
            // Another box, so a second write that never happened cannot pass for one.
            child<QScrollBar>("HScroll1")->setValue(0);
        }
        const LanguageTexts &t = languageTexts(language);
        ModalWatcher watcher;
        watcher.expect("QMessageBox", [&t](QWidget *modal) {
            auto *box = static_cast<QMessageBox *>(modal);
            QCOMPARE(box->text(), t.MsgSaveBitmap);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->defaultButton()->text(), t.Yes);
            formdriver::click(box, "Yes");
        });
        watcher.expect("QFileDialog", [&t, target](QWidget *dialog) {
            QCOMPARE(dialog->windowTitle(), t.SaveTitle);
            typePath(dialog, target);
        });
        if (language == Language::English)
            press(Qt::Key_F5, Qt::AltModifier);
        else
            QTest::mouseDClick(child<QWidget>("Picture1"), Qt::LeftButton);
        QVERIFY(watcher.allMet());

        // Written over the earlier file, with the extension added, pixel for pixel.
        const QImage saved(target + QStringLiteral(".bmp"), "BMP");
        const QByteArray box = language == Language::English ? romfactory::filledBox('\xF8') : primaryBox0(3);
        QCOMPARE(canvasoracle::difference(saved.convertToFormat(QImage::Format_RGB32), box), QString());
        QVERIFY(!QFile::exists(target));
    }
}

void tst_Form1::exportDeclinedOrCancelledWritesNothing()
{
    QVERIFY(openFile(romPath(3)));
    const QString target = m_dir.filePath(QStringLiteral("never.bmp"));
    const auto f5 = [this] { press(Qt::Key_F5); };
    QVERIFY(answered([](ModalWatcher &watcher) { answer(watcher, "QMessageBox", "No"); }, f5));
    QVERIFY(answered(
        [target](ModalWatcher &watcher) {
            answer(watcher, "QMessageBox", "Yes");
            watcher.expect("QFileDialog", [target](QWidget *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
                static_cast<QDialog *>(dialog)->reject();
            });
        },
        f5));
    QVERIFY(!QFile::exists(target));
}

void tst_Form1::exportRefusesTheFileShown_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("its own path") << QString();
    QTest::newRow("a hard link") << QStringLiteral("hard.bin");
    QTest::newRow("a symbolic link") << QStringLiteral("soft.bin");
}

void tst_Form1::exportRefusesTheFileShown()
{
    QFETCH(QString, link);
    const QString shown = romPath(1);
    const QByteArray before = testenvironment::contents(shown);
    QVERIFY(openFile(shown));
    QString target = shown;
    if (!link.isEmpty()) {
        target = m_dir.filePath(link);
        QFile::remove(target);
        const QByteArray from = QFile::encodeName(shown);
        const QByteArray to = QFile::encodeName(target);
        QCOMPARE(link.startsWith(QLatin1String("hard")) ? ::link(from, to) : ::symlink(from, to), 0);
    }
    QVERIFY(answered(
        [target](ModalWatcher &watcher) {
            answer(watcher, "QMessageBox", "Yes");
            watcher.expect("QFileDialog", [target](QWidget *dialog) { typePath(dialog, target); });
            const LanguageTexts &t = languageTexts(Language::English);
            formdriver::expectFailure(watcher, t.MsgWriteFailed, target, t.MsgReplacesShown);
        },
        [this] { press(Qt::Key_F5); }));
    QCOMPARE(testenvironment::contents(shown), before);
}

void tst_Form1::quitAndCloseEndTheProgram()
{
    // The program ends when its last window closing-for-quit goes away; no question is asked.
    QVERIFY(m_form->testAttribute(Qt::WA_QuitOnClose));
    ModalWatcher watcher;
    QTest::mouseClick(child<QPushButton>("cmdSair"), Qt::LeftButton);
    QVERIFY(!m_form->isVisible());

    recreate(0x0409);
    QVERIFY(m_form->close());
    QVERIFY(!m_form->isVisible());
    QCOMPARE(watcher.seen(), 0);
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
