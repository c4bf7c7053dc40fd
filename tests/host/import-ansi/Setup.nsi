; An installer of 2010's kind: each translation an ANSI file in its
; language's code page (this folder holds them as UTF-8; the test writes the
; ANSI copies), its texts as defines that a macro turns into LangStrings,
; with English where a translation lacks one.
Unicode true
Name "Ansi"
OutFile "ansi.exe"
!include MUI2.nsh
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Japanese"

!include "translations\english.nsh"
!include "translations\german.nsh"
!include "translations\russian.nsh"
!include "translations\japanese.nsh"

!macro TEXT_IN LANGUAGE NAME
  !ifdef STR_${LANGUAGE}_${NAME}
    LangString ${NAME} ${LANG_${LANGUAGE}} "${STR_${LANGUAGE}_${NAME}}"
  !else
    LangString ${NAME} ${LANG_${LANGUAGE}} "${STR_ENGLISH_${NAME}}"
  !endif
!macroend
!macro TEXT NAME
  !insertmacro TEXT_IN ENGLISH ${NAME}
  !insertmacro TEXT_IN GERMAN ${NAME}
  !insertmacro TEXT_IN RUSSIAN ${NAME}
  !insertmacro TEXT_IN JAPANESE ${NAME}
!macroend
!insertmacro TEXT Welcome
!insertmacro TEXT Display
!insertmacro TEXT Bye

Section
SectionEnd
