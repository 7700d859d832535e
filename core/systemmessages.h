#pragma once

#include <QLocale>
#include <QString>

/// Makes the system's words for a failed file, systemReason(), come in `language` from now on, so that
/// they read as the message around them. English always can; another language needs its locale
/// (pt_BR.UTF-8, say) and the C library's translations (Debian's libc-l10n), and the environment's
/// LANGUAGE still comes first: without them the words stay in the language they were. Returns whether
/// they follow. Sets the process's LC_MESSAGES (and a UTF-8 LC_CTYPE when it has none).
bool useSystemMessagesIn(QLocale::Language language);

/// The system's words for the errno value `errorCode`, in the language of useSystemMessagesIn().
[[nodiscard]] QString systemReason(int errorCode);
