// The platform plugin's name tells the window system.
#include "common/platform.h"

#include <QGuiApplication>

namespace varelux::ui {

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool onWayland()
{
    // "wayland", "wayland-egl" and the like: every Wayland platform plugin's name starts so.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace varelux::ui
