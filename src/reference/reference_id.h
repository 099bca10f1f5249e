// Names of the six reference windows, for the buttons that open them.
#pragma once

namespace varelux {

enum class ReferenceId { Form2, Form3, Form4, Form5, Form6, Form7 };
inline constexpr int kReferenceCount = 6;

} // namespace varelux
