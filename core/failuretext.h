#pragma once

#include "filehandle.h"

#include <QString>

/// A failure as a message box says it: the lead text, the path and the system's reason on lines of
/// their own.
[[nodiscard]] QString failureText(const QString &lead, const QString &path, const QString &reason);

/// A failure on one line, where a window's line or list or the command line says it: "lead path: reason".
[[nodiscard]] QString failureLine(const QString &lead, const FileFailure &failure);
