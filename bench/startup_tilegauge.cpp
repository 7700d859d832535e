// The program's own start-up, ending at its first idle moment; see startup_bare.cpp for its yardstick.

#include "form1.h"
#include "quitatidle.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    nameTilegauge();
    QApplication app(argc, argv);
    const std::unique_ptr<Form1> window = startTilegauge();
    quitAtIdle(window.get());
    return QApplication::exec();
}
