#include "session/session.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

void allowOnlyMoving(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection) {
        return; // offscreen, for one, offers an X11 interface without a connection
    }
    const char* name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!atom) {
        return;
    }
    enum : std::uint32_t { functionsGiven = 1, decorationsGiven = 2, moveOnly = 4, noFrame = 0 };
    const std::uint32_t hints[5] = {functionsGiven | decorationsGiven, moveOnly, noFrame, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), atom->atom, atom->atom, 32, 5,
                        hints);
    std::free(atom);
}
