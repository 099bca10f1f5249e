// The light-bulb icon of the program, 32 and 16 px, as drawn in icons/*.xpm.
#pragma once

#include <QImage>

namespace varelux::resources {

// The drawing of the given size, 32 or 16 (a null image for any other). The drawings are
// compiled in: this skips Qt's image-format plugin lookup, about a millisecond at start-up.
QImage iconImage(int size);

} // namespace varelux::resources
