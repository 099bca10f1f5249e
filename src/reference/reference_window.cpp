// The reference-window frame, its close clicks, and the opening rule.
#include "reference/reference_window.h"

#include "common/window_look.h"
#include "reference/reference_designs.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>

#if VARELUX_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

#include <array>

namespace varelux {

namespace {

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// A fixed tool-window frame: caption and close box, nothing else. Under X11 Qt makes a
// Qt::Tool window transient for the application, and the window manager then keeps it above
// the main window for good; there a plain window is typed as a utility window by hand
// (setX11FrameHints). Elsewhere (Windows) Qt::Tool is a tool window without an owner.
Qt::WindowFlags frameFlags()
{
    return (onX11() ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

// Types the window as a utility window, asks for no taskbar entry, and takes it out of the
// application's window group. Qt sets the type only from the window flags when it creates the
// native window, and merges the states it sets itself into _NET_WM_STATE when it maps the
// window; so all of this goes in between. Window managers such as openbox treat a utility
// window in the group as owned by the whole group and keep it above the main window; outside
// the group nothing ties it to Form1.
void setX11FrameHints(QWidget *window)
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
        for (int i = 0; i < AtomCount; ++i)
            cookies[i] = xcb_intern_atom(connection, 0,
                                         static_cast<uint16_t>(std::strlen(kNames[i])), kNames[i]);
        std::array<xcb_atom_t, AtomCount> found{};
        for (int i = 0; i < AtomCount; ++i) {
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

QPointer<QWidget> &slot(ReferenceId id)
{
    static std::array<QPointer<QWidget>, kReferenceCount> open;
    return open[static_cast<std::size_t>(id)];
}

} // namespace

ReferenceWindow::ReferenceWindow(const QString &name, const QString &caption, QSize clientSize,
                                 bool closesOnBareClick)
    : QWidget(nullptr, frameFlags()), m_closesOnBareClick(closesOnBareClick)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientSize);
    setFont(ui::font(ui::FontRole::Regular));
    setWindowIcon(QIcon()); // not the application's icon: the frame shows none

    if (onX11())
        setX11FrameHints(this);
    ui::centreOnScreen(this);
}

void ReferenceWindow::closeOnClick(QWidget *control)
{
    m_closingControls.append(control);
}

const QWidget *ReferenceWindow::closingTargetAt(QPoint pos) const
{
    if (!rect().contains(pos))
        return nullptr;
    const QWidget *child = childAt(pos);
    if (!child)
        return m_closesOnBareClick ? this : nullptr;
    for (const QWidget *control : m_closingControls)
        if (child == control || control->isAncestorOf(child))
            return control;
    return nullptr;
}

void ReferenceWindow::mousePressEvent(QMouseEvent *event)
{
    m_pressedTarget =
        event->button() == Qt::LeftButton ? closingTargetAt(event->position().toPoint()) : nullptr;
}

void ReferenceWindow::mouseReleaseEvent(QMouseEvent *event)
{
    const QWidget *pressed = std::exchange(m_pressedTarget, nullptr);
    if (event->button() == Qt::LeftButton && pressed &&
        closingTargetAt(event->position().toPoint()) == pressed)
        close();
}

QWidget *openReference(ReferenceId id)
{
    QPointer<QWidget> &window = slot(id);
    if (!window || !window->isVisible()) {
        // A closed window is on its way to deletion; the slot takes a new one built afresh.
        // Some window managers leave a new utility window unfocused, so it asks for the focus.
        window = buildReference(id);
        window->show();
        window->activateWindow();
        return window;
    }
    // Window managers that offer to minimise any window get it back here.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    return window;
}

QWidget *openedReference(ReferenceId id)
{
    QWidget *window = slot(id);
    return window && window->isVisible() ? window : nullptr;
}

} // namespace varelux
