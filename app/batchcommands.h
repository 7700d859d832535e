#pragma once

class QCommandLineParser;

/// The commands that work on a whole array without a window: --dump, --sheet, --find, --diff, --check
/// and the changes (changecommands.h), and the options that choose the array (--game, --secondary,
/// --array, --angles) and the output (--format, --look). They need no QApplication and no display.
void addBatchOptions(QCommandLineParser &parser);

/// True when the parsed arguments ask for one of the commands (or for more, which is a usage error).
[[nodiscard]] bool wantsBatchCommand(const QCommandLineParser &parser);

/// Runs the command the parsed arguments ask for. Results go to standard output, messages to standard
/// error. Returns the exit status: 0 done, 1 a file could not be read or written, 2 a usage error; for
/// --diff, as diff does, 0 the same, 1 different, 2 trouble.
[[nodiscard]] int runBatchCommand(const QCommandLineParser &parser);
