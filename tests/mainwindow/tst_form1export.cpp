// The main window's picture saved as a bitmap, and what it may never replace.

#include "form1testcase.h"

using namespace form1files;

class tst_Form1Export : public QObject, protected Form1TestCase
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { writeFiles(); }
    void init() { recreate(0x0409); }
    void cleanup() { m_form.reset(); }

    void exportBeforeAnyFileDoesNothing();
    void exportWritesTheCanvas();
    void exportDeclinedOrCancelledWritesNothing();
    void exportRefusesTheFileShown_data();
    void exportRefusesTheFileShown();
};

void tst_Form1Export::exportBeforeAnyFileDoesNothing()
{
    ModalWatcher watcher;
    press(Qt::Key_F5);
    QTest::mouseDClick(child<QWidget>("Picture1"), Qt::LeftButton);
    QCOMPARE(watcher.seen(), 0);
}

void tst_Form1Export::exportWritesTheCanvas()
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

void tst_Form1Export::exportDeclinedOrCancelledWritesNothing()
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

void tst_Form1Export::exportRefusesTheFileShown_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("its own path") << QString();
    QTest::newRow("a hard link") << QStringLiteral("hard.bin");
    QTest::newRow("a symbolic link") << QStringLiteral("soft.bin");
}

void tst_Form1Export::exportRefusesTheFileShown()
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

QTEST_MAIN(tst_Form1Export)
#include "tst_form1export.moc"
