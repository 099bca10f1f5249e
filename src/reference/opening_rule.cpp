// One slot per reference window, and what a press on its button does.
#include "reference/opening_rule.h"

#include "reference/reference_layouts.h"
#include "reference/reference_window.h"

#include <QPointer>

#include <array>

namespace varelux {

namespace {

QPointer<QWidget> &slot(ReferenceId id)
{
    static std::array<QPointer<QWidget>, kReferenceCount> open;
    return open[static_cast<std::size_t>(id)];
}

} // namespace

void openReference(ReferenceId id)
{
    QPointer<QWidget> &window = slot(id);
    if (!window || !window->isVisible()) {
        // A closed window is on its way to deletion; the slot takes a new one built afresh.
        // Some window managers leave a new utility window unfocused, so it asks for the focus.
        window = buildReference(id);
        window->show();
        window->activateWindow();
        return;
    }
    // Window managers that offer to minimise any window get it back here.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

QWidget *openedReference(ReferenceId id)
{
    QWidget *window = slot(id);
    return window && window->isVisible() ? window : nullptr;
}

} // namespace varelux
