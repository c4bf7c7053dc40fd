; LangStrings written every way makensis takes them; the test compiles this
; script into an installer that writes each text, and compares the files
; parlune-import makes of it.
Unicode true
LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\German.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\French.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Russian.nlf"
!define PRODUCT "Tally"
!define CURRENT_LANG ${LANG_ENGLISH}

LangString Required ${CURRENT_LANG} "strictly \
      required"
LangString Required ${LANG_German} "zwingend \
		erforderlich"
LangString Quotes ${LANG_ENGLISH} 'say "hi" $\'now$\' `x` $$5'
LangString Quotes ${LANG_GERMAN} `sag "hallo" 'jetzt'`
LangString Escapes ${LANG_ENGLISH} "a$\tb$\r$\nc $\"q$\" $\x"
LangString Product ${LANG_ENGLISH} "Welcome to ${PRODUCT}"
LangString Product 1031 "Willkommen bei ${PRODUCT}"
LangString ^SetupCaption ${LANG_ENGLISH} "${PRODUCT} Setup"

!macro TEXT LANG NAME VALUE
  LangString ${NAME} ${LANG_${LANG}} "${VALUE}"
!macroend
!insertmacro TEXT ENGLISH FromMacro "made by a macro"
!insertmacro TEXT RUSSIAN FromMacro "сделано макросом"

!if 0
  LangString Hidden ${LANG_ENGLISH} "never compiled"
!endif
!ifdef PRODUCT
  LangString Branch ${LANG_ENGLISH} "the ifdef branch"
!else
  LangString Branch ${LANG_ENGLISH} "the else branch"
!endif

!include "Strings16.nsh"
!include /CHARSET=CP1252 "Ansi.nsh"
!include LangFile.nsh
!insertmacro LANGFILE_INCLUDE "Extra.nsh"
