// Raw X11 properties of a utility window, through the application's xcb connection.
#include "reference/x11_window_hints.h"

#include <QGuiApplication>
#include <QWidget>

#if VARELUX_HAVE_XCB
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#endif

namespace varelux {

// Qt sets the type only from the window flags when it creates the native window, and merges the
// states it sets itself into _NET_WM_STATE when it maps the window; so all of this goes in
// between. Window managers such as openbox treat a utility window in the group as owned by the
// whole group and keep it above the main window; outside the group nothing ties it to the main
// window.
void setX11UtilityWindowHints(QWidget *window)
{
#if VARELUX_HAVE_XCB
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    // The atoms are interned once per run, all five requests sent before the first reply.
    enum { Utility, Normal, WindowType, State, SkipTaskbar, AtomCount };
    static const std::array<xcb_atom_t, AtomCount> atoms = [connection] {
        static constexpr const char *kNames[AtomCount] = {
            "_NET_WM_WINDOW_TYPE_UTILITY", "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE",
            "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"};
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (std::size_t i = 0; i < cookies.size(); ++i)
            cookies[i] = xcb_intern_atom(connection, 0,
                                         static_cast<uint16_t>(std::strlen(kNames[i])), kNames[i]);
        std::array<xcb_atom_t, AtomCount> found{};
        for (std::size_t i = 0; i < found.size(); ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
            found[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return found;
    }();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t types[] = {atoms[Utility], atoms[Normal]};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atoms[WindowType], XCB_ATOM_ATOM, 32,
                        2, types);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, atoms[State], XCB_ATOM_ATOM, 32, 1,
                        &atoms[SkipTaskbar]);

    // WM_HINTS: nine 32-bit fields, the flags first and the window group last.
    constexpr uint32_t kWindowGroupHint = 1u << 6;
    const auto cookie =
        xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32 && xcb_get_property_value_length(reply) == 9 * 4) {
            uint32_t hints[9];
            std::memcpy(hints, xcb_get_property_value(reply), sizeof hints);
            hints[0] &= ~kWindowGroupHint;
            hints[8] = 0;
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS,
                                XCB_ATOM_WM_HINTS, 32, 9, hints);
        }
        std::free(reply);
    }
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

} // namespace varelux
