#pragma once

#include <QObject>

class ArrayWindow;
class Form1;
class QMenu;
class QPoint;

/// Ties the array window to the main window: F8 (with any modifier) opens it beside the main window
/// and closes it again, the canvas gets a context menu, and the window follows the main window's box,
/// array, file and language. The main window itself only creates this link.
class ArrayWindowLink : public QObject
{
    Q_OBJECT

public:
    /// `form` owns the link.
    explicit ArrayWindowLink(Form1 *form);

    /// Opens the array window beside the main window, or closes it when it is open.
    void toggleWindow();
    /// The array window, or nothing before it was first opened.
    [[nodiscard]] ArrayWindow *window() const { return m_window; }

    /// The canvas's context menu, filled in the language in force; the caller owns it.
    [[nodiscard]] QMenu *contextMenu();

    void copyBytes();
    void copyAsAssembler();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeBesideForm();

    Form1 *m_form;
    ArrayWindow *m_window = nullptr; // a child window of the form, made on first use
};
