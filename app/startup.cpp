#include "startup.h"

#include "arraywindowlink.h"
#include "batchtexts.h"
#include "form1.h"
#include "mainwindowseam.h"
#include "systemlanguage.h"
#include "texthelpers.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

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

// Qt's texts (the file dialogs, the standard buttons) as the desktop shows them; the windows' own texts
// follow F6 instead.
void translateQt()
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(QLocale::system(), QStringLiteral("qt"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt's only fatal message while the application object is made: no platform plugin would start.
void fatalIsNoDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtMessageHandler(type, context, message);
        return;
    }
    say(batchTexts().noDisplay);
    std::fflush(stderr);
    // Half made, the application object must not be destroyed at exit.
    std::_Exit(1);
}

} // namespace

std::unique_ptr<QApplication> openDisplay(int &argc, char **argv)
{
    qtMessageHandler = qInstallMessageHandler(fatalIsNoDisplay);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    return app;
}

void nameTilegauge()
{
    QApplication::setApplicationName(QStringLiteral("Tilegauge"));
    QApplication::setApplicationVersion(VersionString());
}

std::unique_ptr<Form1> startTilegauge(const QString &path)
{
    // Ties the window to the installed desktop entry, for its icon and name in docks and task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral(TILEGAUGE_APP_ID));
    QApplication::setWindowIcon(windowIcon());
    QApplication::setFont(Form1::designFont());
    translateQt();
    auto window = std::make_unique<Form1>(GetSystemDefaultLangID());
    new ArrayWindowLink(window->seam());
    window->show();
    // By name, not through a functor: the static analyzer takes the queued functor Qt owns for a leak.
    if (!path.isEmpty())
        QMetaObject::invokeMethod(window->seam(), "enter", Qt::QueuedConnection, Q_ARG(QString, path));
    return window;
}
