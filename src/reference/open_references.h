// The registry of open reference windows: at most one window per id at a time, built afresh when
// it is not open, only brought forward when it is (openOnce(), tool_window.h).
#pragma once

#include "reference/reference_id.h"

class QWidget;

namespace varelux {

// Builds the reference window from its layout, centred, and shows it when it is not open;
// otherwise brings the open window forward.
void openReference(ReferenceId id);

// The open window, or nullptr when it is closed or was never opened. The screenshot tool and the
// benchmarks find the windows they picture or time through it.
QWidget *openedReference(ReferenceId id);

} // namespace varelux
