// What each reference window holds, for the registry that opens them (open_references.h).
#pragma once

#include "reference/reference_id.h"

namespace varelux {

class ReferenceWindow;

// A new, not yet shown window built from the layout of id.
ReferenceWindow *buildReference(ReferenceId id);

} // namespace varelux
