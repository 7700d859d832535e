#pragma once

#include "languagetable.h"

#include <QString>
#include <QStringList>

/// Every text of the array window, its menus and its tooltips, in the language the main window is in.
/// "&" marks an access key.
struct ArrayWindowTexts
{
    QString title; ///< with the desktop's mark of unsaved changes, [*]
    QString gridName;
    /// %1 is the box index, %2 its 16 bytes, %3 its angle.
    QString boxDescription;
    QString noFile;
    /// %1 the box index, %2 its file offset, %3 its 16 bytes, %4 its angle.
    QString readout;
    QString flagged;
    QString noAngleMap;
    /// Under the heights in the readout, a line of its own so the smallest grid holds it: %1 the width
    /// box's 16 bytes.
    QString widthBox;
    QString noWidthArray;
    /// %1 the kinds of check the box fails, from checkKinds; the zones' words follow on the same line.
    QString failsCheck;
    QStringList checkKinds; ///< width, height, angle
    /// %1 the zones and their counts.
    QString zonesUsing;
    QString noZoneUses;
    QString zoneIndexes;
    QString zoneIndexesTip;
    QString zoneIndexFilter;
    /// %1 the array's offset in hexadecimal.
    QString pastEnd;
    QString arrayStart;
    QString arrayStartTip;
    QString angleStart;
    QString angleStartTip;
    /// %1 the text typed in place of an offset.
    QString badOffset;
    /// %1 the last array start the main window can hold.
    QString beyondMainWindow;
    QString showAngles;
    QString showAnglesTip;
    QString findTables;
    QString findTablesTip;
    QString cancel;
    QString candidatesName;
    /// %1 offset, %2 score, %3 loads, %4 the rest of the evidence.
    QString candidate;
    QString angleMapLoaded;
    QString rotatedLoaded;
    QString wholeFile;
    QString noCandidates;
    QString searchCancelled;
    /// %1 the score; the table search's hint follows.
    QString lowScore;
    QString findTablesHint;
    /// In place of the hint once a search of the file found nothing.
    QString foundNoTables;
    QString saveSheet;
    QString saveSheetTip;
    QString canvasLook;
    QString compactLook;
    QString copyBox;
    QString copyBoxTip;
    QString copyArray;
    QString copyArrayTip;
    QString formatHex;
    QString formatAsm;
    QString formatC;
    QString formatJson;
    QString sheetFilter;
    QString MsgSheetFailed;
    QString sheetNameRefused;
    // The main window's context menu.
    QString showAllBoxes;
    QString saveBitmap;
    QString copyBytes;
    QString copyAsm;
};

[[nodiscard]] const ArrayWindowTexts &arrayWindowTexts(Language language);
