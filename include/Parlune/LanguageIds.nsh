; Parlune/LanguageIds.nsh - between NSIS language ids and file tags, for
; Parlune.nsh, through the whole language table.
;
;   ${ParluneLanguageId} TAG $id    the NSIS language id of the file the
;                                   plug-in loads for TAG ("" for none)
;   ${ParluneLanguageTag} ID $tag   the file tag of an NSIS language id ("" for none)
;
; Both use the plug-in, then load the files of the last ${ParluneLoadLanguage}
; again.

; A tag on the stack, the id of the table's file that the plug-in loads for
; it back ("" for none, and for "", where the plug-in would take the user's
; language); then what was loaded loads again.
!macro _ParluneLanguageId_
  !insertmacro _ParluneVar Parlune.Answer
  !insertmacro _ParluneVar Parlune.Key
  Pop $Parlune.Key
  ${If} $Parlune.Key == ""
    Push ""
  ${Else}
    ${CallArtificialFunction} _ParluneTableFolder_
    !insertmacro _ParluneStandInChoice "$PLUGINSDIR\Parlune.table" "" $Parlune.Answer
    ${CallArtificialFunction} _ParluneReopen_
    Pop $Parlune.Key  ; the handle, which the script has already
    Push $Parlune.Answer
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
  ${CallArtificialFunction} _ParluneExitCall_
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Key
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Key
  ${CallArtificialFunction} _ParluneReopen_
  Exch $Parlune.Key  ; the tag in the handle's place
!macroend

!macro ParluneLanguageTag ID TAG
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Push "${ID}"
  ${CallArtificialFunction} _ParluneLanguageTag_
  Pop ${TAG}
  !verbose pop
!macroend
