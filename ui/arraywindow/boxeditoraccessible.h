#pragma once

#include "itemlistaccessible.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QPointer>

class BoxEditor;
class BoxColumnAccessible;

/// What a screen reader sees of a BoxEditor: a list of its 16 columns, left to right.
class BoxEditorAccessible : public ItemListAccessible<BoxEditor, BoxColumnAccessible, 16>
{
public:
    using ItemListAccessible::ItemListAccessible;

    /// `x`, `y` in screen pixels.
    [[nodiscard]] QAccessibleInterface *childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface *focusChild() const override;
};

/// One column: named by its number, its value the height byte, which a reader may set (one step).
class BoxColumnAccessible : public QAccessibleInterface, public QAccessibleValueInterface
{
public:
    /// `column` 0..15.
    BoxColumnAccessible(BoxEditor *editor, int column);

    [[nodiscard]] int index() const { return m_column; }

    [[nodiscard]] bool isValid() const override { return !m_editor.isNull(); }
    [[nodiscard]] QObject *object() const override { return nullptr; }
    [[nodiscard]] QWindow *window() const override;
    [[nodiscard]] QAccessibleInterface *parent() const override;
    [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    [[nodiscard]] QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    /// The name is the column's; the value its byte in two hexadecimal digits.
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override { }
    /// In screen pixels.
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ListItem; }
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] void *interface_cast(QAccessible::InterfaceType type) override;

    [[nodiscard]] QVariant currentValue() const override;
    /// 0..255; anything else is ignored.
    void setCurrentValue(const QVariant &value) override;
    [[nodiscard]] QVariant maximumValue() const override { return 255; }
    [[nodiscard]] QVariant minimumValue() const override { return 0; }
    [[nodiscard]] QVariant minimumStepSize() const override { return 1; }

private:
    QPointer<BoxEditor> m_editor;
    int m_column;
};

/// Makes screen readers see every BoxEditor as a BoxEditorAccessible. Installing it again changes nothing.
void installBoxEditorAccessible();
