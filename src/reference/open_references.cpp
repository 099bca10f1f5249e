// One registry entry per reference window.
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
    static std::array<QPointer<QWidget>, kReferenceCount> registry;
    return registry[static_cast<std::size_t>(id)];
}

} // namespace

void openReference(ReferenceId id)
{
    openOnce(registryEntry(id), [id] { return new ReferenceWindow(referenceLayout(id)); });
}

QWidget *openedReference(ReferenceId id)
{
    return openIn(registryEntry(id));
}

} // namespace varelux
