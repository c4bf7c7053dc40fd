; Parlune/Dialog.nsh - the language dialog, for Parlune.nsh.
;
;   ${ParluneLanguageDialog} FOLDER $tag
;       Shows NSIS's LangDLL dialog over the files that ParluneInitLanguage
;       or ParluneInitPacked packs, FOLDER being where they were packed to:
;       each by its language's own name (a file's LanguageName first), the
;       file that $tag (or, for "", the user's language) loads preselected,
;       the title and text from that file's LanguageDialogTitle and
;       LanguageDialogText (else PARLUNE_LANGDLL_WINDOWTITLE and
;       PARLUNE_LANGDLL_INFO). $tag becomes the chosen file's tag; Cancel
;       quits. Not shown in a silent install, with fewer than two files, or
;       for a $tag that is not "" (unless PARLUNE_LANGDLL_ALWAYSSHOW).

!define /ifndef PARLUNE_LANGDLL_WINDOWTITLE "Installer Language"
!define /ifndef PARLUNE_LANGDLL_INFO "Please select a language."

; KEY's text from the loaded file on the stack, else DEFAULT.
!macro _ParluneDialogText KEY DEFAULT
  Push "${KEY}"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Exch $Parlune.Choice
  ${IfThen} $Parlune.Choice == "" ${|} StrCpy $Parlune.Choice "${DEFAULT}" ${|}
  Exch $Parlune.Choice
!macroend

; With the choice for $Parlune.Language loaded (the file preselected, whose
; language the dialog speaks): $Parlune.Language = the tag chosen in the
; dialog, else as it was. With RELOAD 1, a file the user picks instead is
; loaded in its place, and its handle replaces the one on the stack.
!macro _ParluneDialog RELOAD
  !insertmacro _ParluneSide
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Choice
  !define /redef _PARLUNE_DIALOG_SET ${_PARLUNE_SET_${_PARLUNE_SIDE}}
  !if ${_PARLUNE_FILES_${_PARLUNE_DIALOG_SET}} > 1  ; else there is nothing to choose
  ${IfNot} ${Silent}
  !ifndef PARLUNE_LANGDLL_ALWAYSSHOW
  ${AndIf} $Parlune.Language == ""
  !endif
    Push "<parlune>"  ; below LangDLL's arguments, in case it cannot show itself
    Push ""  ; ends LangDLL's list
    !ifmacrodef _ParluneDialogRows_${_PARLUNE_DIALOG_SET}
      !insertmacro _ParluneDialogRows_${_PARLUNE_DIALOG_SET}
    !else
      !insertmacro _ParluneRowDialogRows ${_PARLUNE_DIALOG_SET}
    !endif
    Push "A"
    !insertmacro _ParluneDialogText LanguageDialogText "${PARLUNE_LANGDLL_INFO}"
    !insertmacro _ParluneDialogText LanguageDialogTitle "${PARLUNE_LANGDLL_WINDOWTITLE}"
    ; LangDLL preselects the entry whose value is $LANGUAGE
    StrCpy $Parlune.Choice $LANGUAGE
    StrCpy $LANGUAGE $Parlune.Loaded
    ${IfThen} $LANGUAGE == "" ${|} StrCpy $LANGUAGE "en" ${|}
    LangDLL::LangDialog
    StrCpy $LANGUAGE $Parlune.Choice
    Pop $Parlune.Choice
    ${If} $Parlune.Choice == "cancel"
      Quit
    ${ElseIf} $Parlune.Choice != "<parlune>"
      StrCpy $Parlune.Language $Parlune.Choice
      ${Do}  ; whatever LangDLL left of its list, down to the mark
        Pop $Parlune.Choice
      ${LoopUntil} $Parlune.Choice == "<parlune>"
      !if ${RELOAD} = 1
      ${If} $Parlune.Language != $Parlune.Loaded
        Pop $Parlune.Choice  ; the handle of the file preselected
        ${CallArtificialFunction} _ParluneLoadPacked_
      ${EndIf}
      !endif
    ${EndIf}
  ${EndIf}
  !endif
!macroend

; Tag and folder on the stack, the tag back; the file preselected stays
; loaded, $LANGUAGE as it was.
!macro _ParluneLanguageDialog_
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Choice
  Pop $Parlune.Choice  ; the folder, which is where this side packed its files
  Pop $Parlune.Language
  ${CallArtificialFunction} _ParluneLoadPacked_
  !insertmacro _ParluneDialog 0
  Pop $Parlune.Choice  ; the handle
  Push $Parlune.Language
!macroend

!macro ParluneLanguageDialog FOLDER TAG
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParluneSide
  !ifndef _PARLUNE_SET_${_PARLUNE_SIDE}
    !error "ParluneLanguageDialog lists the files that ParluneInitLanguage or ParluneInitPacked packs, which are known while the script compiles: pack them first, in the same (installer or uninstaller) code"
  !endif
  Push "${TAG}"
  Push "${FOLDER}"
  ${CallArtificialFunction} _ParluneLanguageDialog_
  Pop ${TAG}
  !verbose pop
!macroend
