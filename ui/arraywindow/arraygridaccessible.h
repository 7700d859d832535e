#pragma once

#include "boxaddressing.h"
#include "itemlistaccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>

class ArrayGrid;
class ArrayBoxAccessible;

/// What a screen reader sees of an ArrayGrid: a list of 256 items, one a box, in the order the keys step
/// through them (00..FF, row after row). With no array on show the list is empty.
class ArrayGridAccessible : public ItemListAccessible<ArrayGrid, ArrayBoxAccessible, kBoxCount>
{
public:
    using ItemListAccessible::ItemListAccessible;

    [[nodiscard]] int childCount() const override;
    /// `x`, `y` in screen pixels.
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface *focusChild() const override;
};

/// One box of the grid. It reads the grid's array in memory, never the file.
class ArrayBoxAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    /// `box` 0..255.
    ArrayBoxAccessible(ArrayGrid *grid, int box);

    [[nodiscard]] int index() const { return m_box; }

    [[nodiscard]] bool isValid() const override;
    [[nodiscard]] QObject *object() const override { return nullptr; }
    [[nodiscard]] QWindow *window() const override;
    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    [[nodiscard]] QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override { }
    /// In screen pixels.
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] void *interface_cast(QAccessible::InterfaceType type) override;

    [[nodiscard]] QStringList actionNames() const override;
    /// Press asks the grid for this box, as a click does; SetFocus also gives the grid the keyboard.
    void doAction(const QString &actionName) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<ArrayGrid> m_grid;
    int m_box;
};

/// Makes screen readers see every ArrayGrid as an ArrayGridAccessible. Installing it again changes nothing.
void installArrayGridAccessible();
