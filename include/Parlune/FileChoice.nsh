; Parlune/FileChoice.nsh - which file the plug-in loads for a tag, and loading
; it, for Parlune.nsh. A choice is made once: asked of the stand-ins of a
; packed folder, or of the whole table's stand-ins for the files that a
; folder read at run time holds, and what it answers serves the dialog, the
; load and the id bridge.
;
; What the language life keeps: $Parlune.Loaded (the tag of the file chosen
; and loaded, "" for none), $Parlune.LoadedId (the id $LANGUAGE takes with
; it), $Parlune.Folder (a folder read at run time that texts load from), and
; $Parlune.OpenTag and $Parlune.OpenFolder (what Init is given to load the
; file again).
;
; A file beyond the table (cy.json) loads under a name the plug-in opens:
; copied as ar.json beside en.json, into Parlune.beyond for the packed
; folder (where its en.json was packed) and into Parlune.unpacked for a
; folder read at run time (with a copy of its en.json).

!define _PARLUNE_BEYOND_TAG ar  ; the table's first file, a name the plug-in opens

!macro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
  !insertmacro _ParluneVar Parlune.OpenTag
  !insertmacro _ParluneVar Parlune.OpenFolder
!macroend

; The choice for $Parlune.Key as the stand-in that the plug-in picks in
; FOLDER names it: FILE (unless "") gets its tag and ID its id, "" for none.
; Leaves the stand-ins loaded.
!macro _ParluneStandInChoice FOLDER FILE ID
  !insertmacro _ParluneVar Parlune.Handle
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.Key
  Push "${FOLDER}"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Handle
  !if "${FILE}" != ""
    StrCpy ${FILE} ""
  !endif
  StrCpy ${ID} ""
  ${If} $Parlune.Handle != "0"
    !if "${FILE}" != ""
      Push "ParluneFile"
      ${CallArtificialFunction} _ParluneGetStrCall_
      Pop ${FILE}
    !endif
    Push "ParluneId"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop ${ID}
  ${EndIf}
!macroend

; $Parlune.Form, $Parlune.Last and $Parlune.First: the plug-in's candidates
; of $Parlune.Key (the whole tag, the tag before its last "-", before its
; first "-"), "" where it has none. Without a tag and a file, NSIS's own
; choice of the user's language at start-up stands for the tag ($LANGUAGE,
; which the map reads as "=1106").
!macro _ParluneForms
  !insertmacro _ParluneVar Parlune.Form
  !insertmacro _ParluneVar Parlune.First
  !insertmacro _ParluneVar Parlune.Last
  !insertmacro _ParluneVar Parlune.At
  !insertmacro _ParluneVar Parlune.Char
  StrCpy $Parlune.Form $Parlune.Key
  ${If} $Parlune.Form == ""
  ${AndIf} $Parlune.Loaded == ""
    StrCpy $Parlune.Form $LANGUAGE
  ${EndIf}
  StrCpy $Parlune.First ""
  StrCpy $Parlune.Last ""
  StrCpy $Parlune.At 0
  ${Do}
    StrCpy $Parlune.Char $Parlune.Form 1 $Parlune.At
    ${If} $Parlune.Char == "-"
      StrCpy $Parlune.Last $Parlune.Form $Parlune.At
      ${IfThen} $Parlune.First == "" ${|} StrCpy $Parlune.First $Parlune.Last ${|}
    ${EndIf}
    IntOp $Parlune.At $Parlune.At + 1
  ${LoopUntil} $Parlune.Char == ""
!macroend

; One candidate FORM: $Parlune.Answer = what the loaded map says of it: "-"
; where a file of the table answers it, the tag of a file beyond the table
; that it names, else "" (and for "", since "=" names nothing).
!macro _ParluneMapForm FORM
  Push "=${FORM}"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Answer
!macroend

; $Parlune.Loaded and $Parlune.LoadedId = the choice for $Parlune.Key among this side's packed files. The plug-in picks
; among the stand-ins; a file beyond the table goes before the table's when
; a more specific candidate names it; when no file answers, an NSIS language
; of the installer that the tag names gives the id.
!macro _ParluneChoosePacked
  !insertmacro _ParluneSide
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneStandInChoice "$PLUGINSDIR\Parlune.files" $Parlune.Loaded $Parlune.LoadedId
  !if "${_PARLUNE_BEYOND_${_PARLUNE_SET_${_PARLUNE_SIDE}}}" != ""
    !insertmacro _ParluneVar Parlune.Answer
    !insertmacro _ParluneForms
    ; the first candidate the map answers decides
    !insertmacro _ParluneMapForm $Parlune.Form
    ${IfThen} $Parlune.Answer == "" ${|} !insertmacro _ParluneMapForm $Parlune.Last ${|}
    ${IfThen} $Parlune.Answer == "" ${|} !insertmacro _ParluneMapForm $Parlune.First ${|}
    ${If} $Parlune.Answer != "-"
    ${AndIf} $Parlune.Answer != ""
      StrCpy $Parlune.Loaded $Parlune.Answer
      Push ":$Parlune.Loaded"
      ${CallArtificialFunction} _ParluneGetStrCall_
      Pop $Parlune.LoadedId
    ${EndIf}
  !endif
  !ifdef _PARLUNE_EXTRA_${_PARLUNE_PACK_${_PARLUNE_SIDE}}
    ${If} $Parlune.Loaded == ""
      ; the stand-in en.json stays: "extra" has none
      Push $Parlune.Key
      Push "$PLUGINSDIR\Parlune.files\extra"
      ${CallArtificialFunction} _ParluneInitCall_
      Pop $Parlune.Handle
      ${If} $Parlune.Handle != "0"
        Push "ParluneId"
        ${CallArtificialFunction} _ParluneGetStrCall_
        Pop $Parlune.LoadedId
      ${EndIf}
    ${EndIf}
  !endif
!macroend

; The choice for the tag $Parlune.Language among this side's packed files.
; With PARLUNE_MIN_COVERAGE, a file below it that the user's language chose
; gives way to en.json.
!macro _ParluneChooseForLanguage
  !insertmacro _ParluneSide
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Key
  StrCpy $Parlune.Key $Parlune.Language
  !if "${_PARLUNE_PARTIAL_${_PARLUNE_SET_${_PARLUNE_SIDE}}}" == ""
    !insertmacro _ParluneChoosePacked
  !else
    ${Do}
      !insertmacro _ParluneChoosePacked
      ${IfThen} $Parlune.Key != "" ${|} ${ExitDo} ${|}
      !insertmacro _ParluneEach "${_PARLUNE_PARTIAL_${_PARLUNE_SET_${_PARLUNE_SIDE}}}" _ParluneIsPartial
    ${LoopUntil} $Parlune.Key == ""  ; the file chosen stands
  !endif
!macroend

; Within the loop above: en.json instead when the file chosen is TAG.
!macro _ParluneIsPartial TAG
  ${IfThen} $Parlune.Loaded == ${TAG} ${|} StrCpy $Parlune.Key en ${|}
!macroend

; One candidate FORM for a folder read at run time, unless an earlier one
; decided: "-" when the table maps it to a file the folder holds, its own
; name when the folder holds a file named by it.
!macro _ParluneFolderForm FORM
  ${If} $Parlune.Answer == ""
  ${AndIf} ${FORM} != ""
    Push "=${FORM}"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Char  ; the table's file for the candidate
    ${If} $Parlune.Char != ""
      ${IfThen} ${FileExists} "$PLUGINSDIR\Parlune.probe\$Parlune.Char.json" ${|} StrCpy $Parlune.Answer "-" ${|}
    ${Else}
      ; the name itself, not what it matches as a pattern
      FindFirst $Parlune.Find $Parlune.Found "$Parlune.Folder\${FORM}.json"
      FindClose $Parlune.Find
      ${IfThen} $Parlune.Found == "${FORM}.json" ${|} StrCpy $Parlune.Answer ${FORM} ${|}
    ${EndIf}
  ${EndIf}
!macroend

; The choice for $Parlune.Key among the files of $Parlune.Folder, which is
; not packed. The whole table's stand-ins of the files it holds go to a
; folder of their own, among which the plug-in picks as among the files;
; then the candidates of the tag weigh that file against files beyond the
; table; when none answers, the table's id of the tag.
!macro _ParluneChooseInFolder_
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Find
  !insertmacro _ParluneVar Parlune.Found
  !insertmacro _ParluneVar Parlune.Answer
  !insertmacro _ParluneVar Parlune.Size
  !insertmacro _ParluneVar Parlune.Handle
  !insertmacro _ParluneStateVars
  ${CallArtificialFunction} _ParluneTableFolder_
  RMDir /r "$PLUGINSDIR\Parlune.probe"
  CreateDirectory "$PLUGINSDIR\Parlune.probe"
  FindFirst $Parlune.Find $Parlune.Found "$Parlune.Folder\*.json"
  ${DoUntil} $Parlune.Found == ""
    ; the plug-in passes over an empty file
    StrCpy $Parlune.Size 0
    FileOpen $Parlune.Handle "$Parlune.Folder\$Parlune.Found" r
    FileSeek $Parlune.Handle 0 END $Parlune.Size
    FileClose $Parlune.Handle
    ${If} $Parlune.Size > 0
      CopyFiles /SILENT "$PLUGINSDIR\Parlune.table\$Parlune.Found" "$PLUGINSDIR\Parlune.probe"
    ${EndIf}
    FindNext $Parlune.Find $Parlune.Found
  ${Loop}
  FindClose $Parlune.Find
  !insertmacro _ParluneStandInChoice "$PLUGINSDIR\Parlune.probe" $Parlune.Loaded $Parlune.LoadedId
  ; the probe's en.json is the table's map, with every code the table knows
  !insertmacro _ParluneForms
  StrCpy $Parlune.Answer ""
  !insertmacro _ParluneFolderForm $Parlune.Form
  !insertmacro _ParluneFolderForm $Parlune.Last
  !insertmacro _ParluneFolderForm $Parlune.First
  ${If} $Parlune.Answer != "-"
  ${AndIf} $Parlune.Answer != ""
    StrCpy $Parlune.Loaded $Parlune.Answer
    StrCpy $Parlune.LoadedId ""
  ${ElseIf} $Parlune.Loaded == ""
    !insertmacro _ParluneStandInChoice "$PLUGINSDIR\Parlune.table" "" $Parlune.LoadedId
  ${EndIf}
!macroend

; Loads the choice, $Parlune.Loaded, from FOLDER; the handle on the stack.
; BEYOND says where a file beyond the table goes: "" where there is none,
; packed, or unpacked (a folder read at run time); the choice has left its
; tag in $Parlune.Answer.
!macro _ParluneLoadChoice FOLDER BEYOND
  !insertmacro _ParluneStateVars
  StrCpy $Parlune.OpenTag $Parlune.Loaded
  StrCpy $Parlune.OpenFolder "${FOLDER}"
  ${If} $Parlune.Loaded == ""
    StrCpy $Parlune.OpenTag "-"  ; a tag of no file: en.json alone
  !if "${BEYOND}" != ""
  ${ElseIf} $Parlune.Loaded == $Parlune.Answer  ; a file beyond the table, as the choice found it
    StrCpy $Parlune.OpenTag ${_PARLUNE_BEYOND_TAG}
    !if ${BEYOND} == packed
      StrCpy $Parlune.OpenFolder "$PLUGINSDIR\Parlune.beyond"
    !else
      StrCpy $Parlune.OpenFolder "$PLUGINSDIR\Parlune.unpacked"
      CreateDirectory $Parlune.OpenFolder
      Delete "$Parlune.OpenFolder\en.json"
      CopyFiles /SILENT "${FOLDER}\en.json" $Parlune.OpenFolder
    !endif
    CopyFiles /SILENT "${FOLDER}\$Parlune.Loaded.json" "$Parlune.OpenFolder\${_PARLUNE_BEYOND_TAG}.json"
  !endif
  ${EndIf}
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.OpenTag
  Push $Parlune.OpenFolder
  ${CallArtificialFunction} _ParluneInitCall_
!macroend

; After the choice in a folder read at run time: the file's own
; NsisLanguageId goes before the table's id. It is read from the file alone,
; copied where no en.json answers for it.
!macro _ParluneOwnId_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Handle
  ${If} $Parlune.Loaded != ""
    ${CallArtificialFunction} _ParluneExitCall_
    RMDir /r "$PLUGINSDIR\Parlune.own"
    CopyFiles /SILENT "$Parlune.Folder\$Parlune.Loaded.json" "$PLUGINSDIR\Parlune.own\${_PARLUNE_BEYOND_TAG}.json"
    Push ${_PARLUNE_BEYOND_TAG}
    Push "$PLUGINSDIR\Parlune.own"
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.Handle
    Push "NsisLanguageId"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Handle  ; the file's own id, else ""
    ${IfThen} $Parlune.Handle != "" ${|} StrCpy $Parlune.LoadedId $Parlune.Handle ${|}
  ${EndIf}
!macroend

; Loads again what the last load loaded, after the plug-in served another
; purpose; the handle on the stack ("0" when nothing was loaded).
!macro _ParluneReopen_
  !insertmacro _ParluneStateVars
  ${CallArtificialFunction} _ParluneExitCall_
  ${If} $Parlune.OpenFolder == ""
    Push "0"
  ${Else}
    Push $Parlune.OpenTag
    Push $Parlune.OpenFolder
    ${CallArtificialFunction} _ParluneInitCall_
  ${EndIf}
!macroend
