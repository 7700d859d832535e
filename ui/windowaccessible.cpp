#include "windowaccessible.h"

#include "arraygridaccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

// One factory for the whole program, so no two of them race for the same class.
QAccessibleInterface *programInterface(const QString &className, QObject *object)
{
    if (QAccessibleInterface *grid = arrayGridInterface(className, object))
        return grid;
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
    QAccessible::installFactory(programInterface);
}
