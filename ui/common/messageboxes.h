#pragma once

#include "languagetable.h"

#include <QString>

class QWidget;

/// The answers a message box can give.
enum class Answer
{
    Yes,
    No,
    Abort,
    Retry,
    Ignore,
    Ok,
    Save,
    Discard,
    Cancel
};

enum class BoxIcon
{
    None,
    Question,
    Critical
};

/// The modal message boxes of the program, captioned "Tilegauge", with buttons captioned in
/// `language` so the words of a message name the buttons the user sees. Each button has an access
/// key and an objectName equal to its Answer's name ("Yes", "Abort", ...).
namespace messageboxes {

inline constexpr auto kCaption = "Tilegauge";

/// Yes and No; Yes is the default, Escape answers No.
Answer askYesNo(QWidget *parent, Language language, const QString &text, BoxIcon icon);

/// Abort, Retry and Ignore with the critical icon; Abort is the default and Escape answers Abort.
Answer askAbortRetryIgnore(QWidget *parent, Language language, const QString &text);

/// Save, Discard and Cancel, before something would drop unsaved changes; Save is the default and Escape
/// answers Cancel.
Answer askSaveDiscardCancel(QWidget *parent, Language language, const QString &text);

/// Save and Cancel, before a file is written; Save is the default and Escape answers Cancel.
Answer askSaveCancel(QWidget *parent, Language language, const QString &text);

/// OK alone.
void inform(QWidget *parent, Language language, const QString &text, BoxIcon icon = BoxIcon::None);

} // namespace messageboxes
