#include "commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace {

// Qt's own options, which QApplication takes out of argv itself; known here only so they are not
// refused. Those with a value, then those without.
constexpr const char *kQtValueOptions[] = { "platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "name", "title",
    "visual", "style", "stylesheet", "qmljsdebugger" };
constexpr const char *kQtFlagOptions[] = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

void writeErr(const QString &text)
{
    std::fputs(qPrintable(text), stderr);
}

} // namespace

CommandLine::CommandLine()
    : m_help(QStringList { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show this help."))
    , m_version(QStringList { QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Show the version."))
{
    m_parser.setApplicationDescription(QStringLiteral(
        "Shows the terrain collision boxes of a 16-bit platform game's ROM image or level file."));
    // Qt writes its own options with one dash.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    for (const char *name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const char *name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    m_parser.addPositionalArgument(QStringLiteral("FILE"),
        QStringLiteral("A ROM image or level file to open, as a path or a file:// URL."), QStringLiteral("[FILE]"));
}

bool CommandLine::parse(const QStringList &arguments)
{
    if (m_parser.parse(arguments))
        return true;
    usageError(m_parser.errorText());
    return false;
}

bool CommandLine::answeredHelpOrVersion() const
{
    if (m_parser.isSet(m_help)) {
        std::fputs(qPrintable(m_parser.helpText()), stdout);
        return true;
    }
    if (m_parser.isSet(m_version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return true;
    }
    return false;
}

std::optional<QString> CommandLine::windowPath() const
{
    const QStringList paths = m_parser.positionalArguments();
    if (paths.isEmpty())
        return QString();
    if (paths.size() > 1) {
        usageError(QStringLiteral("one file at most, %1 given").arg(paths.size()));
        return std::nullopt;
    }
    const QString path = localPath(paths.first());
    if (path.isEmpty()) {
        usageError(QStringLiteral("not a local file: %1").arg(paths.first()));
        return std::nullopt;
    }
    return path;
}

void CommandLine::usageError(const QString &message) const
{
    const QString program = QCoreApplication::applicationName().toLower();
    writeErr(QStringLiteral("%1: %2\nUsage: %1 [FILE]\nTry '%1 --help' for more information.\n")
                 .arg(program, message));
}

QString CommandLine::localPath(const QString &argument)
{
    if (argument.isEmpty())
        return {};
    // What desktops pass for %u.
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        return url.isLocalFile() ? QDir::cleanPath(url.toLocalFile()) : QString();
    }
    if (argument.contains(QLatin1String("://")))
        return {};
    return QFileInfo(argument).absoluteFilePath();
}
