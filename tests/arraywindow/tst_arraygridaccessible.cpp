#include "arraygrid.h"
#include "arraywindowtexts.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

namespace {

// Box n holds the bytes n, n+1, ... so a description of the wrong box shows.
CollisionArray syntheticArray()
{
    CollisionArray array;
    for (int box = 0; box < kBoxCount; ++box) {
        for (int column = 0; column < kBoxSize; ++column)
            array.bytes[size_t(box) * kBoxSize + size_t(column)] = quint8(box + column);
        array.angles[size_t(box)] = quint8(box);
    }
    return array;
}

} // namespace

class tst_ArrayGridAccessible : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneItemPerBox();
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void itemRectIsTheBoxOnScreen();
    void currentBoxFollowsAStep();
    void pressChoosesTheBox_data();
    void pressChoosesTheBox();

private:
    QAccessibleInterface *item(int box) const;

    std::unique_ptr<ArrayGrid> m_grid;
};

void tst_ArrayGridAccessible::init()
{
    m_grid = std::make_unique<ArrayGrid>(nullptr);
    const ArrayWindowTexts &t = arrayWindowTexts(Language::English);
    m_grid->setBoxWords(t.boxDescription, t.flagged);
}

void tst_ArrayGridAccessible::cleanup()
{
    m_grid.reset();
}

QAccessibleInterface *tst_ArrayGridAccessible::item(int box) const
{
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(m_grid.get());
    return grid ? grid->child(box) : nullptr;
}

void tst_ArrayGridAccessible::oneItemPerBox()
{
    QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(m_grid.get());
    QVERIFY(grid);
    QCOMPARE(grid->role(), QAccessible::List);
    QCOMPARE(grid->childCount(), 0); // nothing to list before a file
    QVERIFY(!grid->child(0));

    m_grid->setArray(syntheticArray());
    QCOMPARE(grid->childCount(), 256);
    QVERIFY(!grid->child(256));
    for (const int box : { 0x00, 0x7F, 0xFF }) {
        QAccessibleInterface *one = grid->child(box);
        QVERIFY(one && one->isValid());
        QCOMPARE(one->role(), QAccessible::ListItem);
        QCOMPARE(one->parent(), grid);
        QCOMPARE(grid->indexOfChild(one), box);
        QCOMPARE(grid->child(box), one); // asked twice, the same item
    }
}

void tst_ArrayGridAccessible::namesAndDescriptions_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("first, English")
        << Language::English << 0x00 << QStringLiteral("00")
        << QStringLiteral("Box 00, columns: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F, angle: 00 (0°)");
    QTest::newRow("slope, Portuguese")
        << Language::Portuguese << 0x40 << QStringLiteral("40")
        << QStringLiteral(
               "Caixa 40, colunas: 40 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F, ângulo: 40 (270°)");
    QTest::newRow("flagged, English")
        << Language::English << 0xFF << QStringLiteral("FF")
        << QStringLiteral(
               "Box FF, columns: FF 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E, angle: FF (flagged)");
    QTest::newRow("flagged, Portuguese")
        << Language::Portuguese << 0xFF << QStringLiteral("FF")
        << QStringLiteral(
               "Caixa FF, colunas: FF 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E, ângulo: FF (marcado)");
}

void tst_ArrayGridAccessible::namesAndDescriptions()
{
    QFETCH(Language, language);
    QFETCH(int, box);
    QFETCH(QString, name);
    QFETCH(QString, description);
    const ArrayWindowTexts &t = arrayWindowTexts(language);
    m_grid->setBoxWords(t.boxDescription, t.flagged);
    m_grid->setArray(syntheticArray());
    QAccessibleInterface *one = item(box);
    QVERIFY(one);
    QCOMPARE(one->text(QAccessible::Name), name);
    QCOMPARE(one->text(QAccessible::Description), description);
}

void tst_ArrayGridAccessible::itemRectIsTheBoxOnScreen()
{
    m_grid->setArray(syntheticArray());
    m_grid->move(40, 30);
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    for (const int box : { 0x00, 0x11, 0xFE }) {
        const QRect place = m_grid->boxRect(box);
        QCOMPARE(item(box)->rect(), QRect(m_grid->mapToGlobal(place.topLeft()), place.size()));
        // And a reader's pointer on that spot finds the same item.
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(m_grid.get());
        const QPoint centre = m_grid->mapToGlobal(place.center());
        QCOMPARE(grid->childAt(centre.x(), centre.y()), item(box));
    }
}

void tst_ArrayGridAccessible::currentBoxFollowsAStep()
{
    m_grid->setArray(syntheticArray());
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowActive(m_grid.get()));
    m_grid->setFocus();
    QVERIFY(m_grid->hasFocus());

    // A step, as the main window's scroll bar gives it. (The Focus and Selection events that go with it
    // reach only a live reader: Qt 6.4 offers no public way to switch accessibility on offscreen.)
    m_grid->setCurrent(0x21);

    QVERIFY(item(0x21)->state().focused);
    QVERIFY(item(0x21)->state().selected);
    QVERIFY(!item(0x00)->state().focused);
    QVERIFY(!item(0x00)->state().selected);
    QCOMPARE(QAccessible::queryAccessibleInterface(m_grid.get())->focusChild(), item(0x21));

    // With the keyboard elsewhere the box is still selected, but not claimed focused.
    m_grid->clearFocus();
    QVERIFY(!item(0x21)->state().focused);
    QVERIFY(item(0x21)->state().selected);
}

void tst_ArrayGridAccessible::pressChoosesTheBox_data()
{
    QTest::addColumn<int>("box");
    QTest::newRow("00") << 0x00;
    QTest::newRow("9C") << 0x9C;
    QTest::newRow("FF") << 0xFF;
}

void tst_ArrayGridAccessible::pressChoosesTheBox()
{
    QFETCH(int, box);
    m_grid->setArray(syntheticArray());
    QSignalSpy spy(m_grid.get(), &ArrayGrid::boxChosen);
    QAccessibleActionInterface *actions = item(box)->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), box);
    // The grid waits, as for a click, to be told the box is on display.
    QCOMPARE(m_grid->current(), 0);

    actions->doAction(QStringLiteral("no such action"));
    QCOMPARE(spy.count(), 1);
    // An item kept past the array asks for nothing.
    m_grid->clearArray();
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(tst_ArrayGridAccessible)
#include "tst_arraygridaccessible.moc"
