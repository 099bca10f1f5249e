; The installer's languages, which NSIS chooses between by the user's Windows display language:
; English, the first and so the one for every language but these, Italian and German.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "German"

; The messages that CMake's NSIS template words itself.
LangString VareluxAlreadyInstalled ${LANG_ENGLISH} "$(^Name) is already installed.$\n$\nDo you want to uninstall the old version before installing the new one?"
LangString VareluxAlreadyInstalled ${LANG_ITALIAN} "$(^Name) è già installato.$\n$\nDisinstallare la versione precedente prima di installare quella nuova?"
LangString VareluxAlreadyInstalled ${LANG_GERMAN} "$(^Name) ist bereits installiert.$\n$\nSoll die alte Version vor der Installation der neuen deinstalliert werden?"
LangString VareluxUninstallFailed ${LANG_ENGLISH} "Uninstall failed."
LangString VareluxUninstallFailed ${LANG_ITALIAN} "Disinstallazione non riuscita."
LangString VareluxUninstallFailed ${LANG_GERMAN} "Deinstallation fehlgeschlagen."
