#include "arraygridaccessible.h"

#include "arraygrid.h"
#include "boxaddressing.h"

#include <QWidget>

int ArrayGridAccessible::childCount() const
{
    return owner()->hasArray() ? kBoxCount : 0;
}

QAccessibleInterface *ArrayGridAccessible::childAt(int x, int y) const
{
    const int box = owner()->boxAt(owner()->mapFromGlobal(QPoint(x, y)));
    return box >= 0 ? child(box) : nullptr;
}

QAccessibleInterface *ArrayGridAccessible::focusChild() const
{
    return owner()->hasFocus() ? child(owner()->current()) : nullptr;
}

ArrayBoxAccessible::ArrayBoxAccessible(ArrayGrid *grid, int box)
    : m_grid(grid)
    , m_box(box)
{
}

bool ArrayBoxAccessible::isValid() const
{
    return m_grid && m_grid->hasArray();
}

QWindow *ArrayBoxAccessible::window() const
{
    return m_grid ? m_grid->window()->windowHandle() : nullptr;
}

QAccessibleInterface *ArrayBoxAccessible::parent() const
{
    return m_grid ? QAccessible::queryAccessibleInterface(m_grid.data()) : nullptr;
}

QString ArrayBoxAccessible::text(QAccessible::Text t) const
{
    if (!m_grid)
        return {};
    switch (t) {
    case QAccessible::Name:
        return indexText(m_box);
    case QAccessible::Description:
        return m_grid->boxDescription(m_box);
    default:
        return {};
    }
}

QRect ArrayBoxAccessible::rect() const
{
    if (!m_grid)
        return {};
    const QRect place = m_grid->boxRect(m_box);
    return QRect(m_grid->mapToGlobal(place.topLeft()), place.size());
}

QAccessible::State ArrayBoxAccessible::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    if (!m_grid || !m_grid->hasArray()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !m_grid->isVisible();
    const bool shown = m_grid->current() == m_box;
    state.selected = shown;
    // Only where the keyboard really is, or a reader would follow the outline away from another control.
    state.focused = shown && m_grid->hasFocus();
    return state;
}

void *ArrayBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList ArrayBoxAccessible::actionNames() const
{
    return { pressAction(), setFocusAction() };
}

void ArrayBoxAccessible::doAction(const QString &actionName)
{
    if (!m_grid || !m_grid->hasArray())
        return;
    if (actionName == setFocusAction())
        m_grid->setFocus(Qt::OtherFocusReason);
    if (actionName == pressAction() || actionName == setFocusAction())
        emit m_grid->boxChosen(m_box);
}

namespace {

QAccessibleInterface *arrayGridInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("ArrayGrid") || !object || !object->isWidgetType())
        return nullptr;
    return new ArrayGridAccessible(static_cast<ArrayGrid *>(object));
}

} // namespace

void installArrayGridAccessible()
{
    QAccessible::installFactory(arrayGridInterface);
}
