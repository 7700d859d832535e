#pragma once

#include <QString>

#include <memory>

class Form1;
class QApplication;

/// Names the application and its version. Needs no QApplication, so --version can be answered first.
void nameTilegauge();

/// The program's QApplication. When it cannot reach a display, says so on standard error and ends the
/// process with status 1, where Qt would abort.
[[nodiscard]] std::unique_ptr<QApplication> openDisplay(int &argc, char **argv);

/// The program's start-up once its QApplication exists: ties it to the desktop entry, sets the window
/// icon, the design font and Qt's own texts in the system's language, and shows the main window in the
/// system's language. A non-empty `path` is opened once the loop runs, as a drop would open it: a file
/// as if chosen in the open dialog, a disassembly's folder or table file as its collision set. The
/// caller owns the window and runs the loop.
[[nodiscard]] std::unique_ptr<Form1> startTilegauge(const QString &path = QString());
