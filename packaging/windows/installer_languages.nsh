; The installer's languages, which NSIS chooses between by the user's Windows display language:
; English, the first and so the one for every language but Italian, and Italian.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Italian"

; The messages that CMake's NSIS template words itself.
LangString VareluxAlreadyInstalled ${LANG_ENGLISH} "$(^Name) is already installed.$\n$\nDo you want to uninstall the old version before installing the new one?"
LangString VareluxAlreadyInstalled ${LANG_ITALIAN} "$(^Name) è già installato.$\n$\nDisinstallare la versione precedente prima di installare quella nuova?"
LangString VareluxUninstallFailed ${LANG_ENGLISH} "Uninstall failed."
LangString VareluxUninstallFailed ${LANG_ITALIAN} "Disinstallazione non riuscita."
