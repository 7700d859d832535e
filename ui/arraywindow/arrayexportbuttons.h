#pragma once

#include "arrayformats.h"
#include "arraysheet.h"
#include "languagetable.h"

#include <QWidget>

#include <functional>

class QMenu;
class QToolButton;

/// "Save sheet...", "Copy box" and "Copy array" of the array window, each with a menu of the other
/// looks or formats. The clipboard gets plain text.
class ArrayExportButtons : public QWidget
{
    Q_OBJECT

public:
    /// `array` gives the array on display (or nothing), `box` the box on display, `inputs` the files the
    /// window reads, which no export may replace.
    ArrayExportButtons(QWidget *parent, std::function<const CollisionArray *()> array, std::function<int()> box,
        std::function<QStringList()> inputs);

    void applyLanguage(Language language);

    void saveSheet(SheetLook look);
    void copyBox(ArrayFormat format);
    void copyArray(ArrayFormat format);

private:
    void fillFormats(QMenu *menu, void (ArrayExportButtons::*copy)(ArrayFormat));

    std::function<const CollisionArray *()> m_array;
    std::function<int()> m_box;
    std::function<QStringList()> m_inputs;
    Language m_language = Language::English;

    // Children of this widget, owned by Qt.
    QToolButton *m_saveSheet;
    QToolButton *m_copyBox;
    QToolButton *m_copyArray;
};
