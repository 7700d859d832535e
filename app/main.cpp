#include "batchcommands.h"
#include "form1.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    nameTilegauge();

    // --version and the batch commands are answered before any window system is needed. Other arguments
    // stay ignored, as a file manager or Qt itself may pass some.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption version = parser.addVersionOption();
    addBatchOptions(parser);
    parser.parse(arguments);
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QApplication::applicationName()),
            qPrintable(QApplication::applicationVersion()));
        return 0;
    }
    if (wantsBatchCommand(parser))
        return runBatchCommand(parser);

    QApplication app(argc, argv);
    const std::unique_ptr<Form1> window = startTilegauge();
    return QApplication::exec();
}
