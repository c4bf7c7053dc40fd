; Parlune example: a Modern UI installer whose visible texts come from the JSON
; files in the languages folder. A new language is a new file there; NSIS's
; own texts (buttons) follow for every language NSIS knows.
;
; Build:   makensis Example.nsi     (add -XTarget amd64-unicode for 64-bit,
;          -DOUTFILE=path to name the installer)
; Options: /LANG=tag  picks the language (for example /LANG=de-DE) without
;          asking; so does the language remembered from the last install.
Unicode true

!define PARLUNE_REGISTRY_ROOT HKCU
!define PARLUNE_REGISTRY_KEY "Software\Parlune Example"
!define PARLUNE_REGISTRY_VALUENAME "Language"
!include MUI2.nsh
!include Parlune.nsh

Name "Parlune Example"
Caption "$Caption"
!ifndef OUTFILE
  !define OUTFILE "ParluneExample.exe"
!endif
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Parlune Example"
RequestExecutionLevel user

; One line per text: the variable and the key in the language files.
${ParluneText} Caption
${ParluneText} WelcomeTitle
${ParluneText} WelcomeText
${ParluneText} ComponentsTitle
${ParluneText} ComponentsSubtitle
${ParluneText} DirectoryTitle
${ParluneText} DirectorySubtitle
${ParluneText} InstallingTitle
${ParluneText} InstallingSubtitle
${ParluneText} ProgramSection
${ParluneText} ProgramDescription
${ParluneText} ShortcutSection
${ParluneText} ShortcutDescription
${ParluneText} FinishTitle
${ParluneText} FinishText
${ParluneText} UninstallTitle
${ParluneText} UninstallSubtitle
${ParluneText} ReadMe

!define MUI_WELCOMEPAGE_TITLE "$WelcomeTitle"
!define MUI_WELCOMEPAGE_TEXT "$WelcomeText"
!insertmacro MUI_PAGE_WELCOME

!define MUI_PAGE_HEADER_TEXT "$ComponentsTitle"
!define MUI_PAGE_HEADER_SUBTEXT "$ComponentsSubtitle"
!insertmacro MUI_PAGE_COMPONENTS

!define MUI_PAGE_HEADER_TEXT "$DirectoryTitle"
!define MUI_PAGE_HEADER_SUBTEXT "$DirectorySubtitle"
!insertmacro MUI_PAGE_DIRECTORY

!define MUI_PAGE_HEADER_TEXT "$InstallingTitle"
!define MUI_PAGE_HEADER_SUBTEXT "$InstallingSubtitle"
!insertmacro MUI_PAGE_INSTFILES

!define MUI_FINISHPAGE_TITLE "$FinishTitle"
!define MUI_FINISHPAGE_TEXT "$FinishText"
!insertmacro MUI_PAGE_FINISH

!define MUI_PAGE_HEADER_TEXT "$UninstallTitle"
!define MUI_PAGE_HEADER_SUBTEXT "$UninstallSubtitle"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

${ParluneMuiLanguages} "languages"

Section "Program" SecProgram
  ; The folder is known only now, after the directory page.
  ${ParluneFormat} $FinishText "INSTDIR" "$INSTDIR"
  SetOutPath "$INSTDIR"
  ; The read-me is UTF-16 with a byte-order mark, so every script shows.
  FileOpen $0 "$INSTDIR\ReadMe.txt" w
  FileWriteWord $0 0xFEFF
  FileWriteUTF16LE $0 "$Caption$\r$\n$WelcomeTitle$\r$\n$ProgramSection$\r$\n$FinishText$\r$\n$\r$\n$ReadMe$\r$\n"
  FileClose $0
  WriteUninstaller "$INSTDIR\Uninstall.exe"
SectionEnd

Section "Shortcut" SecShortcut
  CreateDirectory "$SMPROGRAMS\Parlune Example"
  CreateShortcut "$SMPROGRAMS\Parlune Example\$ShortcutSection.lnk" "$INSTDIR\ReadMe.txt"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $ProgramDescription
  !insertmacro MUI_DESCRIPTION_TEXT ${SecShortcut} $ShortcutDescription
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  RMDir /r "$SMPROGRAMS\Parlune Example"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "Software\Parlune Example"
SectionEnd

Function .onInit
  ${ParluneInitLanguage} "languages" $0
  SectionSetText ${SecProgram} $ProgramSection
  SectionSetFlags ${SecProgram} ${SF_SELECTED}|${SF_RO}
  SectionSetText ${SecShortcut} $ShortcutSection
FunctionEnd

Function un.onInit
  ${ParluneInitLanguage} "languages" $0
FunctionEnd
