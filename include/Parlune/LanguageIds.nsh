; Parlune/LanguageIds.nsh - between NSIS language ids and file tags, for
; Parlune.nsh, through the whole language table.
;
;   ${ParluneLanguageId} TAG $id    the NSIS language id of the file the
;                                   plug-in loads for TAG ("" for none)
;   ${ParluneLanguageTag} ID $tag   the file tag of an NSIS language id ("" for none)
;
; Both use the plug-in, then load the files of the last ${ParluneLoadLanguage}
; again.

; Loads the files that ParluneLoadLanguage loaded again, after the bridge
; has used the plug-in.
!macro _ParluneReload_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneBeyondVars
  !insertmacro _ParluneVar Parlune.Part
  ${CallArtificialFunction} _ParluneExitCall_
  ${If} $Parlune.Folder != ""
    ${If} $Parlune.Loaded == ""
      Push "-"  ; a tag of no file: en.json alone
    ${Else}
      Push "$Parlune.Own$Parlune.Loaded"
    ${EndIf}
    Push "$Parlune.Folder$Parlune.Own"
    ${CallArtificialFunction} _ParluneInitCall_
    ${CallArtificialFunction} _ParluneInitOwn_
    Pop $Parlune.Part  ; the handle, which the script has already
  ${EndIf}
!macroend

; A tag on the stack, the id of the table's file that the plug-in loads for
; it back ("" for none, and for "", where the plug-in would take the user's
; language).
!macro _ParluneLanguageId_
  !insertmacro _ParluneVar Parlune.Key
  Pop $Parlune.Key
  ${If} $Parlune.Key == ""
    Push ""
  ${Else}
    ${CallArtificialFunction} _ParluneTableFolder_
    ${CallArtificialFunction} _ParluneExitCall_
    Push $Parlune.Key
    Push "$PLUGINSDIR\Parlune.table"
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.Key
    ${If} $Parlune.Key == "0"
      Push ""
    ${Else}
      Push "ParluneId"
      ${CallArtificialFunction} _ParluneGetStrCall_
    ${EndIf}
    ${CallArtificialFunction} _ParluneReload_
  ${EndIf}
!macroend

!macro ParluneLanguageId TAG ID
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Push "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageId_
  Pop ${ID}
  !verbose pop
!macroend

; An NSIS language id on the stack, its file's tag back ("" for none).
!macro _ParluneLanguageTag_
  !insertmacro _ParluneVar Parlune.Key
  ${CallArtificialFunction} _ParluneTableFolder_
  Push ""
  Push "$PLUGINSDIR\Parlune.table"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Key
  ${CallArtificialFunction} _ParluneGetStrCall_
  ${CallArtificialFunction} _ParluneReload_
!macroend

!macro ParluneLanguageTag ID TAG
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Push "${ID}"
  ${CallArtificialFunction} _ParluneLanguageTag_
  Pop ${TAG}
  !verbose pop
!macroend
