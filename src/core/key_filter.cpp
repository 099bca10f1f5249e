// Keystroke filter rules.
#include "core/key_filter.h"

namespace varelux {

namespace {

bool isDigitOrBackspace(CharCode code)
{
    return (code >= kDigitZero && code <= kDigitNine) || code == kBackspace;
}

} // namespace

CharCode filterDecimalKey(CharCode code, std::u16string_view currentText)
{
    if (code == kFullStop)
        code = kComma;
    if (!isDigitOrBackspace(code) && code != kComma)
        return kNoChar;
    if (code == kComma && currentText.find(static_cast<char16_t>(kComma)) != currentText.npos)
        return kNoChar;
    return code;
}

CharCode filterCountKey(CharCode code)
{
    return isDigitOrBackspace(code) ? code : kNoChar;
}

} // namespace varelux
