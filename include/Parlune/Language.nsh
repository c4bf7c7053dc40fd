; Parlune/Language.nsh - choosing, loading and remembering the language, for
; Parlune.nsh.
;
;   ${ParluneInitLanguage} SOURCE_FOLDER $handle
;       In .onInit and un.onInit: packs SOURCE_FOLDER\*.json, chooses the
;       language, shows the language dialog (installer only), loads the
;       files, sets $LANGUAGE and reads every declared text. The choice is
;       remembered after a successful install when PARLUNE_REGISTRY_ROOT,
;       _KEY and _VALUENAME are defined before Parlune.nsh is included.
;
; The pieces, for scripts that arrange the steps themselves, on the packed
; folder or on any folder the installer reads at run time:
;   ${ParluneChooseLanguage} $tag        /LANG=TAG, else the remembered tag, else ""
;   ${ParluneLoadLanguage} FOLDER TAG $handle   loads, sets $LANGUAGE, reads the texts
;   ${ParluneLoadedLanguage} $tag        the file that loaded ("" for en.json alone)
;   ${ParluneRememberLanguage} TAG       writes TAG to the registry value
;   ${ParluneRememberChoice}             in the script's own .onInstSuccess, with
;                                        PARLUNE_OWN_INSTSUCCESS: remembers the language
;   ${ParluneLanguageId} TAG $id         tag -> id of the file the plug-in loads for it ("" for none)
;   ${ParluneLanguageTag} ID $tag        NSIS language id -> file tag ("" for none)
;
; What the language life keeps: $Parlune.Language (the tag chosen),
; $Parlune.Folder (the folder loaded), $Parlune.Loaded and $Parlune.LoadedId
; (the file that loaded and the id $LANGUAGE took).

!macro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
!macroend

; ---- Which file a tag loads ----

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

; ---- Choosing and remembering ----

; $Parlune.Language = /LANG=TAG from the command line, else the remembered
; language, else ""; a number is an NSIS language id, as MUI remembers them,
; and becomes its file's tag. May leave stand-ins loaded.
!macro _ParluneChoose
  !insertmacro _ParluneSide
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.At
  !insertmacro _ParluneVar Parlune.Part
  ; NSIS has cut /D= off the command line already; the option added at its
  ; end ends the search with an empty value
  StrCpy $Parlune.Language "$CMDLINE /LANG= "
  StrCpy $Parlune.At 0
  ${Do}
    StrCpy $Parlune.Part $Parlune.Language 6 $Parlune.At
    IntOp $Parlune.At $Parlune.At + 1
  ${LoopUntil} $Parlune.Part == "/LANG="
  IntOp $Parlune.At $Parlune.At + 5
  StrCpy $Parlune.Language $Parlune.Language "" $Parlune.At
  StrCpy $Parlune.At -1
  ${Do}  ; the value runs to a space or a quote
    IntOp $Parlune.At $Parlune.At + 1
    StrCpy $Parlune.Part $Parlune.Language 1 $Parlune.At
    ${IfThen} $Parlune.Part == '"' ${|} ${ExitDo} ${|}
  ${LoopUntil} $Parlune.Part == " "
  StrCpy $Parlune.Language $Parlune.Language $Parlune.At
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    ${If} $Parlune.Language == ""
      ReadRegStr $Parlune.Language ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}"
    ${EndIf}
  !endif
  IntOp $Parlune.Part $Parlune.Language + 0
  ${If} $Parlune.Part == $Parlune.Language
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
    Pop $Parlune.Part
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

; Loads FOLDER for tag $Parlune.Language and sets $LANGUAGE to the id of the
; file that loads, or, when none does, of the NSIS language that the tag
; names; the handle on the stack. SELECT is the worker that answers which
; file loads: _ParluneSelectPacked_ takes the tag, _ParluneSelectInFolder_
; the tag and the folder.
!macro _ParluneLoad SELECT FOLDER
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  !if "${FOLDER}" != "$Parlune.Folder"
    StrCpy $Parlune.Folder "${FOLDER}"
  !endif
  Push $Parlune.Language
  !if ${SELECT} == _ParluneSelectInFolder_
    Push $Parlune.Folder
  !endif
  ${CallArtificialFunction} ${SELECT}
  ${IfThen} $Parlune.LoadedId != "" ${|} StrCpy $LANGUAGE $Parlune.LoadedId ${|}
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.Language
  Push $Parlune.Folder
  ${CallArtificialFunction} _ParluneInitCall_
!macroend

; Tag and folder on the stack, the handle back.
!macro _ParluneLoadPacked_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  Pop $Parlune.Folder
  Pop $Parlune.Language
  !insertmacro _ParluneLoad _ParluneSelectPacked_ $Parlune.Folder
!macroend

!macro _ParluneLoadInFolder_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Language
  Pop $Parlune.Folder
  Pop $Parlune.Language
  !insertmacro _ParluneLoad _ParluneSelectInFolder_ $Parlune.Folder
!macroend

!macro ParluneLoadLanguage FOLDER TAG HANDLE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParluneIsPacked "${FOLDER}"
  Push "${TAG}"
  Push "${FOLDER}"
  !if ${_PARLUNE_PACKED} = 1
    ${CallArtificialFunction} _ParluneLoadPacked_
  !else
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

; The handle on the stack: the pieces in one, on the packed folder.
!macro _ParluneInitLanguage_
  !insertmacro _ParluneChoose
  !ifndef __UNINSTALL__
    !insertmacro _ParluneDialog "$PLUGINSDIR\Parlune"
  !endif
  !insertmacro _ParluneLoad _ParluneSelectPacked_ "$PLUGINSDIR\Parlune"
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

; ---- The NSIS language id bridge ----

; Loads the files that ParluneLoadLanguage loaded again, after the bridge
; has used the plug-in.
!macro _ParluneReload_
  !insertmacro _ParluneStateVars
  !insertmacro _ParluneVar Parlune.Part
  ${CallArtificialFunction} _ParluneExitCall_
  ${If} $Parlune.Folder != ""
    ${If} $Parlune.Loaded == ""
      Push "-"  ; a tag of no file: en.json alone
    ${Else}
      Push $Parlune.Loaded
    ${EndIf}
    Push $Parlune.Folder
    ${CallArtificialFunction} _ParluneInitCall_
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
  !insertmacro _ParluneVar Parlune.Key
  Push "${ID}"
  ${CallArtificialFunction} _ParluneLanguageTag_
  Pop ${TAG}
  !verbose pop
!macroend
