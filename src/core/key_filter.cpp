// Keystroke filter rules.
#include "core/key_filter.h"

namespace varelux {

namespace {

bool isDigitOrBackspace(CharCode code)
{
    return (code >= kDigitZero && code <= kDigitNine) || code == kBackspace;
}

} // namespace

CharCode filterDecimalKey(CharCode code, std::u16string_view currentText, char separator)
{
    const auto kept = static_cast<CharCode>(static_cast<unsigned char>(separator));
    const CharCode other = kept == kComma ? kFullStop : kComma;
    if (code == other)
        code = kept;
    if (!isDigitOrBackspace(code) && code != kept)
        return kNoChar;
    if (code == kept && currentText.find(static_cast<char16_t>(kept)) != currentText.npos)
        return kNoChar;
    return code;
}

CharCode filterCountKey(CharCode code)
{
    return isDigitOrBackspace(code) ? code : kNoChar;
}

} // namespace varelux
