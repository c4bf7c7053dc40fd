; Parlune/Language.nsh - choosing, loading and remembering the language, for
; Parlune.nsh.
;
;   ${ParluneInitLanguage} SOURCE_FOLDER $handle
;       In .onInit and un.onInit: packs SOURCE_FOLDER\*.json, chooses the
;       language, shows the language dialog (installer only), loads the
;       files, sets $LANGUAGE and reads every declared text. The choice is
;       remembered after a successful install when PARLUNE_REGISTRY_ROOT,
;       _KEY and _VALUENAME are defined before Parlune.nsh is included. With
;       PARLUNE_PREVIEW, the installer loads the files in $EXEDIR\languages
;       over the packed ones, and /LANG=keys shows each text's key name.
;
; The pieces, for scripts that arrange the steps themselves, on the packed
; folder or on any folder the installer reads at run time:
;   ${ParluneChooseLanguage} $tag        /LANG=TAG, else the remembered tag, else ""
;   ${ParluneLoadLanguage} FOLDER TAG $handle   loads, sets $LANGUAGE, reads the texts
;   ${ParluneLoadedLanguage} $tag        the file that loaded ("" for en.json alone)
;   ${ParluneRememberLanguage} TAG       writes TAG to the registry value
;   ${ParluneRememberChoice}             in the script's own .onInstSuccess, with
;                                        PARLUNE_OWN_INSTSUCCESS: remembers the language

; ---- Choosing and remembering ----

; $Parlune.Language = /LANG=TAG from the command line, else the remembered
; language, else ""; a number is an NSIS language id, as MUI remembers them,
; and becomes its file's tag. May leave stand-ins loaded.
!macro _ParluneChoose
  !insertmacro _ParluneSide
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.At
  !insertmacro _ParluneVar Parlune.Char
  ; NSIS has cut /D= off the command line already; the option added at its
  ; end ends the search with an empty value
  StrCpy $Parlune.Language "$CMDLINE /LANG= "
  StrCpy $Parlune.At 0
  ${Do}
    StrCpy $Parlune.Char $Parlune.Language 6 $Parlune.At
    IntOp $Parlune.At $Parlune.At + 1
  ${LoopUntil} $Parlune.Char == "/LANG="
  IntOp $Parlune.At $Parlune.At + 5
  StrCpy $Parlune.Language $Parlune.Language "" $Parlune.At
  StrCpy $Parlune.At -1
  ${Do}  ; the value runs to a space or a quote
    IntOp $Parlune.At $Parlune.At + 1
    StrCpy $Parlune.Char $Parlune.Language 1 $Parlune.At
    ${IfThen} $Parlune.Char == '"' ${|} ${ExitDo} ${|}
  ${LoopUntil} $Parlune.Char == " "
  StrCpy $Parlune.Language $Parlune.Language $Parlune.At
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    ${If} $Parlune.Language == ""
      ReadRegStr $Parlune.Language ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}"
    ${EndIf}
  !endif
  IntOp $Parlune.Char $Parlune.Language + 0
  ${If} $Parlune.Char == $Parlune.Language
    ; the stand-in en.json maps the ids: the packed files' where this side
    ; packs them, else the whole table's
    Push $Parlune.Language
    Push ""
    !ifdef _PARLUNE_SET_${_PARLUNE_SIDE}
      Push "$PLUGINSDIR\Parlune.files"
    !else
      ${CallArtificialFunction} _ParluneTableFolder_
      Push "$PLUGINSDIR\Parlune.table"
    !endif
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.Char
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Language
  ${EndIf}
!macroend

; The chosen tag on the stack.
!macro _ParluneChooseLanguage_
  !insertmacro _ParluneChoose
  Push $Parlune.Language
!macroend

!macro ParluneChooseLanguage TAG
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  ${CallArtificialFunction} _ParluneChooseLanguage_
  Pop ${TAG}
  !verbose pop
!macroend

!macro ParluneRememberLanguage TAG
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    ${If} "${TAG}" != ""
      WriteRegStr ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}" "${TAG}"
    ${EndIf}
  !endif
  !verbose pop
!macroend

; Remembers one choice in one form: the tag of the file that loaded ("de" for
; /LANG=de-DE), else, when none did, the tag chosen; with
; PARLUNE_REGISTRY_STORE_ID, the NSIS language id that $LANGUAGE took at
; loading, as MUI stores it, for a value that an older MUI installer shares.
!macro ParluneRememberChoice
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !ifndef PARLUNE_PREVIEW  ; a translator's run leaves the user's choice alone
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  !ifdef PARLUNE_REGISTRY_STORE_ID
    ; by now NSIS may have put $LANGUAGE back to a language with NSIS texts
    ${IfThen} $Parlune.LoadedId == "" ${|} StrCpy $Parlune.LoadedId $LANGUAGE ${|}
    ${ParluneRememberLanguage} $Parlune.LoadedId
  !else
    ${IfThen} $Parlune.Loaded == "" ${|} StrCpy $Parlune.Loaded $Parlune.Language ${|}
    ${ParluneRememberLanguage} $Parlune.Loaded
  !endif
  !endif
  !verbose pop
!macroend

; With a registry value to remember the language in, Parlune takes
; .onInstSuccess (as MUI2 takes .onGUIInit). A script with its own
; .onInstSuccess defines PARLUNE_OWN_INSTSUCCESS before including
; Parlune.nsh and calls ${ParluneRememberChoice} from it.
!ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
!ifndef PARLUNE_OWN_INSTSUCCESS
  Function .onInstSuccess
    ${ParluneRememberChoice}
    !ifdef PARLUNE_CUSTOMFUNCTION_INSTSUCCESS
      Call "${PARLUNE_CUSTOMFUNCTION_INSTSUCCESS}"
    !endif
  FunctionEnd
!endif
!endif

; ---- Loading ----

; The choice for $Parlune.Language among this side's packed files loads; the
; handle on the stack. The caller sets $LANGUAGE from $Parlune.LoadedId.
!macro _ParluneLoadPacked_
  !insertmacro _ParluneSide
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneChooseForLanguage
  !if "${_PARLUNE_BEYOND_${_PARLUNE_SET_${_PARLUNE_SIDE}}}" != ""
    !insertmacro _ParluneLoadChoice "$PLUGINSDIR\Parlune" packed
  !else
    !insertmacro _ParluneLoadChoice "$PLUGINSDIR\Parlune" ""
  !endif
!macroend

; $LANGUAGE follows the file that loaded, or, when none did, the NSIS
; language that the tag names.
!macro _ParluneSetLanguage
  ${IfThen} $Parlune.LoadedId != "" ${|} StrCpy $LANGUAGE $Parlune.LoadedId ${|}
!macroend

; Tag and folder on the stack, the handle back: the choice among the files of
; a folder read at run time loads, where a file's own NsisLanguageId goes
; before the table's, and $LANGUAGE follows it.
!macro _ParluneLoadInFolder_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Key
  Pop $Parlune.Folder
  Pop $Parlune.Language
  StrCpy $Parlune.Key $Parlune.Language
  ${CallArtificialFunction} _ParluneChooseInFolder_
  ${CallArtificialFunction} _ParluneOwnId_
  !insertmacro _ParluneLoadChoice $Parlune.Folder unpacked
  !insertmacro _ParluneSetLanguage
!macroend

!macro ParluneLoadLanguage FOLDER TAG HANDLE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParluneIsPacked "${FOLDER}"
  !if ${_PARLUNE_PACKED} = 1
    !insertmacro _ParluneVar Parlune.Language
    StrCpy $Parlune.Language "${TAG}"
    ${CallArtificialFunction} _ParluneLoadPacked_
    !insertmacro _ParluneSetLanguage
  !else
    Push "${TAG}"
    Push "${FOLDER}"
    ${CallArtificialFunction} _ParluneLoadInFolder_
  !endif
  Pop ${HANDLE}
  ${ParluneLoadTexts}
  !verbose pop
!macroend

!macro ParluneLoadedLanguage TAG
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParluneStateVars
  StrCpy ${TAG} $Parlune.Loaded
  !verbose pop
!macroend

; ---- Translators' preview ----

; "NAME":"NAME" for a declared text, in the keys file.
!macro _ParluneKeyMember NAME
  !appendfile /CHARSET=UTF8 "${_PARLUNE_KEYS_FILE}" `,"${NAME}":"${NAME}"`
!macroend

; PARLUNE_PREVIEW, installer only: $Parlune.Preview = the folder to load
; instead of the packed one, else "". /LANG=keys gives a folder whose
; en.json names every declared text by its key; language files in
; $EXEDIR\languages go over copies of the packed ones.
!macro _ParlunePreview
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Preview
  StrCpy $Parlune.Preview ""
  ${If} $Parlune.Language == keys
    StrCpy $Parlune.Preview "$PLUGINSDIR\Parlune.keys"
    StrCpy $Parlune.Language en
    Push $OUTDIR
    SetOutPath $Parlune.Preview
    !tempfile _PARLUNE_KEYS_FILE
    !appendfile "${_PARLUNE_KEYS_FILE}" `{"ParluneKeys":""`
    !insertmacro _ParluneEach "${_PARLUNE_TEXT_LIST}" _ParluneKeyMember
    !appendfile "${_PARLUNE_KEYS_FILE}" `}`
    File "/oname=en.json" "${_PARLUNE_KEYS_FILE}"
    !delfile "${_PARLUNE_KEYS_FILE}"
    !undef _PARLUNE_KEYS_FILE
    Pop $OUTDIR
  ${ElseIf} ${FileExists} "$EXEDIR\languages\*.json"
    StrCpy $Parlune.Preview "$PLUGINSDIR\Parlune.preview"
    CreateDirectory $Parlune.Preview
    CopyFiles /SILENT "$PLUGINSDIR\Parlune\*.json" $Parlune.Preview
    CopyFiles /SILENT "$EXEDIR\languages\*.json" $Parlune.Preview
  ${EndIf}
!macroend

; The handle on the stack: the pieces in one, on the packed folder. The
; choice for the tag loads once, and serves the dialog, which loads another
; file only when the user picks one.
!macro _ParluneInitLanguage_
  !insertmacro _ParluneChoose
  !define /redef _PARLUNE_PREVIEW_HERE 0
  !ifdef PARLUNE_PREVIEW
  !ifndef __UNINSTALL__
    !define /redef _PARLUNE_PREVIEW_HERE 1
  !endif
  !endif
  !if ${_PARLUNE_PREVIEW_HERE} = 1
    !insertmacro _ParlunePreview
  !endif
  ${CallArtificialFunction} _ParluneLoadPacked_
  !ifndef __UNINSTALL__
    !insertmacro _ParluneDialog 1
  !endif
  !insertmacro _ParluneSetLanguage
  !if ${_PARLUNE_PREVIEW_HERE} = 1
    ${If} $Parlune.Preview != ""
      !insertmacro _ParluneVar Parlune.Handle
      Pop $Parlune.Handle  ; the packed folder's
      Push $Parlune.Language
      Push $Parlune.Preview
      ${CallArtificialFunction} _ParluneLoadInFolder_
    ${EndIf}
  !endif
!macroend

!macro ParluneInitLanguage SOURCE_FOLDER HANDLE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParlunePack "${SOURCE_FOLDER}"
  ${CallArtificialFunction} _ParluneInitLanguage_
  Pop ${HANDLE}
  ${ParluneLoadTexts}
  !verbose pop
!macroend
