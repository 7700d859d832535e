#pragma once

#include <QObject>

class MainWindowSeam;

/// The main window's keypad step (+ and - of the keypad) in another window: the key that nothing in that
/// window took steps the main window's box. A text field keeps its own "+" and "-".
///
/// A filter on the window rather than a shortcut: X11 hands the keypad's keys to shortcuts without the
/// keypad modifier, so a keypad shortcut never fires there.
class KeypadStep : public QObject
{
    Q_OBJECT

public:
    /// Steps the box of `form`, which outlives `window`, for keys that reach `window`.
    KeypadStep(MainWindowSeam *form, QObject *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    MainWindowSeam *m_form;
};
