#pragma once

#include <QByteArray>
#include <QStringList>

/// What the program needs to know of its surroundings to choose Qt's platform plugin.
struct PlatformSurroundings
{
    QByteArray waylandDisplay; ///< WAYLAND_DISPLAY
    QByteArray sessionType; ///< XDG_SESSION_TYPE
    QByteArray display; ///< DISPLAY
    QByteArray platform; ///< QT_QPA_PLATFORM
    QStringList arguments; ///< the command line, program name first
};

/// "xcb" when the program runs in a Wayland session that also offers X11 (XWayland) and nobody asked for a
/// platform, either by QT_QPA_PLATFORM or by -platform; otherwise empty, leaving Qt's own choice. A Wayland
/// client cannot place its windows, and the main window is centred and fixed in size, with the array
/// window standing beside it: both rely on placement.
[[nodiscard]] QByteArray preferredPlatform(const PlatformSurroundings &surroundings);

/// Reads the surroundings of this process and sets QT_QPA_PLATFORM when preferredPlatform() names one.
/// Call before the QApplication is made.
void choosePlatform(int argc, char *argv[]);
