; The language pieces over a folder that the installer reads at run time and
; never packs: choose, load and remember in the installer, then the
; uninstaller reads the folder from $INSTDIR. Results go to results.txt beside
; the installer; the uninstaller, run in place, appends to it.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"
!define PARLUNE_REGISTRY_ROOT HKCU
!define PARLUNE_REGISTRY_KEY "Software\Parlune pieces test"
!define PARLUNE_REGISTRY_VALUENAME "Language"
!include Parlune.nsh

Name "Parlune pieces test"
OutFile "${OUTFILE}"
RequestExecutionLevel user
SilentInstall silent

${ParluneText} Greeting
${ParluneText} Farewell
Var out

!macro Open FOLDER MODE
  FileOpen $out "${FOLDER}\results.txt" ${MODE}
  FileSeek $out 0 END
!macroend

!macro Record LABEL VALUE
  FileWriteUTF16LE $out "${LABEL}=${VALUE}$\r$\n"
!macroend

; Loads FOLDER for TAG with $LANGUAGE at English's id, and records what came.
!macro LoadCase LABEL FOLDER TAG
  StrCpy $LANGUAGE 1033
  ${ParluneLoadLanguage} "${FOLDER}" "${TAG}" $1
  ${IfThen} $1 != "0" ${|} StrCpy $1 "set" ${|}
  ${ParluneLoadedLanguage} $2
  !insertmacro Record "${LABEL}" "[$2] LANGUAGE=$LANGUAGE handle=$1 texts=$Greeting | $Farewell"
!macroend

Function .onInit
  StrCpy $INSTDIR "$EXEDIR\installed"
  !insertmacro Open $EXEDIR w
  ; the user's language (LANG=ja_JP), a file's own id, an empty file passed
  ; over (its tag's id stands), a tag without any file
  !insertmacro LoadCase "load ja_JP" "$EXEDIR\pieces" ""
  !insertmacro LoadCase "load fil-PH" "$EXEDIR\pieces" "fil-PH"
  !insertmacro LoadCase "load fr-CA" "$EXEDIR\pieces" "fr-CA"
  !insertmacro LoadCase "load xx" "$EXEDIR\pieces" "xx"
  ; a file beyond the code table, found by the tag before its "-"
  !insertmacro LoadCase "load cy-GB" "$EXEDIR\pieces" "cy-GB"
  ; the plug-in's own call with the pieces around it
  ${ParluneChooseLanguage} $0
  ${ParluneInit} "$EXEDIR\pieces" $0 $1
  ${ParluneLoadTexts}
  !insertmacro Record "choose /LANG=1031, init" "$0: $Greeting"
  ${ParluneLanguageId} "de-AT" $2
  !insertmacro Record "id de-AT" "$2"
  ; the last load is the one remembered
  !insertmacro LoadCase "load $0" "$EXEDIR\pieces" $0
  FileClose $out
FunctionEnd

Section
  SetOutPath "$INSTDIR\pieces"
  CopyFiles /SILENT "$EXEDIR\pieces\*.json" "$INSTDIR\pieces"
  WriteUninstaller "$INSTDIR\uninstall.exe"
SectionEnd

Function un.onInit
  !insertmacro Open "$INSTDIR\.." a  ; it runs in place, from $INSTDIR
  ${ParluneChooseLanguage} $0
  !insertmacro Record "un.choose" "$0"
  !insertmacro LoadCase "un.load $0" "$INSTDIR\pieces" $0
  FileClose $out
FunctionEnd

Section "Uninstall"
  DeleteRegKey HKCU "Software\Parlune pieces test"
SectionEnd
