// What the array window and the canvas's menu copy and save.

#include "arraysheet.h"
#include "arraywindowfixture.h"
#include "arraywindowtexts.h"
#include "modalwatcher.h"
#include "testenvironment.h"

#include <QClipboard>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QToolButton>

#include <memory>

class tst_ArrayWindowExports : public QObject, protected ArrayWindowFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase() { setUpFiles(); }
    void init() { makeLinkedForm(); }
    void cleanup() { m_form.reset(); }

    void copyFormats_data();
    void copyFormats();
    void canvasMenuCopies();
    void sheetSavedThroughTheDialog_data();
    void sheetSavedThroughTheDialog();
    void sheetRefused_data();
    void sheetRefused();
};

void tst_ArrayWindowExports::copyFormats_data()
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
    QTest::newRow("array, C") << "copyArray" << 2 << "static const unsigned char collision_array[256][16] = {\n";
    QTest::newRow("array, JSON") << "copyArray" << 3 << "json";
}

void tst_ArrayWindowExports::copyFormats()
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
        QCOMPARE(document.isArray() ? document.array().size() : 1, button == QLatin1String("copyBox") ? 1 : 256);
    } else if (button == QLatin1String("copyBox")) {
        QCOMPARE(text, expected);
    } else {
        QVERIFY2(text.startsWith(expected), qPrintable(text.left(200)));
        QCOMPARE(text.count(QLatin1Char('\n')), action < 0 ? 512 : 258);
    }
}

void tst_ArrayWindowExports::canvasMenuCopies()
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

void tst_ArrayWindowExports::sheetSavedThroughTheDialog_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("side");

    QTest::newRow("button, png") << -1 << "sheet.png" << QByteArray("png") << int(kCanvasSheetSize);
    QTest::newRow("canvas, bmp by name") << 0 << "sheet.bmp" << QByteArray("bmp") << int(kCanvasSheetSize);
    QTest::newRow("compact, png") << 1 << "small.png" << QByteArray("png") << int(kCompactSheetSize);
    QTest::newRow("compact, no extension: png") << 1 << "small" << QByteArray("png") << int(kCompactSheetSize);
}

void tst_ArrayWindowExports::sheetSavedThroughTheDialog()
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

void tst_ArrayWindowExports::sheetRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("the file on display") << "hack.bin" << languageTexts(Language::English).MsgReplacesShown;
    QTest::newRow("a name that is no sheet's") << "sheet.jpg" << arrayWindowTexts(Language::English).sheetNameRefused;
}

void tst_ArrayWindowExports::sheetRefused()
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
            formdriver::expectFailure(watcher, arrayWindowTexts(Language::English).MsgSheetFailed, path, reason);
        },
        [&] { child<QToolButton>(m_form->findChild<ArrayWindowLink *>()->window(), "saveSheet")->click(); }));
    QCOMPARE(testenvironment::contents(path), before);
}

QTEST_MAIN(tst_ArrayWindowExports)
#include "tst_arraywindowexports.moc"
