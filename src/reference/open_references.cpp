// One registry entry per window, and what a press on its button does.
#include "reference/open_references.h"

#include "reference/reference_layouts.h"
#include "reference/reference_window.h"

#include <QPointer>

#include <array>

namespace varelux {

namespace {

// The window open for id, if any; a QPointer turns null when its window is deleted.
QPointer<QWidget> &registryEntry(ReferenceId id)
{
    static std::array<QPointer<QWidget>, kOpenableCount> registry;
    return registry[static_cast<std::size_t>(id)];
}

} // namespace

void openReference(ReferenceId id)
{
    openReference(id, [id] { return new ReferenceWindow(referenceLayout(id)); });
}

void openReference(ReferenceId id, const std::function<QWidget *()> &build)
{
    QPointer<QWidget> &window = registryEntry(id);
    if (!window || !window->isVisible()) {
        // A closed window is on its way to deletion; its entry takes a new one built afresh.
        // Some window managers leave a new utility window unfocused, so it asks for the focus.
        window = build();
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
    QWidget *window = registryEntry(id);
    return window && window->isVisible() ? window : nullptr;
}

} // namespace varelux
