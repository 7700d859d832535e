#include "systemmessages.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace {

// Whether `name` ("" for the environment's) sets LC_MESSAGES to a locale of `language`.
bool setMessagesLocale(const QByteArray &name, QLocale::Language language)
{
    const char *set = std::setlocale(LC_MESSAGES, name.constData());
    return set && QLocale(QString::fromLatin1(set).section(QLatin1Char('.'), 0, 0)).language() == language;
}

} // namespace

bool useSystemMessagesIn(QLocale::Language language)
{
    // The C library converts its translations to LC_CTYPE's encoding, and Qt reads them as UTF-8.
    if (qstricmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
    // Its own words are English: the C locale needs nothing installed and ignores LANGUAGE.
    if (language == QLocale::English)
        return std::setlocale(LC_MESSAGES, "C") != nullptr;
    const QByteArray before = std::setlocale(LC_MESSAGES, nullptr);
    // The environment's own locale first: when it speaks the language, it is surely installed.
    if (setMessagesLocale("", language))
        return true;
    const QList<QLocale> locales = QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        if (setMessagesLocale(locale.name().toLatin1() + ".UTF-8", language))
            return true;
    }
    std::setlocale(LC_MESSAGES, before.constData());
    return false;
}

QString systemReason(int errorCode)
{
    return QString::fromLocal8Bit(std::strerror(errorCode));
}
