#pragma once

#include <QString>
#include <QStringList>

class QWidget;

/// Turns the program's filter notation ("description|pattern;pattern|description|pattern") into the
/// name filters of a file dialog ("description (pattern pattern)"). A description without patterns
/// matches every file.
[[nodiscard]] QStringList ConvertFilter(const QString &filter);

/// The dialog's suffix for a default extension such as "*.bmp"; empty for "*.*" or nothing.
[[nodiscard]] QString defaultSuffix(const QString &defaultExtension);

/// Asks for a file to open, modal over `owner`. A typed path that does not exist is returned as typed.
/// Returns the empty text when the user chose nothing.
[[nodiscard]] QString ShowOpenDialog(
    QWidget *owner, const QString &title, const QString &filter, const QString &defaultExtension);

/// Asks for one or more existing files to open, modal over `owner`; none when the user chose nothing.
[[nodiscard]] QStringList showOpenFilesDialog(QWidget *owner, const QString &title, const QString &filter);

/// Asks for a file to save, modal over `owner`. An existing file is chosen without a question, and a
/// name typed without an extension gets the default one. Returns the empty text when the user chose
/// nothing.
[[nodiscard]] QString ShowSaveDialog(
    QWidget *owner, const QString &filter, const QString &defaultExtension, const QString &title);

/// As ShowSaveDialog, but the dialog asks before an existing file is replaced: for the windows beyond the
/// main one, which keep the desktop's usual care.
[[nodiscard]] QString showConfirmingSaveDialog(
    QWidget *owner, const QString &filter, const QString &defaultExtension, const QString &title);

/// Asks for a folder to write into, modal over `owner`. The name of a folder still to be made, in one
/// that exists, is returned as typed. Returns the empty text when the user chose nothing.
[[nodiscard]] QString showFolderDialog(QWidget *owner, const QString &title);
