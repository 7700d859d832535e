#pragma once

#include <QPalette>
#include <QString>

class QLabel;
class QLineEdit;
class QRadioButton;
class QRect;
class QWidget;

/// The main window's kinds of control, each made as the design draws it. Every control is a child of
/// `parent`, which owns it, and has `name` as its objectName.
namespace controlfactory {

/// A caption as a label shows it: the design writes "&&" for one "&" in a label without a buddy.
[[nodiscard]] QString labelText(const char *caption);

[[nodiscard]] QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry);

/// A read-only text box whose background is the palette's `background` colour.
[[nodiscard]] QLineEdit *makeTextBox(
    QWidget *parent, const char *name, const QRect &geometry, QPalette::ColorRole background);

[[nodiscard]] QRadioButton *makeOption(
    QWidget *parent, const char *name, const QString &text, const QRect &geometry);

/// Masks out of each direct child label of `window` the pixels that a direct child text box covers.
void maskCaptionsUnderTextBoxes(QWidget *window);

} // namespace controlfactory
