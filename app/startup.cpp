#include "startup.h"

#include "form1.h"
#include "systemlanguage.h"

#include <QApplication>

std::unique_ptr<Form1> startTilegauge()
{
    QApplication::setApplicationName(QStringLiteral("Tilegauge"));
    QApplication::setFont(Form1::designFont());
    auto window = std::make_unique<Form1>(GetSystemDefaultLangID());
    window->show();
    return window;
}
