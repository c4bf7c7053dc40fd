; Parlune/FileChoice.nsh - which file the plug-in loads for a tag, for
; Parlune.nsh: asked of the stand-ins of a packed folder, or of the whole
; table's stand-ins for the files a folder read at run time holds.
;
; What the language life keeps: $Parlune.Language (the tag chosen),
; $Parlune.Folder (the folder loaded), $Parlune.Loaded and $Parlune.LoadedId
; (the file that loaded and the id $LANGUAGE took).

!macro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
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

; A tag on the stack: the file that the plug-in loads for it from this
; side's packed folder and its id, as _ParlunePickStandIn gives them; when
; no file loads, the id of the installer's NSIS language that the tag names.
!macro _ParluneSelectPacked_
  !insertmacro _ParluneSide
  !ifdef _PARLUNE_EXTRA_${_PARLUNE_SET_${_PARLUNE_SIDE}}
    !insertmacro _ParluneVar Parlune.Key
    Pop $Parlune.Key
    Push $Parlune.Key
  !endif
  Push "$PLUGINSDIR\Parlune.files"
  !insertmacro _ParlunePickStandIn
  !ifdef _PARLUNE_EXTRA_${_PARLUNE_SET_${_PARLUNE_SIDE}}
    ${If} $Parlune.Loaded == ""
      Push $Parlune.Key
      Push "$PLUGINSDIR\Parlune.files\extra"
      !insertmacro _ParlunePickStandIn
    ${EndIf}
  !endif
!macroend

; Tag and folder on the stack: the same answers for a folder that is not
; packed. The whole table's stand-ins of the files the folder holds go to a
; folder of their own, among which the plug-in picks as among the files;
; when none loads, the table's id of the tag. A file's own NsisLanguageId,
; read from the file alone, goes before the table's.
!macro _ParluneSelectInFolder_
  !insertmacro _ParluneStateVars
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
  ${If} $Parlune.Loaded == ""
    Push $Parlune.Key
    Push "$PLUGINSDIR\Parlune.table"
    !insertmacro _ParlunePickStandIn
    StrCpy $Parlune.Loaded ""
  ${Else}
    ${CallArtificialFunction} _ParluneExitCall_
    CopyFiles /SILENT "$Parlune.Source\$Parlune.Loaded.json" "$PLUGINSDIR\Parlune.own\$Parlune.Loaded.json"
    Push $Parlune.Loaded
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
