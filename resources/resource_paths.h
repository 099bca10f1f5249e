// Paths of the embedded resources, each named only here.
#pragma once

namespace varelux::resources {

inline constexpr char kIcon32[] = ":/icons/varelux-32.xpm";
inline constexpr char kIcon16[] = ":/icons/varelux-16.xpm";
inline constexpr char kFontRegular[] = ":/fonts/LiberationSans-Regular.ttf";
inline constexpr char kFontBold[] = ":/fonts/LiberationSans-Bold.ttf";

} // namespace varelux::resources
