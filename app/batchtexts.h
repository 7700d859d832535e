#pragma once

#include "filehandle.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <array>

/// What the command line says on standard error and in --help, in one language. "%1" and "%2" are
/// filled in where a text names an option, a value or a path.
struct BatchTexts
{
    QLocale::Language language;
    QString readFailed; ///< the window's own lead for a failed read
    QString writeFailed;
    QString oneCommand;
    QString needsOneFile; ///< %1 the command
    QString needsTwoFiles;
    QString goesOnlyWith; ///< %1 the option, %2 the command it belongs to
    QString badFormat; ///< %1 the value
    QString badLook;
    QString badGame;
    QString badOffset; ///< %1 the option, %2 the value
    QString noSecondary; ///< %1 the game
    QString unrecognized; ///< %1 the path
    QString overInput; ///< %1 the input file the output would replace
    QString badSheetName; ///< %1 the path
    QString uncheckedAngles; ///< %1 the game, %2 the angle map's offset
    QString nothingFound; ///< %1 the path
    QString scanning; ///< %1 the path, %2 the percentage
    QString tryHelp;
    QString oneWindowFile; ///< %1 the count given
    QString notLocal; ///< %1 the argument
    QString noDisplay;
    QString ambiguous; ///< %1 the folder, %2 the count of sets, %3 their heights files
    QString missingTable; ///< %1 the set's heights file, %2 the table's name
    QString pastEnd; ///< %1 the file, %2 the table's name, %3 its offset
    std::array<QString, 3> tableNames; ///< in TableKind's order: the angle map, the heights, the widths
    QString checkClean; ///< %1 the heights file, %2 the count of boxes
    QString checkFound; ///< %1 the heights file, %2 the count of boxes, %3 of findings
    QString importFailed; ///< the lead for a source that could not be imported
    QString copyFailed; ///< the lead for a copy that could not be written
    QString needsOutput;
    QString bothChecksums;
    QString badSet; ///< %1 the value
    QString badSetAngle; ///< %1 the value
    QString noChecksum; ///< %1 the path

    QString description;
    QString helpHelp;
    QString versionHelp;
    QString fileHelp;
    QString gamesHeading;
    QString exitStatuses; ///< lines under 80 columns, as the rest of --help
    QString seeManual;

    QString dumpHelp;
    QString formatHelp;
    QString sheetHelp;
    QString lookHelp;
    QString findHelp;
    QString diffHelp;
    QString checkHelp;
    QString indexHelp;
    QString gameHelp;
    QString secondaryHelp;
    QString arrayHelp;
    QString anglesHelp;
    QString importHelp;
    QString setHelp;
    QString setAngleHelp;
    QString deriveWidthsHelp;
    QString fixChecksumHelp;
    QString keepChecksumHelp;
    QString outputHelp;
};

/// The texts in the language the window would start in: Portuguese on a Portuguese system, else English.
[[nodiscard]] const BatchTexts &batchTexts();

/// "tilegauge: " and `message` on standard error: the one style of every message of the command line.
void say(const QString &message);

/// say(), then the hint to --help: for a mistake in the arguments themselves. Returns 2, the exit status
/// of a usage error.
int usageError(const QString &message);

/// say() for what was found in the files, not in the arguments: no hint to --help, but a usage error all
/// the same. Returns 2.
int refused(const QString &message);

/// say() of the failure line: `lead`, the path and the reason. Returns 1, the exit status of a file that
/// could not be read or written.
int fileFailed(const QString &lead, const FileFailure &failure);

/// `bytes` on standard output as they are.
void writeOut(const QByteArray &bytes);
