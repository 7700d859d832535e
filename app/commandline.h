#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

/// The program's command line, read before any Qt application object exists so that --help, --version,
/// usage errors and commands that need no window never need a display.
///
/// Knows --help, --version, Qt's own options (-platform, -style, ...; left in argv for QApplication) and
/// the positional FILE. Other modules add their options to parser() before parse().
class CommandLine
{
public:
    CommandLine();

    [[nodiscard]] QCommandLineParser &parser() { return m_parser; }
    [[nodiscard]] const QCommandLineParser &parser() const { return m_parser; }

    /// Parses `arguments` (argv, program name first). On an unknown option or a missing value, writes
    /// the reason and the hint to --help on standard error and returns false: exit with status 2.
    [[nodiscard]] bool parse(const QStringList &arguments);

    /// Answers --help or --version on standard output; false when neither was given. The help names the
    /// program "tilegauge" whatever path started it, and ends with the games --game takes, the exit
    /// statuses and the manual: the manual page and the shell completion are made from it.
    [[nodiscard]] bool answeredHelpOrVersion() const;

    /// The file the window should open: empty when none was given, the absolute path of a path or a
    /// file:// URL otherwise. Nothing (after a message on standard error: exit with status 2) for more
    /// than one path or a URL of another kind.
    [[nodiscard]] std::optional<QString> windowPath() const;

    /// The absolute local path `argument` names: a path taken against the current folder, or a
    /// file:// URL. Empty for a URL of any other scheme.
    [[nodiscard]] static QString localPath(const QString &argument);

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};
