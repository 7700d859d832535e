#include "texthelpers.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tilegauge ") + VersionString());
    window.resize(473, 307);
    window.show();
    return app.exec();
}
