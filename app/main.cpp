#include "batchcommands.h"
#include "commandline.h"
#include "form1.h"
#include "platformchoice.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    nameTilegauge();

    // Everything that needs no window is settled before QApplication asks for a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine commandLine;
    addBatchOptions(commandLine.parser());
    if (!commandLine.parse(arguments))
        return 2;
    if (commandLine.answeredHelpOrVersion())
        return 0;
    if (wantsBatchCommand(commandLine.parser()))
        return runBatchCommand(commandLine.parser());
    const std::optional<QString> path = commandLine.windowPath();
    if (!path)
        return 2;

    choosePlatform(argc, argv);
    const std::unique_ptr<QApplication> app = openDisplay(argc, argv);
    const std::unique_ptr<Form1> window = startTilegauge(*path);
    return QApplication::exec();
}
