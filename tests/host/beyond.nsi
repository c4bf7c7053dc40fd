; Languages beyond the plug-in's code table: Welsh and Basque (NSIS has
; them), Hawaiian (NSIS lacks it) and de-at beside the table's de. Each run
; records what loaded, $LANGUAGE in a section and NSIS's own Cancel button,
; which follows the language through ${ParluneMuiLanguages}. /RUN=each loads
; tag after tag in one process (32-bit runs are slow). Results go to results.txt
; beside the installer; the uninstaller, run in place, appends to it.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"
!define PARLUNE_REGISTRY_ROOT HKCU
!define PARLUNE_REGISTRY_KEY "Software\Parlune beyond test"
!define PARLUNE_REGISTRY_VALUENAME "Language"
!include MUI2.nsh
!include Parlune.nsh

Name "Parlune beyond test"
OutFile "${OUTFILE}"
RequestExecutionLevel user

!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_INSTFILES
${ParluneMuiLanguages} beyond

${ParluneText} Greeting
${ParluneText} Farewell
Var out

; NSIS's own texts take a new $LANGUAGE after .onInit: CANCEL only in sections.
!macro Record FOLDER LABEL CANCEL
  FileOpen $out "${FOLDER}\results.txt" a
  FileSeek $out 0 END
  ${ParluneLoadedLanguage} $R1
  FileWriteUTF16LE $out "${LABEL}: [$R1] LANGUAGE=$LANGUAGE ${CANCEL}| $Greeting | $Farewell$\r$\n"
  FileClose $out
!macroend

!macro Each TAG
  ${ParluneLoadLanguage} "$PLUGINSDIR\Parlune" "${TAG}" $0
  !insertmacro Record $EXEDIR "each ${TAG}" ""
!macroend

Function .onInit
  StrCpy $INSTDIR "$EXEDIR\installed"
  ${ParluneInitLanguage} beyond $0
  ${GetParameters} $R0
  ${GetOptions} $R0 "/RUN=" $R0
  ${If} $R0 == each
    !insertmacro Record $EXEDIR "each: init" ""
    !insertmacro Each cy
    !insertmacro Each eu-ES
    !insertmacro Each haw
    ; the id bridge uses the plug-in, then loads Hawaiian again
    ${ParluneLanguageId} de-AT $R2
    ${ParluneLanguageTag} 1106 $R3
    ${ParluneGetStr} Greeting $R4
    FileOpen $out "$EXEDIR\results.txt" a
    FileSeek $out 0 END
    FileWriteUTF16LE $out "each: bridge de-AT=$R2 1106=$R3, then $R4$\r$\n"
    FileClose $out
    !insertmacro Each de-AT-1996
    !insertmacro Each de-CH
  ${EndIf}
FunctionEnd

Section
  !insertmacro Record $EXEDIR "install" "$(^CancelBtn) "
  SetOutPath $INSTDIR
  WriteUninstaller "$INSTDIR\uninstall.exe"
SectionEnd

Function un.onInit
  ${ParluneInitLanguage} beyond $0
FunctionEnd

Section "Uninstall"
  !insertmacro Record "$INSTDIR\.." "uninstall" "$(^CancelBtn) "
  DeleteRegKey HKCU "Software\Parlune beyond test"
SectionEnd
