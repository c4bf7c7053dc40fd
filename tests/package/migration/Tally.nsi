; Tally's installer moved to Parlune: the same pages and texts, the texts from
; languages\*.json (written by parlune-import from Original.nsi).
Unicode true
!ifdef TARGET
Target ${TARGET}
!endif
!define PRODUCT "Tally"
!define VERSION "2.4"
!define PARLUNE_REGISTRY_ROOT HKCU
!define PARLUNE_REGISTRY_KEY "Software\${PRODUCT}"
!define PARLUNE_REGISTRY_VALUENAME "Language"
!include MUI2.nsh
!include Parlune.nsh
Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\${PRODUCT}"
RequestExecutionLevel user

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
${ParluneMuiLanguages} languages

${ParluneText} Copying
${ParluneText} Shortcut
${ParluneText} Registering
${ParluneText} Done
${ParluneText} AppName
${ParluneText} Running
${ParluneText} OldVersion
${ParluneText} UnConfirm
${ParluneText} UnRemoving
${ParluneText} UnDone
${ParluneText} UnKeepData
${ParluneText} Version
${ParluneFill} APPDATA "$APPDATA"
!ifdef EXTRA_TEXT  ; the package test measures what one more text costs
  ${ParluneText} Extra
!endif

Function .onInit
  ${ParluneInitLanguage} languages $0
FunctionEnd

Section
  SetOutPath $INSTDIR
  DetailPrint "$Copying"
  DetailPrint "$OldVersion"
  DetailPrint "$Shortcut"
  DetailPrint "$Registering"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}" DisplayName "$AppName"
  WriteRegStr HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}" DisplayVersion "$Version"
  DetailPrint "$Done"
  IfSilent +2
  MessageBox MB_OK "$Running" /SD IDOK
SectionEnd

Function un.onInit
  ${ParluneInitLanguage} languages $0

  MessageBox MB_YESNO "$UnConfirm" /SD IDYES IDYES +2
  Abort
FunctionEnd

Section Uninstall
  DetailPrint "$UnRemoving"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
  DetailPrint "$UnKeepData"
  DetailPrint "$UnDone"
SectionEnd
