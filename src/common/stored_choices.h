// The hints' choices kept between runs, in the user's settings (QSettings: ~/.config on Linux,
// the registry under HKCU on Windows, the page's local storage in the browser): the series and
// the two tolerances. A setting that is missing, unreadable or out of range is the default; none
// is ever an error.
#pragma once

class QSettings;

namespace varelux {

class HintChoices;

// Makes the stored choices the ones in use.
void restoreChoices(const QSettings &settings, HintChoices &choices);
// Stores the choices in use.
void storeChoices(QSettings &settings, const HintChoices &choices);

} // namespace varelux
