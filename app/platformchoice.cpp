#include "platformchoice.h"

#include <QtGlobal>

QByteArray preferredPlatform(const PlatformSurroundings &surroundings)
{
    const bool wayland = !surroundings.waylandDisplay.isEmpty() || surroundings.sessionType == "wayland";
    if (!wayland || surroundings.display.isEmpty() || !surroundings.platform.isEmpty())
        return {};
    for (const QString &argument : surroundings.arguments.mid(1)) {
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform")
            || argument.startsWith(QLatin1String("-platform=")) || argument.startsWith(QLatin1String("--platform=")))
            return {};
    }
    return QByteArrayLiteral("xcb");
}

void choosePlatform(int argc, char *argv[])
{
    PlatformSurroundings surroundings { qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"),
        qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"), {} };
    for (int i = 0; i < argc; ++i)
        surroundings.arguments.append(QString::fromLocal8Bit(argv[i]));
    const QByteArray platform = preferredPlatform(surroundings);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
