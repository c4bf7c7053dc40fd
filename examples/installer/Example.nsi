; Parlune example: a Modern UI installer whose visible texts come from the JSON
; files in the languages folder. Translators edit those files; this script
; never changes for a new language.
;
; Build:   makensis Example.nsi     (add -XTarget amd64-unicode for 64-bit,
;          -DOUTFILE=path to name the installer)
; Options: /LANG=tag  picks the language (for example /LANG=de-DE) instead
;          of the user's preferred UI language.
Unicode true

!include MUI2.nsh
!include FileFunc.nsh
!include Parlune.nsh

Name "Parlune Example"
Caption "$Caption"
!ifndef OUTFILE
  !define OUTFILE "ParluneExample.exe"
!endif
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Parlune Example"
RequestExecutionLevel user

; The texts, filled from the language files in .onInit and un.onInit.
Var Caption
Var WelcomeTitle
Var WelcomeText
Var ComponentsTitle
Var ComponentsSubtitle
Var DirectoryTitle
Var DirectorySubtitle
Var InstallingTitle
Var InstallingSubtitle
Var ProgramDescription
Var ShortcutDescription
Var FinishTitle
Var FinishText
Var UninstallTitle
Var UninstallSubtitle

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

; NSIS's own texts (buttons and the like) for the languages the example ships;
; each language file names its language by "NsisLanguageId".
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "SpanishInternational"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Arabic"
!insertmacro MUI_LANGUAGE "SerbianLatin"

; Loads the language files packed into the installer and reads the texts.
!macro LoadTexts UN
  Function ${UN}LoadTexts
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/LANG=" $1
    ${If} ${Errors}
      StrCpy $1 ""  ; the user's preferred UI language
    ${EndIf}
    ${ParluneInitPacked} "languages" $1 $0

    ${ParluneGetStr} "NsisLanguageId" $LANGUAGE
    ${ParluneGetStr} "Caption" $Caption
    ${ParluneGetStr} "WelcomeTitle" $WelcomeTitle
    ${ParluneGetStr} "WelcomeText" $WelcomeText
    ${ParluneGetStr} "ComponentsTitle" $ComponentsTitle
    ${ParluneGetStr} "ComponentsSubtitle" $ComponentsSubtitle
    ${ParluneGetStr} "DirectoryTitle" $DirectoryTitle
    ${ParluneGetStr} "DirectorySubtitle" $DirectorySubtitle
    ${ParluneGetStr} "InstallingTitle" $InstallingTitle
    ${ParluneGetStr} "InstallingSubtitle" $InstallingSubtitle
    ${ParluneGetStr} "ProgramDescription" $ProgramDescription
    ${ParluneGetStr} "ShortcutDescription" $ShortcutDescription
    ${ParluneGetStr} "FinishTitle" $FinishTitle
    ${ParluneGetStr} "FinishText" $FinishText
    ${ParluneGetStr} "UninstallTitle" $UninstallTitle
    ${ParluneGetStr} "UninstallSubtitle" $UninstallSubtitle
  FunctionEnd
!macroend
!insertmacro LoadTexts ""
!insertmacro LoadTexts "un."

Section "Program" SecProgram
  SetOutPath "$INSTDIR"
  ${ParluneGetStr} "ReadMe" $0
  ${ParluneGetStr} "ProgramSection" $1
  ; The read-me is UTF-16 with a byte-order mark, so every script shows.
  FileOpen $2 "$INSTDIR\ReadMe.txt" w
  FileWriteWord $2 0xFEFF
  FileWriteUTF16LE $2 "$Caption$\r$\n$WelcomeTitle$\r$\n$1$\r$\n$FinishText$\r$\n$\r$\n$0$\r$\n"
  FileClose $2
  WriteUninstaller "$INSTDIR\Uninstall.exe"
SectionEnd

Section "Shortcut" SecShortcut
  ${ParluneGetStr} "ShortcutSection" $0
  CreateDirectory "$SMPROGRAMS\Parlune Example"
  CreateShortcut "$SMPROGRAMS\Parlune Example\$0.lnk" "$INSTDIR\ReadMe.txt"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} $ProgramDescription
  !insertmacro MUI_DESCRIPTION_TEXT ${SecShortcut} $ShortcutDescription
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  Call LoadTexts
  ; Section names are texts too.
  ${ParluneGetStr} "ProgramSection" $0
  SectionSetText ${SecProgram} $0
  SectionSetFlags ${SecProgram} ${SF_SELECTED}|${SF_RO}
  ${ParluneGetStr} "ShortcutSection" $0
  SectionSetText ${SecShortcut} $0
FunctionEnd

Function .onGUIEnd
  ${ParluneExit}
FunctionEnd

Section "Uninstall"
  RMDir /r "$SMPROGRAMS\Parlune Example"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  Call un.LoadTexts
FunctionEnd

Function un.onGUIEnd
  ${ParluneExit}
FunctionEnd
