// The designs of the six reference windows, for the opening rule.
#pragma once

#include "reference/reference_window.h"

namespace varelux {

// A new, not yet shown window built from the design of id.
ReferenceWindow *buildReference(ReferenceId id);

} // namespace varelux
