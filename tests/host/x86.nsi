; The 32-bit plug-in and stub in one GUI run, since every 32-bit start costs
; a minute under emulation: the plug-in's own calls in .onInit (no window
; yet), then the macros over files beyond the code table, NSIS's own text in
; the section, which runs on the install thread, and a text after Exit in
; .onGUIEnd. Started with /LANG=cy, so no language dialog waits. Results go
; to results.txt beside the installer.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"
!include MUI2.nsh
!include Parlune.nsh

Name "Parlune 32-bit test"
OutFile "${OUTFILE}"
RequestExecutionLevel user
AutoCloseWindow true

!insertmacro MUI_PAGE_INSTFILES
${ParluneMuiLanguages} beyond

${ParluneText} Greeting
${ParluneText} Farewell
Var out
!include dll_cases.nsh

!macro Loaded LABEL CANCEL
  ${ParluneLoadedLanguage} $R1
  FileWriteUTF16LE $out "${LABEL}: [$R1] LANGUAGE=$LANGUAGE ${CANCEL}| $Greeting | $Farewell$\r$\n"
!macroend

!macro Each TAG
  ${ParluneLoadLanguage} "$PLUGINSDIR\Parlune" "${TAG}" $0
  !insertmacro Loaded "each ${TAG}" ""
!macroend

Function .onInit
  FileOpen $out "$EXEDIR\results.txt" w
  !insertmacro DllCases
  ${ParluneInitLanguage} beyond $0
  !insertmacro Loaded "each: init" ""
  !insertmacro Each eu-ES
  !insertmacro Each haw
  ${ParluneLanguageId} de-AT $R2
  ${ParluneLanguageTag} 2074 $R3
  ${ParluneGetStr} Greeting $R4
  FileWriteUTF16LE $out "each: bridge de-AT=$R2 2074=$R3, then $R4$\r$\n"
  !insertmacro Each de-AT-1996
  !insertmacro Each de-CH
  FileClose $out
FunctionEnd

Section
  FileOpen $out "$EXEDIR\results.txt" a
  FileSeek $out 0 END
  !insertmacro Loaded "install thread" "$(^CancelBtn) "
  FileClose $out
SectionEnd

Function .onGUIEnd
  ${ParluneExit}
  ${ParluneGetStr} Greeting $R4
  FileOpen $out "$EXEDIR\results.txt" a
  FileSeek $out 0 END
  FileWriteUTF16LE $out "after-exit=[$R4]$\r$\n"
  FileClose $out
FunctionEnd
