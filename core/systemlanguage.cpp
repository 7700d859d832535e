#include "systemlanguage.h"

#include <QLocale>

#include <unicode/uloc.h>

quint16 langIdFromLocaleName(const QString &localeName)
{
    // ICU maps "pt_BR" to 0x0416 but "pt-BR" or "pt_BR.UTF-8" to the neutral 0x0016, so hand it
    // exactly the language_TERRITORY form Qt gives.
    const QByteArray name = localeName.toLatin1();
    return quint16(uloc_getLCID(name.constData()) & 0xFFFF);
}

quint16 GetSystemDefaultLangID()
{
    return langIdFromLocaleName(QLocale::system().name());
}
