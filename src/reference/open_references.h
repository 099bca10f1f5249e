// The registry of open windows, and the rule by which the main window's buttons open them: at
// most one window per id at a time, built afresh when it is not open, only brought forward when
// it is.
#pragma once

#include "reference/reference_id.h"

#include <functional>

class QWidget;

namespace varelux {

// Builds a reference window (an id before ReferenceId::LedArray) from its layout, centred, and
// shows it when it is not open; otherwise brings the open window back from minimised, raises and
// activates it where it stands.
void openReference(ReferenceId id);

// The same rule for a window that the caller builds: build() makes it, top-level, deleted when
// it closes, when none is open for id.
void openReference(ReferenceId id, const std::function<QWidget *()> &build);

// The open window, or nullptr when it is closed or was never opened. The screenshot tool and the
// benchmarks find the windows they picture or time through it.
QWidget *openedReference(ReferenceId id);

} // namespace varelux
