// The tool-window frame, and opening one window at a time.
#include "reference/tool_window.h"

#include "common/fonts.h"
#include "common/platform.h"
#include "common/window_placement.h"
#include "reference/x11_window_hints.h"

#include <QIcon>

namespace varelux {

namespace {

// A fixed tool-window frame: caption and close box, nothing else. Under X11 Qt makes a
// Qt::Tool window transient for the application, and the window manager then keeps it above
// the main window for good; there a plain window is typed as a utility window by hand
// (setX11UtilityWindowHints). Elsewhere (Windows) Qt::Tool is a tool window without an owner.
Qt::WindowFlags frameFlags()
{
    return (ui::onX11() ? Qt::Window : Qt::Tool) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

} // namespace

ToolWindow::ToolWindow(const QString &name, const QString &caption, QSize clientSize)
    : QWidget(nullptr, frameFlags())
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientSize);
    setFont(ui::font(ui::FontRole::Regular));
    setWindowIcon(QIcon()); // not the application's icon: the frame shows none
    if (ui::onX11())
        setX11UtilityWindowHints(this);
    ui::centreOnScreen(this);
}

void openOnce(QPointer<QWidget> &slot, const std::function<QWidget *()> &build)
{
    if (!slot || !slot->isVisible()) {
        // A closed window is on its way to deletion; the slot takes a new one built afresh.
        // Some window managers leave a new utility window unfocused, so it asks for the focus.
        slot = build();
        slot->show();
        slot->activateWindow();
        return;
    }
    // Window managers that offer to minimise any window get it back here.
    if (slot->isMinimized())
        slot->setWindowState(slot->windowState() & ~Qt::WindowMinimized);
    slot->raise();
    slot->activateWindow();
}

QWidget *openIn(const QPointer<QWidget> &slot)
{
    return slot && slot->isVisible() ? slot.data() : nullptr;
}

} // namespace varelux
