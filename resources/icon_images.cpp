// The icon drawings, compiled in from their XPM text.
#include "icon_images.h"

namespace {
#include "icons/varelux-16.xpm"
#include "icons/varelux-32.xpm"
} // namespace

namespace varelux::resources {

QImage iconImage(int size)
{
    if (size == 32)
        return QImage(varelux_32);
    if (size == 16)
        return QImage(varelux_16);
    return {};
}

} // namespace varelux::resources
