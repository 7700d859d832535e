#include "windowaccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// Each window's room installs the factory for its own classes, so no two of them answer for one class.
QAccessibleInterface *mainWindowInterface(const QString &className, QObject *object)
{
    if (className != QLatin1String("Form1") || !object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (!widget->isWindow())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installWindowAccessible()
{
    QAccessible::installFactory(mainWindowInterface);
}
