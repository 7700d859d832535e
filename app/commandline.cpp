#include "commandline.h"

#include "batchtexts.h"
#include "controlfactory.h"
#include "gamecatalogue.h"

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

// As GNU programs say it; help2man makes the manual's COPYRIGHT section of it.
constexpr const char *kCopyright = "Copyright (C) 2026 Tilegauge developers\n"
                                   "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                                   "This is free software: you are free to change and redistribute it.\n"
                                   "There is NO WARRANTY, to the extent permitted by law.\n";

QString helpText(const QCommandLineParser &parser)
{
    const BatchTexts &t = batchTexts();
    QString text = parser.helpText();
    // Parsed before any application object exists, the program is "<executable_name>" to Qt.
    const qsizetype name = text.indexOf(QLatin1Char(' ')) + 1;
    text.replace(name, text.indexOf(QLatin1Char(' '), name) - name, QStringLiteral("tilegauge"));
    text += QLatin1Char('\n') + t.gamesHeading + QLatin1Char('\n');
    for (const GameRow &row : GameCatalogue)
        text += QStringLiteral("  %1  %2\n").arg(row.gameId).arg(controlfactory::labelText(row.label));
    return text + QLatin1Char('\n') + t.exitStatuses + QLatin1Char('\n') + t.seeManual + QLatin1Char('\n');
}

} // namespace

CommandLine::CommandLine()
    : m_help(QStringList { QStringLiteral("h"), QStringLiteral("help") }, batchTexts().helpHelp)
    , m_version(QStringList { QStringLiteral("v"), QStringLiteral("version") }, batchTexts().versionHelp)
{
    m_parser.setApplicationDescription(batchTexts().description);
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
    m_parser.addPositionalArgument(QStringLiteral("FILE"), batchTexts().fileHelp, QStringLiteral("[FILE]"));
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
        std::fputs(qPrintable(helpText(m_parser)), stdout);
        return true;
    }
    if (m_parser.isSet(m_version)) {
        std::printf("%s %s\n%s", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()), kCopyright);
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
        usageError(batchTexts().oneWindowFile.arg(paths.size()));
        return std::nullopt;
    }
    const QString path = localPath(paths.first());
    if (path.isEmpty()) {
        usageError(batchTexts().notLocal.arg(paths.first()));
        return std::nullopt;
    }
    return path;
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
