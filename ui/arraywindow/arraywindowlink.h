#pragma once

#include <QObject>

class ArrayWindow;
class MainWindowSeam;
class QAction;
class QMenu;

/// Ties the array window to the main window through its seam: F8 (with any modifier) opens it beside the
/// main window and closes it again, from either window, a disassembly's set opens it, and the main
/// window's canvas gets a context menu. The window itself follows the seam.
class ArrayWindowLink : public QObject
{
    Q_OBJECT

public:
    /// `form` owns the link.
    explicit ArrayWindowLink(MainWindowSeam *form);

    /// Opens the array window beside the main window, or closes it when it is open.
    void toggleWindow();
    /// Opens the array window beside the main window unless it is open.
    void showWindow();
    /// The array window, or nothing before it was first opened.
    [[nodiscard]] ArrayWindow *window() const { return m_window; }

    /// The canvas's context menu, filled in the language in force; the caller owns it.
    [[nodiscard]] QMenu *contextMenu();

    void copyBytes();
    void copyAsAssembler();

private:
    void placeBesideForm();

    MainWindowSeam *m_form;
    QAction *m_toggle; // F8, on both windows and in the canvas's menu; a child of the link
    ArrayWindow *m_window = nullptr; // a child window of the main window, made on first use
};
