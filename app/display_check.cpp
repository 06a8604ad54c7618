#include "app/display_check.h"

#include <QByteArray>
#include <QtGlobal>

#include <xcb/xcb.h>

bool displayReachable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) {
        return true;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    // Without an X server Qt may still pick Wayland when nothing names a platform.
    return reached || (platform.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
}
