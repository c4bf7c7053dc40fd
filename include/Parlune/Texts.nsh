; Parlune/Texts.nsh - declared texts and their placeholders, for Parlune.nsh.
;
;   ${ParluneText} NAME
;       At the top level: declares $NAME, the text for the key NAME.
;   ${ParluneLoadTexts}
;       In any function or section: reads every text declared above it
;       (three instructions a text).
;   ${ParluneFill} NAME VALUE
;       At the top level or in .onInit, before texts first load: fills
;       {{NAME}} with VALUE in every declared text whenever texts load, in
;       installer and uninstaller; VALUE is taken at that moment ($INSTDIR
;       as it is then).
;   ${ParluneFormat} $text NAME VALUE
;       Replaces every {{NAME}} in $text with VALUE.
;
; The code for each text and each placeholder is generated while makensis
; compiles, from the lists that the declarations build: any number of either.

!define /ifndef _PARLUNE_TEXT_LIST ""  ; "|NAME" for each declared text
!define /ifndef _PARLUNE_FILL_LIST ""  ; "|INDEX" for each placeholder
!define /ifndef _PARLUNE_FILLS 0

; "!insertmacro ACTION ITEM" for every ITEM of LIST, written to a file and
; included, since makensis has no loop of its own.
!macro _ParluneEach LIST ACTION
  !if "${LIST}" != ""
    ; the generated code may use _ParluneEach itself: the first text writes
    ; the shared code that fills the placeholders
    !define /ifndef _PARLUNE_EACH_DEPTH 0
    !define /redef /math _PARLUNE_EACH_DEPTH ${_PARLUNE_EACH_DEPTH} + 1
    !searchreplace _PARLUNE_EACH_LINES "${LIST}" "|" "$\n!insertmacro ${ACTION} "
    !tempfile _PARLUNE_EACH_FILE_${_PARLUNE_EACH_DEPTH}
    !appendfile "${_PARLUNE_EACH_FILE_${_PARLUNE_EACH_DEPTH}}" "${_PARLUNE_EACH_LINES}$\n"
    !include "${_PARLUNE_EACH_FILE_${_PARLUNE_EACH_DEPTH}}"
    !delfile "${_PARLUNE_EACH_FILE_${_PARLUNE_EACH_DEPTH}}"
    !undef _PARLUNE_EACH_FILE_${_PARLUNE_EACH_DEPTH}
    !define /redef /math _PARLUNE_EACH_DEPTH ${_PARLUNE_EACH_DEPTH} - 1
  !endif
!macroend

!macro ParluneText NAME
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Var ${NAME}
  !define /redef _PARLUNE_TEXT_LIST "${_PARLUNE_TEXT_LIST}|${NAME}"
  !verbose pop
!macroend

; Belongs before the first code that reads the texts, because the shared
; code that fills the placeholders is written there.
!macro ParluneFill NAME VALUE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !ifdef _PARLUNE_TEXTS_READ
    !error "ParluneFill ${NAME}: texts already load above this line; fill placeholders before the first ParluneInitLanguage"
  !endif
  !define /redef /math _PARLUNE_FILLS ${_PARLUNE_FILLS} + 1
  !define _PARLUNE_FILL_NAME_${_PARLUNE_FILLS} "${NAME}"
  !define _PARLUNE_FILL_VALUE_${_PARLUNE_FILLS} "${VALUE}"
  !define /redef _PARLUNE_FILL_LIST "${_PARLUNE_FILL_LIST}|${_PARLUNE_FILLS}"
  !verbose pop
!macroend

; The text on the stack with placeholder INDEX filled.
!macro _ParluneFillAt INDEX
  Push "{{${_PARLUNE_FILL_NAME_${INDEX}}}}"
  Push "${_PARLUNE_FILL_VALUE_${INDEX}}"
  ${CallArtificialFunction} _ParluneFormat_
!macroend

; A key on the stack, its text back, every placeholder filled. Shared, so a
; text costs three instructions however many placeholders are filled.
!macro _ParluneGetText_
  ${CallArtificialFunction} _ParluneGetStrCall_
  !insertmacro _ParluneEach "${_PARLUNE_FILL_LIST}" _ParluneFillAt
!macroend

!macro _ParluneLoadText NAME
  !define /ifndef _PARLUNE_TEXTS_READ
  Push "${NAME}"
  !if "${_PARLUNE_FILL_LIST}" == ""
    ${CallArtificialFunction} _ParluneGetStrCall_
  !else
    ${CallArtificialFunction} _ParluneGetText_
  !endif
  Pop $${NAME}
!macroend

!macro ParluneLoadTexts
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParluneEach "${_PARLUNE_TEXT_LIST}" _ParluneLoadText
  !verbose pop
!macroend

; Text, mark ("{{NAME}}") and value on the stack, the text back with every
; mark replaced by the value, in one pass from left to right: a replacement
; is never searched again.
!macro _ParluneFormat_
  !insertmacro _ParluneVar Parlune.Text
  !insertmacro _ParluneVar Parlune.Mark
  !insertmacro _ParluneVar Parlune.Value
  !insertmacro _ParluneVar Parlune.MarkLength
  !insertmacro _ParluneVar Parlune.Offset
  !insertmacro _ParluneVar Parlune.Piece
  !insertmacro _ParluneVar Parlune.Filled
  Pop $Parlune.Value
  Pop $Parlune.Mark
  Pop $Parlune.Text
  StrLen $Parlune.MarkLength $Parlune.Mark
  StrCpy $Parlune.Offset 0
  StrCpy $Parlune.Filled ""
  ${Do}
    StrCpy $Parlune.Piece $Parlune.Text $Parlune.MarkLength $Parlune.Offset
    ${If} $Parlune.Piece S== $Parlune.Mark
      StrCpy $Parlune.Filled "$Parlune.Filled$Parlune.Value"
      IntOp $Parlune.Offset $Parlune.Offset + $Parlune.MarkLength
    ${Else}  ; at the end, the piece is "" here
      StrCpy $Parlune.Piece $Parlune.Text 1 $Parlune.Offset
      StrCpy $Parlune.Filled "$Parlune.Filled$Parlune.Piece"
      IntOp $Parlune.Offset $Parlune.Offset + 1
    ${EndIf}
  ${LoopUntil} $Parlune.Piece == ""
  Push $Parlune.Filled
!macroend

!macro ParluneFormat TEXT NAME VALUE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Push "${TEXT}"
  Push "{{${NAME}}}"
  Push "${VALUE}"
  ${CallArtificialFunction} _ParluneFormat_
  Pop ${TEXT}
  !verbose pop
!macroend
