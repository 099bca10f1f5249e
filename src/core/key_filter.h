// Keystroke filter of the entry fields, on the 16-bit code of each typed character.
#pragma once

#include <cstdint>
#include <string_view>

namespace varelux {

// A typed character as a signed 16-bit code (a UTF-16 unit reinterpreted); 0 means "insert
// nothing". Codes above 0x7FFF are negative and are dropped like every other code not named.
using CharCode = std::int16_t;

inline constexpr CharCode kNoChar = 0;
inline constexpr CharCode kBackspace = 8;
inline constexpr CharCode kComma = 44;
inline constexpr CharCode kFullStop = 46;
inline constexpr CharCode kDigitZero = 48;
inline constexpr CharCode kDigitNine = 57;

// Decimal fields, with the decimal separator in use (a comma or a full stop): the other
// separator key becomes it; digits, backspace and the separator pass, except the separator while
// the field's whole current text (caret and selection play no part) already holds one.
CharCode filterDecimalKey(CharCode code, std::u16string_view currentText, char separator);

// Count fields: digits and backspace pass; everything else, separators included, is dropped.
CharCode filterCountKey(CharCode code);

} // namespace varelux
