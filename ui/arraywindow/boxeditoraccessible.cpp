#include "boxeditoraccessible.h"

#include "boxeditor.h"
#include "texthelpers.h"

#include <QWidget>

QAccessibleInterface *BoxEditorAccessible::childAt(int x, int y) const
{
    const QPoint point = owner()->mapFromGlobal(QPoint(x, y));
    return owner()->rect().contains(point) ? child(point.x() / BoxEditor::kCellPixels) : nullptr;
}

QAccessibleInterface *BoxEditorAccessible::focusChild() const
{
    return owner()->hasFocus() ? child(owner()->column()) : nullptr;
}

BoxColumnAccessible::BoxColumnAccessible(BoxEditor *editor, int column)
    : m_editor(editor)
    , m_column(column)
{
}

QWindow *BoxColumnAccessible::window() const
{
    return m_editor ? m_editor->window()->windowHandle() : nullptr;
}

QAccessibleInterface *BoxColumnAccessible::parent() const
{
    return m_editor ? QAccessible::queryAccessibleInterface(m_editor.data()) : nullptr;
}

QString BoxColumnAccessible::text(QAccessible::Text t) const
{
    if (!m_editor)
        return {};
    switch (t) {
    case QAccessible::Name:
        return m_editor->columnName(m_column);
    case QAccessible::Value:
        return hexByte(m_editor->heights()[size_t(m_column)]);
    default:
        return {};
    }
}

QRect BoxColumnAccessible::rect() const
{
    if (!m_editor)
        return {};
    const QRect place = BoxEditor::columnRect(m_column);
    return QRect(m_editor->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::State BoxColumnAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    if (!m_editor) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_editor->isVisible();
    state.selected = m_editor->column() == m_column;
    state.focused = state.selected && m_editor->hasFocus();
    return state;
}

void *BoxColumnAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
}

QVariant BoxColumnAccessible::currentValue() const
{
    return m_editor ? QVariant(int(m_editor->heights()[size_t(m_column)])) : QVariant();
}

void BoxColumnAccessible::setCurrentValue(const QVariant &value)
{
    bool ok = false;
    const int byte = value.toInt(&ok);
    if (m_editor && ok && byte >= 0 && byte <= 255)
        m_editor->requestColumn(m_column, quint8(byte));
}

namespace {

QAccessibleInterface *boxEditorInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("BoxEditor") || !object || !object->isWidgetType())
        return nullptr;
    return new BoxEditorAccessible(static_cast<BoxEditor *>(object));
}

} // namespace

void installBoxEditorAccessible()
{
    QAccessible::installFactory(boxEditorInterface);
}
