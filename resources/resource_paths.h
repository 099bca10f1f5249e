// Paths of the embedded resources, each named only here.
#pragma once

namespace varelux::resources {

inline constexpr char kFontRegular[] = ":/fonts/VareluxSans-Regular.ttf";
inline constexpr char kFontBold[] = ":/fonts/VareluxSans-Bold.ttf";
// Qt's own Italian texts, embedded where Qt is linked in statically (Windows).
inline constexpr char kTranslations[] = ":/translations";

} // namespace varelux::resources
