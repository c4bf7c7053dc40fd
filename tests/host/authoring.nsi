; The authoring macros of Parlune.nsh in a real installer and uninstaller.
; Every run appends what it saw to results.txt beside the installer, under the
; label given by /RUN=. With -DGUI the installer is not silent: .onInit shows
; the language dialog, records the choice and quits.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"

!define PARLUNE_REGISTRY_ROOT HKCU
!define PARLUNE_REGISTRY_KEY "Software\Parlune authoring test"
!define PARLUNE_REGISTRY_VALUENAME "Language"
; The script keeps its own .onInstSuccess and remembers the language there.
!define PARLUNE_OWN_INSTSUCCESS
!include Parlune.nsh

; Italian NSIS texts but no it.json: /LANG=it still sets $LANGUAGE to 1040.
LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Italian.nlf"

Name "Parlune authoring test"
OutFile "${OUTFILE}"
RequestExecutionLevel user
!ifdef GUI
  SilentInstall normal
!else
  SilentInstall silent
!endif

${ParluneText} Greeting
${ParluneText} Farewell
${ParluneText} Welcome
; Filled in every declared text whenever texts load, with the value of then.
${ParluneFill} APP "Parlune"
${ParluneFill} INSTDIR "dir-$LANGUAGE"
Var out
Var run
Var handle

!macro Open
  ${GetParameters} $0
  ${GetOptions} $0 "/RUN=" $run
  FileOpen $out "$EXEDIR\results.txt" a
  FileSeek $out 0 END
!macroend

!macro Record LABEL VALUE
  FileWriteUTF16LE $out "$run ${LABEL}=${VALUE}$\r$\n"
!macroend

; Every register gets its own name; CheckRegisters records whether a macro
; left them so.
!define REGISTERS "$0 $1 $2 $3 $4 $5 $6 $7 $8 $9 $R0 $R1 $R2 $R3 $R4 $R5 $R6 $R7 $R8 $R9"
!macro MarkRegisters
  !insertmacro MarkTen 0 1 2 3 4 5 6 7 8 9
  !insertmacro MarkTen R0 R1 R2 R3 R4 R5 R6 R7 R8 R9
!macroend
!macro MarkTen A B C D E F G H I J
  StrCpy $${A} "${A}"
  StrCpy $${B} "${B}"
  StrCpy $${C} "${C}"
  StrCpy $${D} "${D}"
  StrCpy $${E} "${E}"
  StrCpy $${F} "${F}"
  StrCpy $${G} "${G}"
  StrCpy $${H} "${H}"
  StrCpy $${I} "${I}"
  StrCpy $${J} "${J}"
!macroend
!macro CheckRegisters
  ${If} "${REGISTERS}" S== "0 1 2 3 4 5 6 7 8 9 R0 R1 R2 R3 R4 R5 R6 R7 R8 R9"
    !insertmacro Record "registers" "kept"
  ${Else}
    !insertmacro Record "registers" "changed: ${REGISTERS}"
  ${EndIf}
!macroend

; What InitLanguage chose and loaded.
!macro RecordLanguage HANDLE
  ${ParluneLoadedLanguage} $1
  !insertmacro Record "loaded" "[$1] LANGUAGE=$LANGUAGE handle=${HANDLE}"
  !insertmacro Record "texts" "$Greeting | $Farewell | $Welcome"
!macroend

!macro InitAndRecord
  !insertmacro Open
  StrCpy $LANGUAGE 1033
  !ifdef GUI
    !insertmacro Record "started" ""
  !endif
  !insertmacro MarkRegisters
  ${ParluneInitLanguage} "languages\authoring" $handle
  !insertmacro CheckRegisters
  StrCmp $handle "0" +2
  StrCpy $handle "set"
  !insertmacro RecordLanguage $handle
!macroend

!macro FormatCase TEXT NAME VALUE
  StrCpy $2 "${TEXT}"
  ${ParluneFormat} $2 "${NAME}" "${VALUE}"
  !insertmacro Record "format" "${TEXT} -> $2"
!macroend

!macro IdCase TAG
  ${ParluneLanguageId} "${TAG}" $2
  !insertmacro Record "id" "${TAG} -> $2"
!macroend

!macro TagCase ID
  ${ParluneLanguageTag} "${ID}" $2
  !insertmacro Record "tag" "${ID} -> $2"
!macroend

; Every code of the language table against the plug-in's own choice: a
; stand-in file per row names its first NSIS id, the plug-in picks one for
; each code, and ${ParluneLanguageId} must give that id; an id read back as a
; tag must give the same id again.
!macro _StandInRow TAG NAME IDS NSIS CODES
  FileOpen $0 "$PLUGINSDIR\all\${TAG}.json" w
  !searchparse /noerrors "${IDS} " "" _STAND_IN_ID " "
  FileWrite $0 '{"Id":"${_STAND_IN_ID}"}'
  !undef _STAND_IN_ID
  FileClose $0
!macroend

!macro _AgreementRow TAG NAME IDS NSIS CODES
  StrCpy $R1 "${CODES} "
  Call CompareCodes
!macroend

; $R1: codes, each followed by a space; $R2 counts them, $R3 lists those that differ.
Function CompareCodes
  ${Do}
    StrCpy $R4 0
    ${Do}
      StrCpy $R5 $R1 1 $R4
      ${IfThen} $R5 == " " ${|} ${Break} ${|}
      ${IfThen} $R5 == "" ${|} ${Break} ${|}
      IntOp $R4 $R4 + 1
    ${Loop}
    StrCpy $R5 $R1 $R4
    IntOp $R4 $R4 + 1
    StrCpy $R1 $R1 "" $R4
    IntOp $R2 $R2 + 1
    ${ParluneInit} "$PLUGINSDIR\all" $R5 $0
    ${ParluneGetStr} "Id" $R6
    ${ParluneLanguageId} $R5 $R7
    ${ParluneLanguageTag} $R7 $R8
    ${ParluneLanguageId} $R8 $R9
    ${If} $R6 != $R7
    ${OrIf} $R9 != $R7
      StrCpy $R3 "$R3 $R5:$R6/$R7/$R9"
    ${EndIf}
  ${LoopUntil} $R1 == ""
FunctionEnd

!macro TableAgreement
  CreateDirectory "$PLUGINSDIR\all"
  !insertmacro _ParluneLanguageRows _StandInRow
  StrCpy $R2 0
  StrCpy $R3 ""
  !insertmacro _ParluneLanguageRows _AgreementRow
  ${ParluneExit}
  !insertmacro Record "table" "$R2 codes, differing:$R3"
!macroend

Function .onInit
  !insertmacro InitAndRecord
  !ifdef GUI
    FileClose $out
    Quit
  !endif
FunctionEnd

Section
  StrCmp $run "bridge" 0 done
  !insertmacro IdCase "de"
  !insertmacro IdCase "DE-at"
  !insertmacro IdCase "sr-Latn-RS"
  !insertmacro IdCase "zh-tw"
  !insertmacro IdCase "en-GB"
  !insertmacro IdCase "es-419"
  !insertmacro IdCase "fil"
  !insertmacro IdCase "es-MX"
  !insertmacro IdCase "zh-SG"
  !insertmacro IdCase "zh-HK"
  !insertmacro IdCase "zh-Hant-TW"
  !insertmacro IdCase "fil-PH"
  !insertmacro IdCase "xx"
  !insertmacro IdCase ""
  !insertmacro TagCase "1031"
  !insertmacro TagCase "2074"
  !insertmacro TagCase "9242"
  !insertmacro TagCase "1033"
  !insertmacro TagCase "2057"
  !insertmacro TagCase "3082"
  !insertmacro TagCase "5124"
  !insertmacro TagCase "103"
  !insertmacro TagCase "4242"

  !insertmacro TableAgreement
  !insertmacro FormatCase "Install {{APP}} into {{INSTDIR}}" "APP" "Parlune"
  !insertmacro FormatCase "{{APP}}{{APP}}, {{app}} and {{APP}" "APP" "x"
  !insertmacro FormatCase "{{APP}} stays {{APP}}" "APP" "{{APP}}!"
  !insertmacro FormatCase "cost: {{PRICE}}" "PRICE" "$$5 C:\new\{{X}}"
  !insertmacro FormatCase "{{{{APP}}}}" "APP" "A"
  !insertmacro FormatCase "" "APP" "x"
  !insertmacro MarkRegisters
  ${ParluneFormat} $R3 "R3" "three"
  ${ParluneLanguageId} "de" $R8
  ${ParluneLanguageTag} "1031" $1
  ${ParluneChooseLanguage} $9
  StrCpy $R3 "R3"
  StrCpy $R8 "R8"
  StrCpy $1 "1"
  StrCpy $9 "9"
  !insertmacro CheckRegisters
  done:
  WriteUninstaller "$EXEDIR\uninstall.exe"
SectionEnd

Function .onInstSuccess
  ${ParluneRememberChoice}
  ReadRegStr $0 HKCU "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}"
  !insertmacro Record "remembered" "$0"
  FileClose $out
FunctionEnd

Function un.onInit
  !insertmacro InitAndRecord
  FileClose $out
FunctionEnd

Section "Uninstall"
SectionEnd
