#pragma once

#include "shownset.h"

#include <QObject>

#include <optional>

class ArrayGrid;
class EditorPanel;
class MainWindowSeam;
class QWidget;

/// Ties the box editor to the array window and the main window: the editor takes each set the window
/// shows and the main window's box, the grid and the window follow its edits, and nothing unsaved is
/// dropped without a question (closing either window, opening another file, another array).
///
/// The main window keeps showing the files as they are on disk; the array window shows the set as
/// edited.
class EditorLink : public QObject
{
    Q_OBJECT

public:
    /// `window` holds `shown`, `grid` and `panel`, and owns the link; `form` outlives it.
    EditorLink(MainWindowSeam *form, QWidget *window, std::optional<ShownSet> &shown, ArrayGrid *grid,
        EditorPanel *panel);

    /// The window read the set again into `shown` (or failed to): keeps the editing session when that
    /// set is the one being edited, our own save come back or changes still unsaved; else starts anew.
    void setShown();
    /// Shows the main window's box in the editor.
    void followBox();
    /// Asks Save, Discard or Cancel when changes are unsaved; false on Cancel. Discarded changes are
    /// dropped at once and the set read again.
    bool mayDiscardChanges();

signals:
    /// Box `box` changed in the set shown: its marks and words are to be shown again.
    void boxEdited(int box);
    /// The set is to be read from disk again.
    void readAgain();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeEdit(int box);
    void showUnsaved();

    MainWindowSeam *m_form;
    QWidget *m_window;
    std::optional<ShownSet> &m_shown;
    ArrayGrid *m_grid;
    EditorPanel *m_panel;
};
