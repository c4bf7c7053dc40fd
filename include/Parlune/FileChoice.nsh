; Parlune/FileChoice.nsh - which file the plug-in loads for a tag, for
; Parlune.nsh: asked of the stand-ins of a packed folder, or of the whole
; table's stand-ins for the files a folder read at run time holds.
;
; What the language life keeps: $Parlune.Language (the tag chosen),
; $Parlune.Folder (the folder loaded), $Parlune.Loaded and $Parlune.LoadedId
; (the file that loaded and the id $LANGUAGE took).
;
; A file beyond the plug-in's code table (cy.json) loads under a name the
; plug-in opens. From a packed folder it is copied with en.json, as ar.json,
; to $PLUGINSDIR\Parlunear-x-, and $Parlune.Own = "ar-x-" goes after the
; folder and before the tag: the plug-in reads that folder, and the tag's
; least specific form is "ar". From a folder read at run time, en.json loads
; from the folder with the tag, then the file alone from
; $PLUGINSDIR\Parlune.lang as ar.json takes the language slot
; ($Parlune.OwnFile is its tag).

!macro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
!macroend

!macro _ParluneBeyondVars
  !insertmacro _ParluneVar Parlune.Own
  !insertmacro _ParluneVar Parlune.OwnFile
!macroend

!define _PARLUNE_OWN_TAG ar
!define _PARLUNE_OWN_PREFIX ar-x-
!define _PARLUNE_OWN_FOLDER "$PLUGINSDIR\Parlune.lang"

; _PARLUNE_BEYOND: 1 when this side's packed files go beyond the code table,
; or loading from a folder read at run time is compiled: the plug-in is
; then given the tag and folder through _ParlunePushLoad.
!macro _ParluneBeyondPossible
  !insertmacro _ParluneSide
  !define /redef _PARLUNE_BEYOND 0
  !ifdef _PARLUNE_BEYOND_${_PARLUNE_SET_${_PARLUNE_SIDE}} | _PARLUNE_IN_FOLDER_${_PARLUNE_SIDE}
    !define /redef _PARLUNE_BEYOND 1
    !insertmacro _ParluneBeyondVars
  !endif
!macroend

; Pushes the tag and folder of a file that loads, for the plug-in's Init.
!macro _ParlunePushLoad TAG FOLDER
  !insertmacro _ParluneBeyondPossible
  !if ${_PARLUNE_BEYOND} = 1
    Push "$Parlune.Own${TAG}"
    Push "${FOLDER}$Parlune.Own"
  !else
    Push "${TAG}"
    Push "${FOLDER}"
  !endif
!macroend

; The handle on the stack: after a folder read at run time, the file beyond
; the table that loads takes the language slot, and its handle replaces the
; one given.
!macro _ParluneInitOwn_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneBeyondVars
  ${If} $Parlune.OwnFile != ""
  ${AndIf} $Parlune.OwnFile == $Parlune.Loaded
    Pop $Parlune.OwnFile
    StrCpy $Parlune.OwnFile $Parlune.Loaded
    Push ${_PARLUNE_OWN_TAG}
    Push "${_PARLUNE_OWN_FOLDER}"
    ${CallArtificialFunction} _ParluneInitCall_
  ${EndIf}
!macroend

; $Parlune.Own = the first of the plug-in's candidates of TAG (the whole
; tag, the tag before its last "-", before its first "-") that the stand-in
; en.json of a set with files beyond the table maps ("=de-at"): to "-" for
; the table's file, which the plug-in has picked, or to the tag of a file
; beyond the table; "" for none. Without a tag and a file for the user's
; language, NSIS's own choice at start-up stands for that ($LANGUAGE, mapped
; as "=1106").
!macro _ParluneBeyondForm TAG
  !insertmacro _ParluneForms ${TAG}
  ; a form that is not there asks for "=", which maps nothing
  Push "=$Parlune.Form"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Own
  ${If} $Parlune.Own == ""
    Push "=$Parlune.Last"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Own
  ${EndIf}
  ${If} $Parlune.Own == ""
    Push "=$Parlune.First"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Own
  ${EndIf}
!macroend

; $Parlune.Form, $Parlune.Last and $Parlune.First: the plug-in's candidates
; of TAG, "" where the tag has none; $LANGUAGE for no tag when no file loads.
!macro _ParluneForms TAG
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneBeyondVars
  !insertmacro _ParluneVar Parlune.Form
  !insertmacro _ParluneVar Parlune.First
  !insertmacro _ParluneVar Parlune.Last
  !insertmacro _ParluneVar Parlune.At
  !insertmacro _ParluneVar Parlune.Part
  StrCpy $Parlune.Form ${TAG}
  ${If} $Parlune.Form == ""
  ${AndIf} $Parlune.Loaded == ""
    StrCpy $Parlune.Form $LANGUAGE
  ${EndIf}
  StrCpy $Parlune.First ""
  StrCpy $Parlune.Last ""
  StrCpy $Parlune.At 0
  ${Do}
    StrCpy $Parlune.Part $Parlune.Form 1 $Parlune.At
    ${If} $Parlune.Part == "-"
      StrCpy $Parlune.Last $Parlune.Form $Parlune.At
      ${IfThen} $Parlune.First == "" ${|} StrCpy $Parlune.First $Parlune.Last ${|}
    ${EndIf}
    IntOp $Parlune.At $Parlune.At + 1
  ${LoopUntil} $Parlune.Part == ""
!macroend

; With the stand-ins of this side's packed set loaded: when a file beyond
; the table wins, $Parlune.Loaded and $Parlune.LoadedId are its tag and id
; (the map's ":cy"), and it is copied for loading.
!macro _ParluneSelectBeyond TAG
  !insertmacro _ParluneBeyondForm ${TAG}
  ${IfThen} $Parlune.Own == "-" ${|} StrCpy $Parlune.Own "" ${|}
  ${If} $Parlune.Own != ""
    Push ":$Parlune.Own"
    StrCpy $Parlune.Loaded $Parlune.Own
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.LoadedId
    CopyFiles /SILENT "$PLUGINSDIR\Parlune\$Parlune.Loaded.json" "$PLUGINSDIR\Parlune${_PARLUNE_OWN_PREFIX}\${_PARLUNE_OWN_TAG}.json"
    CopyFiles /SILENT "$PLUGINSDIR\Parlune\en.json" "$PLUGINSDIR\Parlune${_PARLUNE_OWN_PREFIX}\en.json"
    StrCpy $Parlune.Own ${_PARLUNE_OWN_PREFIX}
  ${EndIf}
!macroend

; Tag and stand-in folder on the stack: $Parlune.Loaded and
; $Parlune.LoadedId = the file and the id that the stand-in the plug-in
; picks for the tag names, "" for none. Leaves the stand-ins loaded. Inline,
; since a packed folder needs it once.
!macro _ParlunePickStandIn
  !insertmacro _ParluneStateVars
  ${CallArtificialFunction} _ParluneExitCall_
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Loaded
  StrCpy $Parlune.LoadedId ""
  ${If} $Parlune.Loaded == "0"
    StrCpy $Parlune.Loaded ""
  ${Else}
    Push "ParluneFile"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Loaded
    Push "ParluneId"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.LoadedId
  ${EndIf}
!macroend

; A tag on the stack, which is $Parlune.Language: the file that loads for it
; from this side's packed folder and its id, as _ParlunePickStandIn gives
; them, or a file beyond the table; when no file loads, the id of the
; installer's NSIS language that the tag names.
!macro _ParluneSelectPacked_
  !insertmacro _ParluneSide
  !define /redef _PARLUNE_SELECT_SET ${_PARLUNE_SET_${_PARLUNE_SIDE}}
  !ifdef _PARLUNE_EXTRA_${_PARLUNE_SELECT_SET}
    !insertmacro _ParluneVar Parlune.Key
    Pop $Parlune.Key
    Push $Parlune.Key
  !endif
  Push "$PLUGINSDIR\Parlune.files"
  !insertmacro _ParlunePickStandIn
  !ifdef _PARLUNE_BEYOND_${_PARLUNE_SELECT_SET}
    !insertmacro _ParluneVar Parlune.Language
    !insertmacro _ParluneSelectBeyond $Parlune.Language
  !endif
  !ifdef _PARLUNE_EXTRA_${_PARLUNE_SELECT_SET}
    ${If} $Parlune.Loaded == ""
      Push $Parlune.Key
      Push "$PLUGINSDIR\Parlune.files\extra"
      !insertmacro _ParlunePickStandIn
    ${EndIf}
  !endif
!macroend

; After _ParluneSelectPacked_ for no tag: a file below PARLUNE_MIN_COVERAGE
; that the user's language chose gives way to en.json, which then counts as
; the tag chosen.
!macro _ParluneSkipPartial
  !insertmacro _ParluneSide
  !ifdef _PARLUNE_PARTIAL_${_PARLUNE_SET_${_PARLUNE_SIDE}}
    !insertmacro _ParluneVar Parlune.Part
    ${If} $Parlune.Language == ""
      StrCpy $Parlune.Part ""
      !insertmacro _ParluneEach "${_PARLUNE_PARTIAL_${_PARLUNE_SET_${_PARLUNE_SIDE}}}" _ParluneIsPartial
      ${If} $Parlune.Part == 1
        StrCpy $Parlune.Language en
        Push en
        ${CallArtificialFunction} _ParluneSelectPacked_
      ${EndIf}
    ${EndIf}
  !endif
!macroend

!macro _ParluneIsPartial TAG
  ${IfThen} $Parlune.Loaded == ${TAG} ${|} StrCpy $Parlune.Part 1 ${|}
!macroend

; One candidate FORM of the tag for a folder read at run time, unless an
; earlier one decided: "-" when the table maps it to a file the folder holds,
; its own name when the folder holds a file named by it.
!macro _ParluneInFolderForm FORM
  ${If} $Parlune.Own == ""
  ${AndIf} ${FORM} != ""
    Push "=${FORM}"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Part
    ${If} $Parlune.Part != ""
      ${IfThen} ${FileExists} "$PLUGINSDIR\Parlune.probe\$Parlune.Part.json" ${|} StrCpy $Parlune.Own "-" ${|}
    ${Else}
      ; the name itself, not what it matches as a pattern
      FindFirst $Parlune.Find $Parlune.Found "$Parlune.Source\${FORM}.json"
      FindClose $Parlune.Find
      ${IfThen} $Parlune.Found == "${FORM}.json" ${|} StrCpy $Parlune.Own ${FORM} ${|}
    ${EndIf}
  ${EndIf}
!macroend

; Tag and folder on the stack: the same answers for a folder that is not
; packed. The whole table's stand-ins of the files the folder holds go to a
; folder of their own, among which the plug-in picks as among the files;
; then the candidates of the tag weigh that file against files beyond the
; table; when none loads, the table's id of the tag. A file's own
; NsisLanguageId, read from the file alone, goes before the table's.
!macro _ParluneSelectInFolder_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneBeyondVars
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Source
  !insertmacro _ParluneVar Parlune.Find
  !insertmacro _ParluneVar Parlune.Found
  !insertmacro _ParluneVar Parlune.Part
  !insertmacro _ParluneVar Parlune.Size
  Pop $Parlune.Source
  Pop $Parlune.Key
  ${CallArtificialFunction} _ParluneTableFolder_
  RMDir /r "$PLUGINSDIR\Parlune.probe"
  CreateDirectory "$PLUGINSDIR\Parlune.probe"
  FindFirst $Parlune.Find $Parlune.Found "$Parlune.Source\*.json"
  ${DoUntil} $Parlune.Found == ""
    ; the plug-in passes over an empty file
    StrCpy $Parlune.Size 0
    FileOpen $Parlune.Part "$Parlune.Source\$Parlune.Found" r
    FileSeek $Parlune.Part 0 END $Parlune.Size
    FileClose $Parlune.Part
    ${If} $Parlune.Size > 0
      CopyFiles /SILENT "$PLUGINSDIR\Parlune.table\$Parlune.Found" "$PLUGINSDIR\Parlune.probe"
    ${EndIf}
    FindNext $Parlune.Find $Parlune.Found
  ${Loop}
  FindClose $Parlune.Find
  Push $Parlune.Key
  Push "$PLUGINSDIR\Parlune.probe"
  !insertmacro _ParlunePickStandIn
  ; the probe's en.json is the table's map, with every tag the table knows
  !insertmacro _ParluneForms $Parlune.Key
  StrCpy $Parlune.Own ""
  !insertmacro _ParluneInFolderForm $Parlune.Form
  !insertmacro _ParluneInFolderForm $Parlune.Last
  !insertmacro _ParluneInFolderForm $Parlune.First
  StrCpy $Parlune.OwnFile ""
  ${If} $Parlune.Own != "-"
  ${AndIf} $Parlune.Own != ""
    StrCpy $Parlune.Loaded $Parlune.Own
    StrCpy $Parlune.LoadedId ""
    StrCpy $Parlune.OwnFile $Parlune.Own
    CopyFiles /SILENT "$Parlune.Source\$Parlune.Loaded.json" "${_PARLUNE_OWN_FOLDER}\${_PARLUNE_OWN_TAG}.json"
  ${EndIf}
  StrCpy $Parlune.Own ""
  ${If} $Parlune.Loaded == ""
    Push $Parlune.Key
    Push "$PLUGINSDIR\Parlune.table"
    !insertmacro _ParlunePickStandIn
    StrCpy $Parlune.Loaded ""
  ${Else}
    ${CallArtificialFunction} _ParluneExitCall_
    CopyFiles /SILENT "$Parlune.Source\$Parlune.Loaded.json" "$PLUGINSDIR\Parlune.own\${_PARLUNE_OWN_TAG}.json"
    Push ${_PARLUNE_OWN_TAG}
    Push "$PLUGINSDIR\Parlune.own"
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.Part
    Push "NsisLanguageId"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Part
    ${IfThen} $Parlune.Part != "" ${|} StrCpy $Parlune.LoadedId $Parlune.Part ${|}
    RMDir /r "$PLUGINSDIR\Parlune.own"
  ${EndIf}
!macroend
