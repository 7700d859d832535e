#pragma once

#include <QString>

/// What the batch commands say on standard error and in --help, in one language. "%1" and "%2" are
/// filled in where a text names an option, a value or a path.
struct BatchTexts
{
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
