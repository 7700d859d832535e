#include "boxeditor.h"
#include "boxeditoraccessible.h"
#include "editorpanel.h"
#include "editsession.h"
#include "filefollower.h"
#include "modalwatcher.h"
#include "setimage.h"
#include "testenvironment.h"
#include "widthrule.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

QPoint cellCentre(QPoint cell)
{
    return cell * BoxEditor::kCellPixels + QPoint(BoxEditor::kCellPixels / 2, BoxEditor::kCellPixels / 2);
}

BoxBytes hexBox(const QByteArray &hex)
{
    return *parseBoxBytes(QString::fromLatin1(hex));
}

// What a user does: "drag c,r c,r ...", "right c,r", "keys K K ...", "click NAME", "type FIELD TEXT",
// "paste TEXT" or "reader COLUMN BYTE".
void act(EditorPanel *panel, BoxEditor *editor, const QString &action)
{
    const QString verb = action.section(QLatin1Char(' '), 0, 0);
    const QStringList words = action.section(QLatin1Char(' '), 1).split(QLatin1Char(' '));
    const auto cell = [](const QString &word) {
        return cellCentre(
            { word.section(QLatin1Char(','), 0, 0).toInt(), word.section(QLatin1Char(','), 1).toInt() });
    };
    if (verb == QLatin1String("drag")) {
        QTest::mousePress(editor, Qt::LeftButton, {}, cell(words.first()));
        for (const QString &word : words.mid(1))
            QTest::mouseMove(editor, cell(word));
        QTest::mouseRelease(editor, Qt::LeftButton, {}, cell(words.last()));
    } else if (verb == QLatin1String("right")) {
        QTest::mouseClick(editor, Qt::RightButton, {}, cell(words.first()));
    } else if (verb == QLatin1String("keys")) {
        editor->setFocus();
        for (const QString &word : words) {
            const QKeySequence key = QKeySequence::fromString(word);
            QTest::keyClick(editor, Qt::Key(key[0].key()));
        }
    } else if (verb == QLatin1String("click")) {
        panel->findChild<QAbstractButton *>(words.first())->click();
    } else if (verb == QLatin1String("type")) {
        auto *field = panel->findChild<QLineEdit *>(words.first());
        field->selectAll();
        QTest::keyClicks(field, words.mid(1).join(QLatin1Char(' ')));
        QTest::keyClick(field, Qt::Key_Return);
    } else if (verb == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(action.section(QLatin1Char(' '), 1));
        panel->findChild<QAbstractButton *>(QStringLiteral("pasteBox"))->click();
    } else if (verb == QLatin1String("reader")) {
        QAccessibleInterface *column
            = QAccessible::queryAccessibleInterface(editor)->child(words.at(0).toInt());
        column->valueInterface()->setCurrentValue(words.at(1).toInt(nullptr, 16));
        QCOMPARE(column->parent()->text(QAccessible::Name), QStringLiteral("Box editor"));
        QCOMPARE(column->text(QAccessible::Name), QStringLiteral("Column ") + words.at(0));
        QCOMPARE(column->text(QAccessible::Value).toLower(), words.at(1));
    }
}

} // namespace

class tst_EditorPanel : public QObject
{
    Q_OBJECT

private slots:
    void everyChangeIsOneStep_data();
    void everyChangeIsOneStep();
    void askBeforeDropping_data();
    void askBeforeDropping();
    void cursorShowsWhereKeysAct();

private:
    QTemporaryDir m_dir;
};

void tst_EditorPanel::everyChangeIsOneStep_data()
{
    QTest::addColumn<bool>("ceiling");
    QTest::addColumn<QByteArray>("before"); // heights, then the angle
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("steps");
    const QByteArray empty = "00000000000000000000000000000000 00";
    // clang-format off
    // A drag: the press, then the moves, as (column, row from the top).
    QTest::newRow("floor drag") << false << empty << "drag 0,15 1,12 2,8 2,0"
                                << QByteArray("01041000000000000000000000000000 00") << 1;
    QTest::newRow("ceiling drag") << true << empty << "drag 0,0 3,5"
                                  << QByteArray("ff0000fa000000000000000000000000 00") << 1;
    // A press on the cell that tops a column empties it; the drag goes on filling.
    QTest::newRow("top pressed again") << false << QByteArray("00000000000800000000000000000000 00")
                                       << "drag 5,8 6,8" << QByteArray("00000000000008000000000000000000 00") << 1;
    QTest::newRow("drag back where it began") << false << QByteArray("00000000000800000000000000000000 00")
                                              << "drag 5,3 5,8" << QByteArray("00000000000800000000000000000000 00") << 0;
    QTest::newRow("right-click") << false << QByteArray("00000000000800000000000000000000 00")
                                 << "right 5,3" << QByteArray("00000000000000000000000000000000 00") << 1;
    QTest::newRow("Up in ceiling mode") << true << QByteArray("0000ff00000000000000000000000000 00")
                                        << "keys Right Right Up" << QByteArray("0000fe00000000000000000000000000 00") << 1;
    QTest::newRow("Down") << false << QByteArray("03000000000000000000000000000000 00")
                          << "keys Down" << QByteArray("02000000000000000000000000000000 00") << 1;
    QTest::newRow("Delete") << false << QByteArray("10000000000000000000000000000000 00")
                            << "keys Delete" << QByteArray("00000000000000000000000000000000 00") << 1;
    QTest::newRow("mirror left-right") << false << QByteArray("0102030405060708090a0b0c0d0e0f10 e0")
                                       << "click mirrorLeftRight" << QByteArray("100f0e0d0c0b0a090807060504030201 20") << 1;
    QTest::newRow("mirror up-down") << false << QByteArray("0102030405060708090a0b0c0d0e0f10 e0")
                                    << "click mirrorUpDown" << QByteArray("fffefdfcfbfaf9f8f7f6f5f4f3f2f1f0 a0") << 1;
    QTest::newRow("flagged") << false << empty << "click flagged" << QByteArray("00000000000000000000000000000000 ff") << 1;
    QTest::newRow("typed bytes") << false << empty << "type bytes 10 10 10 10 10 10 10 10 0a0a0a0a 0a0a0a0a"
                                 << QByteArray("10101010101010100a0a0a0a0a0a0a0a 00") << 1;
    QTest::newRow("typed angle") << false << empty << "type angle e0" << QByteArray("00000000000000000000000000000000 e0") << 1;
    QTest::newRow("typed nonsense") << false << empty << "type angle 1ff" << empty << 0;
    QTest::newRow("pasted") << false << empty << "paste ; box 07\n\tdc.b $01,$01,$02,$02,$03,$03,$04,$04,$05,$05,$06,$06,$07,$07,$08,$08\n"
                            << QByteArray("01010202030304040505060607070808 00") << 1;
    QTest::newRow("screen reader") << false << empty << "reader 3 0c" << QByteArray("0000000c000000000000000000000000 00") << 1;
    // clang-format on
}

void tst_EditorPanel::everyChangeIsOneStep()
{
    QFETCH(bool, ceiling);
    QFETCH(QByteArray, before);
    QFETCH(QString, action);
    QFETCH(QByteArray, after);
    QFETCH(int, steps);
    CollisionSet set = setimage::written(m_dir.filePath(QStringLiteral("steps.bin")));
    const BoxBytes original = hexBox(before.left(32));
    const BoxBytes widths = derivedWidths(original);
    std::copy(original.begin(), original.end(), set.heights.bytes.begin() + qsizetype(0x30) * kBoxSize);
    std::copy(widths.begin(), widths.end(), set.widths.bytes.begin() + qsizetype(0x30) * kBoxSize);
    set.angles.bytes[0x30] = quint8(before.mid(33).toInt(nullptr, 16));
    QWidget window;
    auto *panel = new EditorPanel(&window);
    panel->setSet(set, SetStorage::Image, true);
    panel->showBox(0x30);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (ceiling)
        panel->findChild<QRadioButton *>(QStringLiteral("ceiling"))->click();
    auto *editor = panel->findChild<BoxEditor *>();
    act(panel, editor, action);

    EditSession *session = panel->session();
    const BoxState start = session->savedBox(0x30);
    BoxState expected;
    expected.heights = hexBox(after.left(32));
    expected.widths = derivedWidths(expected.heights);
    expected.angle = quint8(after.mid(33).toInt(nullptr, 16));
    QCOMPARE(session->undoStack()->count(), steps);
    QVERIFY(session->box(0x30) == expected);
    QCOMPARE(editor->heights(), expected.heights);
    if (steps == 0)
        return;
    // The keys, from wherever the focus is in the window.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(session->box(0x30) == start);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(session->box(0x30) == expected);
    session->undoStack()->undo();
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(session->box(0x30) == expected);

    // The next press is a step of its own.
    QTest::mouseClick(editor, Qt::LeftButton, {}, cellCentre({ 15, 15 }));
    QCOMPARE(session->undoStack()->count(), 2);
}

void tst_EditorPanel::askBeforeDropping_data()
{
    // What happens on disk after the edit: "changed", "renamed over" (same time and size), "beside",
    // "deleted", "deleted, back".
    QTest::addColumn<QString>("disk");
    QTest::addColumn<QStringList>("answers"); // button names, or "Escape"
    QTest::addColumn<bool>("mayDrop");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("said"); // by the disk line and the last question
    const auto answers = [](const char *names) { return QString::fromLatin1(names).split(QLatin1Char(' ')); };
    QTest::newRow("Cancel") << "" << answers("Cancel") << false << false << "";
    QTest::newRow("Escape") << "" << answers("Escape") << false << false << "";
    QTest::newRow("Discard") << "" << answers("Discard") << true << false << "";
    // The first write into an image in a run asks once more, so these rows come before the rest.
    QTest::newRow("Save, then Cancel the write") << "" << answers("Save Cancel") << false << false << "";
    QTest::newRow("Save") << "" << answers("Save Save") << true << true << "";
    QTest::newRow("changed on disk, keep it")
        << "changed" << answers("Save Cancel") << false << false << "changed on disk";
    QTest::newRow("changed on disk, write over it")
        << "changed" << answers("Save Save") << true << true << "changed on disk";
    QTest::newRow("renamed over") << "renamed over" << answers("Save Cancel") << false << false
                                  << "changed on disk";
    QTest::newRow("a new file beside it") << "beside" << answers("Save") << true << true << "";
    QTest::newRow("deleted") << "deleted" << answers("Save Ok") << false << false << "no longer exists";
    QTest::newRow("deleted, then back")
        << "deleted, back" << answers("Save Save") << true << true << "changed on disk";
}

void tst_EditorPanel::askBeforeDropping()
{
    QFETCH(QString, disk);
    QFETCH(QStringList, answers);
    QFETCH(bool, mayDrop);
    QFETCH(bool, written);
    QFETCH(QString, said);
    const QString path = m_dir.filePath(QStringLiteral("close.bin"));
    EditorPanel panel(nullptr);
    panel.setSet(setimage::written(path), SetStorage::Image, true);
    QSignalSpy reloads(&panel, &EditorPanel::reloadWanted);
    auto *diskLine = panel.findChild<QLabel *>(QStringLiteral("diskLine"));
    panel.showBox(0x40);
    QVERIFY(panel.mayDiscardChanges()); // nothing to lose, nothing asked
    panel.session()->change(0x40, hexBox("10101010101010101010101010101010"), 0);
    const QByteArray other = setimage::bytes().replace(0x300, 4, "edit");
    const QString copy = m_dir.filePath(QStringLiteral("copy.bin"));
    if (disk == QLatin1String("changed")) {
        QVERIFY(romfactory::write(path, other));
    } else if (disk == QLatin1String("renamed over")) {
        QTest::qWait(20); // a later file, as the system's clock tells
        QFile file(copy);
        QVERIFY(romfactory::write(copy, other) && file.open(QIODevice::ReadWrite)
            && file.setFileTime(QFileInfo(path).lastModified(), QFileDevice::FileModificationTime));
        QCOMPARE(std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()), 0);
    } else if (disk == QLatin1String("beside")) {
        QVERIFY(romfactory::write(m_dir.filePath(QStringLiteral("notes.txt")), "notes"));
    } else if (disk.startsWith(QLatin1String("deleted"))) {
        QVERIFY(QFile::remove(path));
    }
    QTest::qWait(3 * FileFollower::kDelayMs);
    if (disk == QLatin1String("deleted, back")) {
        QVERIFY(romfactory::write(path, setimage::bytes()));
        QTest::qWait(3 * FileFollower::kDelayMs);
    }
    QCOMPARE(diskLine->text().contains(QStringLiteral("close.bin")), !said.isEmpty());
    QVERIFY(diskLine->text().contains(said));
    const QByteArray before = testenvironment::contents(path);

    ModalWatcher watcher;
    for (const QString &answer : answers) {
        watcher.expect("QMessageBox", [answer](QWidget *box) {
            if (answer == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->findChild<QPushButton *>(answer)->click();
        });
    }
    QCOMPARE(panel.mayDiscardChanges(), mayDrop);
    QVERIFY(watcher.allMet());
    QVERIFY(watcher.texts().constFirst().startsWith(QStringLiteral("Box 40 has")));
    QVERIFY(watcher.texts().constLast().contains(said));
    QCOMPARE(testenvironment::contents(path) != before, written);
    QCOMPARE(panel.session()->hasUnsaved(), !written);
    // Its own write is no change on disk: no line, and nothing to read again.
    QTest::qWait(3 * FileFollower::kDelayMs);
    QCOMPARE(diskLine->text().isEmpty(), written || said.isEmpty());
    QCOMPARE(reloads.count(), 0);
}

void tst_EditorPanel::cursorShowsWhereKeysAct()
{
    installBoxEditorAccessible();
    QWidget window;
    // Children by value, declared after the window: each leaves it before it goes.
    BoxEditor editor(&window);
    QLineEdit elsewhere(&window);
    elsewhere.move(0, BoxEditor::kSide);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Highlighted pixels down the left edge of a column's frame: all of them solid, some dashed.
    const auto edge = [&editor](int column) {
        const QImage image = editor.grab().toImage();
        const QRgb highlight = editor.palette().color(QPalette::Highlight).rgb();
        int lit = 0;
        for (int y = 2; y < BoxEditor::kSide - 2; ++y)
            lit += image.pixel(BoxEditor::columnRect(column).left() + 1, y) == highlight ? 1 : 0;
        return lit;
    };
    const int whole = BoxEditor::kSide - 4;
    elsewhere.setFocus();
    QVERIFY(edge(0) > 0 && edge(0) < whole);
    editor.setFocus();
    editor.setColumn(3);
    QCOMPARE(QList<int>({ edge(0), edge(3) }), QList<int>({ 0, whole }));
}

QTEST_MAIN(tst_EditorPanel)
#include "tst_editorpanel.moc"
