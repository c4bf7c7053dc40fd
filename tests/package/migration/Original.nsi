; Tally's installer before Parlune (measured against Tally.nsi by the package
; test): MUI2, four languages, twelve LangStrings, MUI's language dialog and
; the remembered language.
Unicode true
!ifdef TARGET
Target ${TARGET}
!endif
!include MUI2.nsh
!define PRODUCT "Tally"
!define VERSION "2.4"
Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\${PRODUCT}"
RequestExecutionLevel user

!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "Software\${PRODUCT}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Language"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString Copying ${LANG_ENGLISH} "Copying ${PRODUCT} ${VERSION}..."
LangString Copying ${LANG_GERMAN} "${PRODUCT} ${VERSION} wird kopiert..."
LangString Copying ${LANG_FRENCH} "Copie de ${PRODUCT} ${VERSION}..."
LangString Copying ${LANG_JAPANESE} "${PRODUCT} ${VERSION} をコピーしています..."
LangString Shortcut ${LANG_ENGLISH} "Creating the shortcut"
LangString Shortcut ${LANG_GERMAN} "Verknüpfung wird erstellt"
LangString Shortcut ${LANG_FRENCH} "Création du raccourci"
LangString Shortcut ${LANG_JAPANESE} "ショートカットを作成しています"
LangString Registering ${LANG_ENGLISH} "Registering the uninstaller"
LangString Registering ${LANG_GERMAN} "Deinstallationsprogramm wird registriert"
LangString Registering ${LANG_FRENCH} "Enregistrement du programme de désinstallation"
LangString Registering ${LANG_JAPANESE} "アンインストーラーを登録しています"
LangString Done ${LANG_ENGLISH} "${PRODUCT} is installed."
LangString Done ${LANG_GERMAN} "${PRODUCT} ist installiert."
LangString Done ${LANG_FRENCH} "${PRODUCT} est installé."
LangString Done ${LANG_JAPANESE} "${PRODUCT} がインストールされました。"
LangString AppName ${LANG_ENGLISH} "${PRODUCT} Tally Counter"
LangString AppName ${LANG_GERMAN} "${PRODUCT} Strichliste"
LangString AppName ${LANG_FRENCH} "${PRODUCT} compteur"
LangString AppName ${LANG_JAPANESE} "${PRODUCT} カウンター"
LangString Running ${LANG_ENGLISH} "${PRODUCT} is running. Close it and try again."
LangString Running ${LANG_GERMAN} "${PRODUCT} läuft. Schließen Sie es und versuchen Sie es erneut."
LangString Running ${LANG_FRENCH} "${PRODUCT} est en cours d'exécution. Fermez-le et réessayez."
LangString Running ${LANG_JAPANESE} "${PRODUCT} は実行中です。終了してからやり直してください。"
LangString OldVersion ${LANG_ENGLISH} "An older version was found and will be replaced."
LangString OldVersion ${LANG_GERMAN} "Eine ältere Version wurde gefunden und wird ersetzt."
LangString OldVersion ${LANG_FRENCH} "Une version plus ancienne a été trouvée et sera remplacée."
LangString OldVersion ${LANG_JAPANESE} "古いバージョンが見つかりました。置き換えます。"
LangString UnConfirm ${LANG_ENGLISH} "Remove ${PRODUCT} and all its files?"
LangString UnConfirm ${LANG_GERMAN} "${PRODUCT} und alle Dateien entfernen?"
LangString UnConfirm ${LANG_FRENCH} "Supprimer ${PRODUCT} et tous ses fichiers ?"
LangString UnConfirm ${LANG_JAPANESE} "${PRODUCT} とそのすべてのファイルを削除しますか?"
LangString UnRemoving ${LANG_ENGLISH} "Removing ${PRODUCT}"
LangString UnRemoving ${LANG_GERMAN} "${PRODUCT} wird entfernt"
LangString UnRemoving ${LANG_FRENCH} "Suppression de ${PRODUCT}"
LangString UnRemoving ${LANG_JAPANESE} "${PRODUCT} を削除しています"
LangString UnDone ${LANG_ENGLISH} "${PRODUCT} was removed."
LangString UnDone ${LANG_GERMAN} "${PRODUCT} wurde entfernt."
LangString UnDone ${LANG_FRENCH} "${PRODUCT} a été supprimé."
LangString UnDone ${LANG_JAPANESE} "${PRODUCT} は削除されました。"
LangString UnKeepData ${LANG_ENGLISH} "Your tallies were kept in $APPDATA\${PRODUCT}."
LangString UnKeepData ${LANG_GERMAN} "Ihre Zählungen bleiben in $APPDATA\${PRODUCT}."
LangString UnKeepData ${LANG_FRENCH} "Vos comptages restent dans $APPDATA\${PRODUCT}."
LangString UnKeepData ${LANG_JAPANESE} "集計は $APPDATA\${PRODUCT} に残されています。"
LangString Version ${LANG_ENGLISH} "Version ${VERSION}"
LangString Version ${LANG_GERMAN} "Version ${VERSION}"
LangString Version ${LANG_FRENCH} "Version ${VERSION}"
LangString Version ${LANG_JAPANESE} "バージョン ${VERSION}"

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Section
  SetOutPath $INSTDIR
  DetailPrint "$(Copying)"
  DetailPrint "$(OldVersion)"
  DetailPrint "$(Shortcut)"
  DetailPrint "$(Registering)"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}" DisplayName "$(AppName)"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}" DisplayVersion "$(Version)"
  DetailPrint "$(Done)"
  IfSilent +2
  MessageBox MB_OK "$(Running)" /SD IDOK
SectionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  MessageBox MB_YESNO "$(UnConfirm)" /SD IDYES IDYES +2
  Abort
FunctionEnd

Section Uninstall
  DetailPrint "$(UnRemoving)"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
  DetailPrint "$(UnKeepData)"
  DetailPrint "$(UnDone)"
SectionEnd
