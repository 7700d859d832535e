#pragma once

#include <QString>

/// The Windows language id (LCID, 16 bits) of a locale name in Qt's form ("pt_BR"), or 0 when ICU
/// knows none for it.
[[nodiscard]] quint16 langIdFromLocaleName(const QString &localeName);

/// The language id of the system's default locale as this process sees it (QLocale::system()).
[[nodiscard]] quint16 GetSystemDefaultLangID();
