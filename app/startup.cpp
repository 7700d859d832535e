#include "startup.h"

#include "form1.h"
#include "systemlanguage.h"
#include "texthelpers.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

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
    auto window = std::make_unique<Form1>(GetSystemDefaultLangID());
    window->show();
    if (!path.isEmpty())
        QMetaObject::invokeMethod(window.get(), "openPath", Qt::QueuedConnection, Q_ARG(QString, path));
    return window;
}
