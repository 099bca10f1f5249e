// Qt's own texts in Italian: context menus, message box buttons.
#pragma once

class QApplication;

namespace varelux {

// Loads Qt's Italian translation. Returns false when it is not installed; the program then still
// works, with those texts in English.
bool installItalianTranslation(QApplication &app);

} // namespace varelux
