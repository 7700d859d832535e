#pragma once

#include <QLocale>
#include <QString>

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
    QString overInput; ///< %1 the path
    QString badSheetName; ///< %1 the path
    QString uncheckedAngles; ///< %1 the game, %2 the angle map's offset
    QString nothingFound; ///< %1 the path
    QString scanning; ///< %1 the path, %2 the percentage
    QString tryHelp;
    QString oneWindowFile; ///< %1 the count given
    QString notLocal; ///< %1 the argument
    QString noDisplay;

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
    QString gameHelp;
    QString secondaryHelp;
    QString arrayHelp;
    QString anglesHelp;
};

/// The texts in the language the window would start in: Portuguese on a Portuguese system, else English.
[[nodiscard]] const BatchTexts &batchTexts();

/// "tilegauge: " and `message` on standard error: the one style of every message of the command line.
void say(const QString &message);

/// say(), then the hint to --help: for a mistake in the arguments themselves. Returns 2, the exit status
/// of a usage error.
int usageError(const QString &message);
