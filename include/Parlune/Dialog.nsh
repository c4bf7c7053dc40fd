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

; One entry of the dialog for every packed file, with its name.
!macro _ParluneDialogRow TAG NAME IDS NSIS CODES
  !ifdef _PARLUNE_NAME_${_PARLUNE_SET_${_PARLUNE_SIDE}}_${TAG}
  !ifndef _PARLUNE_PARTIAL_${_PARLUNE_SET_${_PARLUNE_SIDE}}_${TAG}  ; below PARLUNE_MIN_COVERAGE
    Push "${TAG}"
    Push "${_PARLUNE_NAME_${_PARLUNE_SET_${_PARLUNE_SIDE}}_${TAG}}"
  !endif
  !endif
!macroend

!macro _ParluneDialogBeyondRow TAG
  !ifndef _PARLUNE_PARTIAL_${_PARLUNE_SET_${_PARLUNE_SIDE}}_${TAG}
    Push "${TAG}"
    Push "${_PARLUNE_NAME_${_PARLUNE_SET_${_PARLUNE_SIDE}}_${TAG}}"
  !endif
!macroend

; KEY's text from the loaded file on the stack, else DEFAULT.
!macro _ParluneDialogText KEY DEFAULT
  Push "${KEY}"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Exch $Parlune.Part
  ${IfThen} $Parlune.Part == "" ${|} StrCpy $Parlune.Part "${DEFAULT}" ${|}
  Exch $Parlune.Part
!macroend

; $Parlune.Language = the tag chosen in the dialog over the files packed to
; FOLDER, else as it was.
!macro _ParluneDialog FOLDER
  !insertmacro _ParluneSide
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Part
  !if ${_PARLUNE_FILES_${_PARLUNE_SET_${_PARLUNE_SIDE}}} > 1  ; else there is nothing to choose
  ${IfNot} ${Silent}
  !ifndef PARLUNE_LANGDLL_ALWAYSSHOW
  ${AndIf} $Parlune.Language == ""
  !endif
    ; preselected: the file that the tag, or the user's language, loads; the
    ; dialog speaks its language
    Push $Parlune.Language
    ${CallArtificialFunction} _ParluneSelectPacked_
    !insertmacro _ParluneSkipPartial
    ${IfThen} $Parlune.Loaded == "" ${|} StrCpy $Parlune.Loaded "en" ${|}
    ${CallArtificialFunction} _ParluneExitCall_
    !insertmacro _ParlunePushLoad $Parlune.Loaded "${FOLDER}"
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.Part
    Push "<parlune>"  ; below LangDLL's arguments, in case it cannot show itself
    Push ""  ; ends LangDLL's list
    !insertmacro _ParluneLanguageRows _ParluneDialogRow
    !ifdef _PARLUNE_BEYOND_${_PARLUNE_SET_${_PARLUNE_SIDE}}
      !insertmacro _ParluneEach "${_PARLUNE_BEYOND_${_PARLUNE_SET_${_PARLUNE_SIDE}}}" _ParluneDialogBeyondRow
    !endif
    Push "A"
    !insertmacro _ParluneDialogText LanguageDialogText "${PARLUNE_LANGDLL_INFO}"
    !insertmacro _ParluneDialogText LanguageDialogTitle "${PARLUNE_LANGDLL_WINDOWTITLE}"
    ${CallArtificialFunction} _ParluneExitCall_
    ; LangDLL preselects the entry whose value is $LANGUAGE
    StrCpy $Parlune.Part $LANGUAGE
    StrCpy $LANGUAGE $Parlune.Loaded
    LangDLL::LangDialog
    StrCpy $LANGUAGE $Parlune.Part
    Pop $Parlune.Part
    ${If} $Parlune.Part == "cancel"
      Quit
    ${ElseIf} $Parlune.Part != "<parlune>"
      StrCpy $Parlune.Language $Parlune.Part
      ${Do}  ; whatever LangDLL left of its list, down to the mark
        Pop $Parlune.Part
      ${LoopUntil} $Parlune.Part == "<parlune>"
    ${EndIf}
  ${EndIf}
  !endif
!macroend

; Tag and folder on the stack, the tag back.
!macro _ParluneLanguageDialog_
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Source
  Pop $Parlune.Source
  Pop $Parlune.Language
  !insertmacro _ParluneDialog $Parlune.Source
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
