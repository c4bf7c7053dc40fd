; An installer's texts as NSIS LangStrings, the way scripts keep them before
; they move to Parlune: English and German here, French and Japanese in the
; include file.
Unicode true
!include MUI2.nsh
!define PRODUCT "Tally"
Name "${PRODUCT}"
OutFile "TallySetup.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Welsh"

LangString WelcomeTitle ${LANG_ENGLISH} "Welcome to ${PRODUCT}"
LangString WelcomeText  ${LANG_ENGLISH} "This wizard installs $(^Name) on your computer.$\r$\n$\r$\n\
Click Next to continue."
LangString Done         ${LANG_ENGLISH} 'Installed in "$INSTDIR".'
LangString Price        ${LANG_ENGLISH} `It's free: $$0.`
LangString WelcomeTitle ${LANG_GERMAN}  "Willkommen bei ${PRODUCT}"
LangString WelcomeText  ${LANG_GERMAN}  "Dieser Assistent installiert $(^Name) auf Ihrem Computer.$\r$\n$\r$\n\
Klicken Sie auf Weiter."
LangString Done         ${LANG_GERMAN}  "Installiert in $INSTDIR."
LangString Done         ${LANG_GERMAN}  "Installiert in $\"$INSTDIR$\"."
LangString WelcomeTitle ${LANG_WELSH}   "Croeso i ${PRODUCT}"

!include "Strings.nsh"

Section
  DetailPrint "$(Done)"
SectionEnd
