#pragma once

#include "languagetable.h"

#include <QString>

/// Every text of the box editor and its controls, in the language the main window is in. "&" marks an
/// access key.
struct EditorTexts
{
    QString editorName;
    QString editorTip;
    /// %1 the column, 0..15.
    QString columnName;
    QString bytes;
    QString bytesTip;
    QString angle;
    QString angleTip;
    QString noAngleMap;
    QString flagged;
    QString flaggedTip;
    QString floor;
    QString ceiling;
    QString mirrorLeftRight;
    QString mirrorUpDown;
    QString copyBox;
    QString pasteBox;
    QString revertBox;
    QString undo;
    QString redo;
    QString save;
    QString saveAs;
    /// %1 the text typed.
    QString badBytes;
    QString badAngle;
    QString noBoxToPaste;
    /// %1 how many boxes the clipboard holds.
    QString severalBoxes;
    /// %1 the file (or the folder's files).
    QString changedOnDisk;
    /// %1 the file.
    QString goneFromDisk;
    /// %1 the file.
    QString cannotSaveGone;
    /// %1 the file, %2 the boxes, %3 what happens to the checksum.
    QString firstSave;
    QString checksumFixed;
    QString checksumKept;
    /// %1 the file.
    QString overwriteChanged;
    /// %1 the box.
    QString keepChange;
    /// %1 the boxes.
    QString keepChanges;
    QString saveFailed;
    QString imageFilter;
};

[[nodiscard]] const EditorTexts &editorTexts(Language language);
