#include "form1.h"
#include "systemlanguage.h"
#include "texthelpers.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDirIterator>
#include <QIcon>

#include <cstdio>

namespace {

// Every size drawn for the hicolor theme, so each place that shows the icon picks a sharp one.
QIcon windowIcon()
{
    QIcon icon;
    QDirIterator it(
        QStringLiteral(":/icons"), { QStringLiteral("*.png") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        icon.addFile(it.next());
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("Tilegauge"));
    QApplication::setApplicationVersion(VersionString());

    // --version is answered before any window system is needed. Other arguments stay ignored, as a
    // file manager or Qt itself may pass some.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(arguments);
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QApplication::applicationName()),
            qPrintable(QApplication::applicationVersion()));
        return 0;
    }

    QApplication app(argc, argv);
    // Ties the window to the installed desktop entry, for its icon and name in docks and task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral(TILEGAUGE_APP_ID));
    QApplication::setWindowIcon(windowIcon());
    QApplication::setFont(Form1::designFont());
    Form1 window(GetSystemDefaultLangID());
    window.show();
    return app.exec();
}
