; Parlune.nsh - translations for NSIS installers from JSON language files.
;
; The one file a script includes. Every macro works in installer and
; uninstaller (un.) code alike and leaves $0-$9 and $R0-$R9 as it found
; them, unless one is its output. The plug-in stays loaded by itself: no call
; needs /NOUNLOAD. The files below, in the Parlune folder beside this one,
; each hold one concern and open with their macros' usage:
;
;   Calls.nsh      ${ParluneInit} ${ParluneGetStr} ${ParluneExit}: the plug-in
;   Texts.nsh      ${ParluneText} ${ParluneLoadTexts} ${ParluneFill}
;                  ${ParluneFormat}: declared texts and their placeholders
;   Packing.nsh    ${ParluneInitPacked}: packing a folder, and reading and
;                  checking its files while the script compiles
;   Table.nsh      the language table's rows as stand-ins
;   FileChoice.nsh which file the plug-in loads for a tag, packed or not,
;                  and loading it
;   Language.nsh   ${ParluneInitLanguage} and its pieces: choosing, loading
;                  and remembering the language
;   LanguageIds.nsh ${ParluneLanguageId} ${ParluneLanguageTag}
;   Dialog.nsh     ${ParluneLanguageDialog}
;   ModernUI.nsh   ${ParluneMuiLanguages}
;
; The whole language life of an installer is three lines: ${ParluneText}
; NAME for each text, ${ParluneMuiLanguages} FOLDER after the Modern UI
; pages, and ${ParluneInitLanguage} FOLDER $handle in .onInit and
; un.onInit.
;
; Settings, defined before this file is included:
;   PARLUNE_REGISTRY_ROOT, _KEY, _VALUENAME   where the language is remembered
;   PARLUNE_REGISTRY_STORE_ID    remember the NSIS language id, as MUI does
;   PARLUNE_OWN_INSTSUCCESS      the script's .onInstSuccess calls
;                                ${ParluneRememberChoice} itself
;   PARLUNE_LANGDLL_ALWAYSSHOW, PARLUNE_LANGDLL_WINDOWTITLE, PARLUNE_LANGDLL_INFO
;   PARLUNE_CHECK_OFF            no verdict on the files while compiling
;   PARLUNE_CHECK_STRICT         warnings stop the compile too
;   PARLUNE_MIN_COVERAGE         a percentage: a file translating less of
;                                en.json is not in the dialog, nor chosen by
;                                the user's language alone (/LANG= still is)
;   PARLUNE_PREVIEW              a translator's build: ${ParluneInitLanguage}
;                                takes the files in $EXEDIR\languages over
;                                the packed ones; /LANG=keys shows key names
;   PARLUNE_CHECKER              another parlune-check than the package's
;   PARLUNE_VERBOSE              makensis's verbosity inside the macros (3)
;
; Keys that Parlune itself reads from a language file: "NsisLanguageId" (the
; NSIS language id for $LANGUAGE), "LanguageName" (the name in the dialog),
; "LanguageDialogTitle" and "LanguageDialogText".

!ifndef PARLUNE_NSH
!define PARLUNE_NSH

!verbose push 3
!define /ifndef PARLUNE_VERBOSE 3

!include LogicLib.nsh
!include FileFunc.nsh
!include Util.nsh
!include ParluneLanguages.nsh

!define ParluneInit "!insertmacro ParluneInit"
!define ParluneGetStr "!insertmacro ParluneGetStr"
!define ParluneExit "!insertmacro ParluneExit"
!define ParluneText "!insertmacro ParluneText"
!define ParluneLoadTexts "!insertmacro ParluneLoadTexts"
!define ParluneFill "!insertmacro ParluneFill"
!define ParluneFormat "!insertmacro ParluneFormat"
!define ParluneInitPacked "!insertmacro ParluneInitPacked"
!define ParluneInitLanguage "!insertmacro ParluneInitLanguage"
!define ParluneChooseLanguage "!insertmacro ParluneChooseLanguage"
!define ParluneLoadLanguage "!insertmacro ParluneLoadLanguage"
!define ParluneLoadedLanguage "!insertmacro ParluneLoadedLanguage"
!define ParluneRememberLanguage "!insertmacro ParluneRememberLanguage"
!define ParluneRememberChoice "!insertmacro ParluneRememberChoice"
!define ParluneLanguageId "!insertmacro ParluneLanguageId"
!define ParluneLanguageTag "!insertmacro ParluneLanguageTag"
!define ParluneLanguageDialog "!insertmacro ParluneLanguageDialog"
!define ParluneMuiLanguages "!insertmacro ParluneMuiLanguages"

!include "${__FILEDIR__}\Parlune\Calls.nsh"
!include "${__FILEDIR__}\Parlune\Texts.nsh"
!include "${__FILEDIR__}\Parlune\Packing.nsh"
!include "${__FILEDIR__}\Parlune\Table.nsh"
!include "${__FILEDIR__}\Parlune\FileChoice.nsh"
!include "${__FILEDIR__}\Parlune\Language.nsh"
!include "${__FILEDIR__}\Parlune\LanguageIds.nsh"
!include "${__FILEDIR__}\Parlune\Dialog.nsh"
!include "${__FILEDIR__}\Parlune\ModernUI.nsh"

!verbose pop
!endif
