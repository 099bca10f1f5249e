// The rule by which the main window's buttons open the reference windows: one window per id for
// the whole run, built afresh when it is not open, only brought forward when it is.
#pragma once

#include "reference/reference_id.h"

class QWidget;

namespace varelux {

// Builds the window from its layout, centred, and shows it when it is not open; otherwise
// brings the open window back from minimised, raises and activates it where it stands.
void openReference(ReferenceId id);

// The open window, or nullptr when it is closed or was never opened.
QWidget *openedReference(ReferenceId id);

} // namespace varelux
