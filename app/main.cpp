#include "form1.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<Form1> window = startTilegauge();
    return app.exec();
}
