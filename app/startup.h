#pragma once

#include <memory>

class Form1;

/// The program's start-up once its QApplication exists: names the application, sets the design font
/// and shows the main window in the system's language. The caller owns the window and runs the loop.
[[nodiscard]] std::unique_ptr<Form1> startTilegauge();
