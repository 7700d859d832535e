// The main window as it starts, its size and words, its languages, and quitting.

#include "form1testcase.h"

using namespace form1files;

class tst_Form1 : public QObject, protected Form1TestCase
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { writeFiles(); }
    void init() { recreate(0x0409); }
    void cleanup() { m_form.reset(); }

    void startUp_data();
    void startUp();
    void geometry_data();
    void geometry();
    void captionsFit_data();
    void captionsFit();
    void doubledAmpersandShowsOnce();
    void languageKeys();
    void quitAndCloseEndTheProgram();
};

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
