// The keyboard's way around the main window: the Tab cycle, the scroll bar's own keys, and the window
// as a screen reader sees it.

#include "boxaddressing.h"
#include "formfixture.h"
#include "gamecatalogue.h"
#include "romfactory.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_FocusCycle : public QObject, protected FormFixture
{
    Q_OBJECT

public:
    static void initMain() { testenvironment::isolateHome(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tabCycle_data();
    void tabCycle();
    void scrollBarKeys_data();
    void scrollBarKeys();
    void keypadStepsOnceOnTheScrollBar();
    void windowRole();

private:
    [[nodiscard]] QString romPath(int gameId) const
    {
        return m_dir.filePath(QStringLiteral("row%1.bin").arg(gameId));
    }
    [[nodiscard]] QScrollBar *scrollBar() const { return m_form->findChild<QScrollBar *>(QStringLiteral("HScroll1")); }

    QTemporaryDir m_dir;
};

void tst_FocusCycle::initTestCase()
{
    for (int gameId : { 1, 5 }) {
        const GameRow *row = catalogueRow(gameId);
        QVERIFY(romfactory::write(romPath(gameId), romfactory::rom(row->headerKey, row->arrayStart + 2 * kArraySize)));
    }
}

void tst_FocusCycle::init()
{
    QVERIFY(makeForm());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void tst_FocusCycle::cleanup()
{
    m_form.reset();
}

void tst_FocusCycle::tabCycle_data()
{
    QTest::addColumn<int>("gameId");
    QTest::addColumn<bool>("secondary");
    QTest::addColumn<QStringList>("cycle");
    const QStringList head { "Picture1", "txtArquivo", "cmdAbrir", "cmdSair", "txtArray", "txtIndex" };
    const QStringList tail { "txtLoc", "txtBytes" };
    QTest::newRow("no file") << 0 << false << head + tail;
    QTest::newRow("one array") << 5 << false << head + QStringList { "HScroll1" } + tail;
    QTest::newRow("primary") << 1 << false << head + QStringList { "HScroll1" } + tail + QStringList { "optPri" };
    QTest::newRow("secondary") << 1 << true << head + QStringList { "HScroll1" } + tail + QStringList { "optSec" };
}

void tst_FocusCycle::tabCycle()
{
    QFETCH(int, gameId);
    QFETCH(bool, secondary);
    QFETCH(QStringList, cycle);
    if (gameId != 0)
        m_form->openPath(romPath(gameId));
    if (secondary)
        m_form->findChild<QRadioButton *>(QStringLiteral("optSec"))->setChecked(true);
    m_form->findChild<QWidget *>(QStringLiteral("Picture1"))->setFocus(Qt::OtherFocusReason);

    const auto walk = [this](Qt::KeyboardModifiers modifiers, qsizetype steps) {
        QStringList seen;
        for (qsizetype i = 0; i < steps; ++i) {
            QWidget *focus = m_form->focusWidget();
            if (!focus)
                break;
            QTest::keyClick(focus, Qt::Key_Tab, modifiers);
            seen.append(m_form->focusWidget() ? m_form->focusWidget()->objectName() : QString());
        }
        return seen;
    };
    // Once round and back to the start, both ways.
    QStringList forward = cycle.mid(1) + QStringList { cycle.first() };
    QCOMPARE(walk(Qt::NoModifier, cycle.size()), forward);
    QStringList backward;
    for (qsizetype i = cycle.size() - 1; i >= 0; --i)
        backward.append(cycle.at(i));
    QCOMPARE(walk(Qt::ShiftModifier, cycle.size()), backward);
}

void tst_FocusCycle::scrollBarKeys_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("right") << 0x10 << int(Qt::Key_Right) << 0x11;
    QTest::newRow("left") << 0x10 << int(Qt::Key_Left) << 0x0F;
    QTest::newRow("page down") << 0x10 << int(Qt::Key_PageDown) << 0x20;
    QTest::newRow("page up") << 0x10 << int(Qt::Key_PageUp) << 0x00;
    QTest::newRow("home") << 0x10 << int(Qt::Key_Home) << 0x00;
    QTest::newRow("end") << 0x10 << int(Qt::Key_End) << 0xFF;
    QTest::newRow("page down near the end") << 0xF8 << int(Qt::Key_PageDown) << 0xFF;
    QTest::newRow("page up near the start") << 0x05 << int(Qt::Key_PageUp) << 0x00;
    QTest::newRow("right at the end") << 0xFF << int(Qt::Key_Right) << 0xFF;
    QTest::newRow("left at the start") << 0x00 << int(Qt::Key_Left) << 0x00;
}

void tst_FocusCycle::scrollBarKeys()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    m_form->openPath(romPath(5));
    QScrollBar *bar = scrollBar();
    bar->setValue(start);
    bar->setFocus(Qt::TabFocusReason);
    QCOMPARE(m_form->focusWidget(), bar);

    QSignalSpy changes(bar, &QScrollBar::valueChanged);
    QTest::keyClick(bar, Qt::Key(key));
    QCOMPARE(bar->value(), expected);
    QCOMPARE(changes.size(), start == expected ? 0 : 1);
    QCOMPARE(m_form->findChild<QLineEdit *>(QStringLiteral("txtIndex"))->text(), indexText(expected));
}

void tst_FocusCycle::keypadStepsOnceOnTheScrollBar()
{
    m_form->openPath(romPath(5));
    QScrollBar *bar = scrollBar();
    bar->setValue(0x10);
    bar->setFocus(Qt::TabFocusReason);
    QSignalSpy changes(bar, &QScrollBar::valueChanged);
    QTest::keyClick(bar, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(bar->value(), 0x11);
    QTest::keyClick(bar, Qt::Key_Minus, Qt::KeypadModifier);
    QTest::keyClick(bar, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(bar->value(), 0x0F);
    QCOMPARE(changes.size(), 3);
}

void tst_FocusCycle::windowRole()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_form.get());
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), m_form->windowTitle());
    // Its controls are still its children.
    QVERIFY(window->childCount() > 10);
}

QTEST_MAIN(tst_FocusCycle)
#include "tst_focuscycle.moc"
