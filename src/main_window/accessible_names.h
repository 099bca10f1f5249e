// What screen readers say of the controls of a panel.
//
// A field's name is its panel and its row label, its description its unit; a button's name is its
// panel and its caption; a result label's name is its value, and its description its panel and
// what it is. Screen readers (Orca) name a field by the label that labels it rather than by the
// field's own name, so each row label is its field's buddy and carries the panel's name too.
#pragma once

#include "main_window/panel_parts.h"

namespace varelux {

void nameForScreenReaders(const PanelWidgets &panel);

} // namespace varelux
