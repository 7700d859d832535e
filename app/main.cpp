#include "form1.h"
#include "systemlanguage.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilegauge"));
    QApplication::setFont(Form1::designFont());
    Form1 window(GetSystemDefaultLangID());
    window.show();
    return QApplication::exec();
}
