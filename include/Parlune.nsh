; Parlune.nsh - translations for NSIS installers from JSON language files.
;
; Every macro works in installer and uninstaller (un.) code alike and leaves
; $0-$9 and $R0-$R9 as it found them, unless one is its output. The plug-in
; stays loaded by itself: no call needs /NOUNLOAD.
;
; The whole language life of an installer:
;   ${ParluneText} NAME
;       At the top level: declares $NAME, the text for the key NAME.
;   ${ParluneInitLanguage} SOURCE_FOLDER $handle
;       In .onInit and un.onInit: packs SOURCE_FOLDER\*.json, chooses the
;       language (/LANG=, the remembered one, the user's), shows the language
;       dialog (installer only), loads the files, sets $LANGUAGE and reads
;       every declared text. The choice is remembered after a successful
;       install when PARLUNE_REGISTRY_ROOT/_KEY/_VALUENAME are defined
;       before this file is included.
;   ${ParluneMuiLanguages} SOURCE_FOLDER
;       After the MUI2 pages: one MUI_LANGUAGE for every file in the folder
;       that NSIS has a language for, so NSIS's own texts follow too.
;   ${ParluneFormat} $text NAME VALUE
;       Replaces every {{NAME}} in $text with VALUE.
;
; The pieces, for scripts that arrange the steps themselves:
;   ${ParluneChooseLanguage} $tag        /LANG=TAG, else the remembered tag, else ""
;   ${ParluneLanguageDialog} FOLDER $tag the dialog; $tag becomes the chosen file's tag
;   ${ParluneLoadLanguage} FOLDER TAG $handle   loads, sets $LANGUAGE, reads the texts
;   ${ParluneLoadedLanguage} $tag        the file that answers ("" for en.json alone)
;   ${ParluneRememberLanguage} TAG       writes TAG to the registry value
;   ${ParluneLoadTexts}                  reads every declared text
;   ${ParluneLanguageId} TAG $id         tag -> NSIS language id ("" for none)
;   ${ParluneLanguageTag} ID $tag        NSIS language id -> file tag ("" for none)
;
; The plug-in's own calls:
;   ${ParluneInit} FOLDER TAG $handle
;       Loads en.json and the best file for TAG ("" for the user's
;       preferred UI language) from FOLDER. $handle receives "0" when no
;       language file was loaded (texts then come from en.json alone).
;   ${ParluneInitPacked} SOURCE_FOLDER TAG $handle
;       At compile time, packs SOURCE_FOLDER\*.json into the installer; at
;       run time, extracts them under $PLUGINSDIR and loads them as above.
;   ${ParluneGetStr} KEY $text
;       The text for KEY: from the language file, else en.json, else "".
;   ${ParluneExit}
;       Releases the loaded files early; the plug-in also releases them
;       when the installer unloads it, silent installs included.
;
; Checking while compiling: the package's parlune-check reads every packed
; folder with the declared texts and stops the compile on errors (on warnings
; too with PARLUNE_CHECK_STRICT); PARLUNE_NO_CHECK, defined before this file
; is included, turns it off.
;
; Keys that Parlune itself reads from a language file: "NsisLanguageId" (the
; NSIS language id for $LANGUAGE), "LanguageName" (the name in the dialog),
; "LanguageDialogTitle" and "LanguageDialogText".

!ifndef PARLUNE_NSH
!define PARLUNE_NSH

!include LogicLib.nsh
!include FileFunc.nsh
!include Util.nsh
!include ParluneLanguages.nsh

!define ParluneInit "!insertmacro ParluneInit"
!define ParluneInitPacked "!insertmacro ParluneInitPacked"
!define ParluneGetStr "!insertmacro ParluneGetStr"
!define ParluneExit "!insertmacro ParluneExit"
!define ParluneText "!insertmacro ParluneText"
!define ParluneLoadTexts "!insertmacro ParluneLoadTexts"
!define ParluneChooseLanguage "!insertmacro ParluneChooseLanguage"
!define ParluneRememberLanguage "!insertmacro ParluneRememberLanguage"
!define ParluneLanguageDialog "!insertmacro ParluneLanguageDialog"
!define ParluneLoadLanguage "!insertmacro ParluneLoadLanguage"
!define ParluneLoadedLanguage "!insertmacro ParluneLoadedLanguage"
!define ParluneInitLanguage "!insertmacro ParluneInitLanguage"
!define ParluneFormat "!insertmacro ParluneFormat"
!define ParluneLanguageId "!insertmacro ParluneLanguageId"
!define ParluneLanguageTag "!insertmacro ParluneLanguageTag"
!define ParluneMuiLanguages "!insertmacro ParluneMuiLanguages"

!define /ifndef PARLUNE_LANGDLL_WINDOWTITLE "Installer Language"
!define /ifndef PARLUNE_LANGDLL_INFO "Please select a language."

; Variables are declared on first use, so a script never pays for (or gets
; warned about) one it does not need.
!macro _ParluneVar NAME
  !ifndef _PARLUNE_VAR_${NAME}
    !define _PARLUNE_VAR_${NAME}
    Var /GLOBAL ${NAME}
  !endif
!macroend

; ---- Checking the language files while the script compiles ----

; parlune-check reads every folder that ParluneInitPacked or
; ParluneInitLanguage packs, once, while makensis compiles, together with the
; texts the script has declared by then: its report shows in makensis's
; output, and errors (with PARLUNE_CHECK_STRICT, warnings too) stop the
; compile. The checker is the package's own, for the system makensis runs on,
; beside the Include folder; PARLUNE_CHECKER names another. Without one,
; makensis warns and compiles unchecked, unless PARLUNE_CHECK asks for the
; check; PARLUNE_NO_CHECK turns it off.
!ifndef PARLUNE_NO_CHECK
  !ifndef PARLUNE_CHECKER
    !ifdef NSIS_WIN32_MAKENSIS
      !define PARLUNE_CHECKER "${__FILEDIR__}\..\Bin\parlune-check.exe"
    !else
      !define PARLUNE_CHECKER "${__FILEDIR__}/../Bin/linux-x86_64/parlune-check"
    !endif
  !endif
  !ifdef PARLUNE_CHECK_STRICT
    !define _PARLUNE_CHECK_OPTIONS "--strict"
  !else
    !define _PARLUNE_CHECK_OPTIONS ""
  !endif
  !define _PARLUNE_CHECKED "|"
!endif

!macro _ParluneRunChecker SOURCE_FOLDER
  !define _PARLUNE_CHECK_RUN "${_PARLUNE_CHECK_OPTIONS}"
  !if ${_PARLUNE_TEXTS} > 0
    !tempfile _PARLUNE_DECLARED
    !insertmacro _ParluneEachText _ParluneDeclaredName
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --declared "${_PARLUNE_DECLARED}"'
  !endif
  ; !execute starts the checker itself on Windows (no cmd.exe to take quotes
  ; off) and through the shell elsewhere: the same command line for both.
  !ifdef NSIS_WIN32_MAKENSIS
    !define _PARLUNE_CHECK_FOLDER "${SOURCE_FOLDER}"
  !else
    !searchreplace _PARLUNE_CHECK_FOLDER "${SOURCE_FOLDER}" "\" "/"
  !endif
  !execute '"${PARLUNE_CHECKER}" ${_PARLUNE_CHECK_RUN} "${_PARLUNE_CHECK_FOLDER}"' _PARLUNE_CHECK_STATUS
  !undef _PARLUNE_CHECK_FOLDER
  !ifdef _PARLUNE_DECLARED
    !delfile "${_PARLUNE_DECLARED}"
    !undef _PARLUNE_DECLARED
  !endif
  !undef _PARLUNE_CHECK_RUN
  !if ${_PARLUNE_CHECK_STATUS} <> 0
    !error "parlune-check found problems in ${SOURCE_FOLDER} (its report is above); fix them, or define PARLUNE_NO_CHECK to compile unchecked"
  !endif
  !undef _PARLUNE_CHECK_STATUS
!macroend

!macro _ParluneCheckFolder SOURCE_FOLDER
  !ifndef PARLUNE_NO_CHECK
    !searchreplace _PARLUNE_UNSEEN "${_PARLUNE_CHECKED}" "|${SOURCE_FOLDER}|" ""
    !if "${_PARLUNE_UNSEEN}" == "${_PARLUNE_CHECKED}"
      !define /redef _PARLUNE_CHECKED "${_PARLUNE_CHECKED}${SOURCE_FOLDER}|"
      !if /FileExists "${PARLUNE_CHECKER}"
        !insertmacro _ParluneRunChecker "${SOURCE_FOLDER}"
      !else ifdef PARLUNE_CHECK
        !error "PARLUNE_CHECK: no checker at ${PARLUNE_CHECKER}; unpack the whole Parlune package (its Bin folder beside Include), or define PARLUNE_CHECKER"
      !else
        !warning "Parlune: ${SOURCE_FOLDER} is not checked: no parlune-check at ${PARLUNE_CHECKER}; unpack the package's Bin folder beside Include, or define PARLUNE_CHECKER (PARLUNE_NO_CHECK: compile unchecked without this warning)"
      !endif
    !endif
  !endif
!macroend

; ---- The plug-in's own calls ----

!macro ParluneInit FOLDER TAG HANDLE
  ${If} "${FOLDER}" == ""
    StrCpy ${HANDLE} "0"  ; the plug-in takes nothing and gives nothing without a folder
  ${Else}
    Push "${TAG}"
    Push "${FOLDER}"
    Parlune::Init
    Pop ${HANDLE}
  ${EndIf}
!macroend

!macro _ParlunePack SOURCE_FOLDER
  !insertmacro _ParluneCheckFolder "${SOURCE_FOLDER}"
  InitPluginsDir
  Push $OUTDIR
  SetOutPath "$PLUGINSDIR\Parlune"
  File "${SOURCE_FOLDER}\*.json"
  Pop $OUTDIR
!macroend

!macro ParluneInitPacked SOURCE_FOLDER TAG HANDLE
  !insertmacro _ParlunePack "${SOURCE_FOLDER}"
  !insertmacro ParluneInit "$PLUGINSDIR\Parlune" "${TAG}" ${HANDLE}
!macroend

!macro ParluneGetStr KEY TEXT
  Push "${KEY}"
  Parlune::GetStr
  Pop ${TEXT}
!macroend

!macro ParluneExit
  Parlune::Exit
!macroend

; ---- Declared texts ----

!define /ifndef _PARLUNE_TEXTS 0
!define PARLUNE_MAX_TEXTS 999  ; what the blocks of ParluneLoadTexts cover

!macro ParluneText NAME
  Var ${NAME}
  !define /redef /math _PARLUNE_TEXTS ${_PARLUNE_TEXTS} + 1
  !define _PARLUNE_TEXT_${_PARLUNE_TEXTS} ${NAME}
  !if ${_PARLUNE_TEXTS} > ${PARLUNE_MAX_TEXTS}
    !error "Parlune.nsh reads at most ${PARLUNE_MAX_TEXTS} declared texts"
  !endif
!macroend

; Unrolled at compile time, with no loop at run time. NSIS nests at most 50
; macros, so the texts go in blocks of a hundred and of ten rather than one
; level per text.
; Every plug-in call site also carries the code that extracts the plug-in:
; through one shared call, a text costs three instructions instead of six.
!macro _ParluneGetStr_
  Parlune::GetStr
!macroend

!macro _ParluneLoadText INDEX
  Push "${_PARLUNE_TEXT_${INDEX}}"
  ${CallArtificialFunction} _ParluneGetStr_
  Pop $${_PARLUNE_TEXT_${INDEX}}
!macroend

; ACTION INDEX for every declared text, unrolled in blocks of a hundred
; and of ten.
!macro _ParluneEachTextAt ACTION BASE OFFSET
  !define /redef /math _PARLUNE_TEXT_INDEX ${BASE} + ${OFFSET}
  !if ${_PARLUNE_TEXT_INDEX} > 0
  !if ${_PARLUNE_TEXT_INDEX} <= ${_PARLUNE_TEXTS}
    !insertmacro ${ACTION} ${_PARLUNE_TEXT_INDEX}
  !endif
  !endif
!macroend

!macro _ParluneEachTenAt ACTION BASE OFFSET
  !define /redef /math _PARLUNE_TEN ${BASE} + ${OFFSET}
  !if ${_PARLUNE_TEN} <= ${_PARLUNE_TEXTS}
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 0
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 1
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 2
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 3
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 4
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 5
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 6
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 7
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 8
    !insertmacro _ParluneEachTextAt ${ACTION} ${_PARLUNE_TEN} 9
  !endif
!macroend

!macro _ParluneEachHundredAt ACTION BASE
  !if ${BASE} <= ${_PARLUNE_TEXTS}
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 0
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 10
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 20
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 30
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 40
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 50
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 60
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 70
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 80
    !insertmacro _ParluneEachTenAt ${ACTION} ${BASE} 90
  !endif
!macroend

!macro _ParluneEachText ACTION
  !insertmacro _ParluneEachHundredAt ${ACTION} 0
  !insertmacro _ParluneEachHundredAt ${ACTION} 100
  !insertmacro _ParluneEachHundredAt ${ACTION} 200
  !insertmacro _ParluneEachHundredAt ${ACTION} 300
  !insertmacro _ParluneEachHundredAt ${ACTION} 400
  !insertmacro _ParluneEachHundredAt ${ACTION} 500
  !insertmacro _ParluneEachHundredAt ${ACTION} 600
  !insertmacro _ParluneEachHundredAt ${ACTION} 700
  !insertmacro _ParluneEachHundredAt ${ACTION} 800
  !insertmacro _ParluneEachHundredAt ${ACTION} 900
!macroend

!macro ParluneLoadTexts
  !insertmacro _ParluneEachText _ParluneLoadText
!macroend

; The declared names, one a line, for the checker.
!macro _ParluneDeclaredName INDEX
  !appendfile "${_PARLUNE_DECLARED}" "${_PARLUNE_TEXT_${INDEX}}$\n"
!macroend

; ---- The language table at run time ----

!macro _ParluneRuntimeRow TAG NAME IDS NSIS
  StrCpy $R1 "${TAG}"
  StrCpy $R2 "${NAME}"
  StrCpy $R3 "${IDS}"
  Call :_parlune_row
!macroend

; Visits every row with $R1 tag, $R2 name, $R3 ids and $R7 the row's number
; (from 1), doing what $R0 names:
;   probe  writes $R5\TAG.json naming its own tag, for every row whose file
;          in folder $R4 has text (every row when $R4 is "")
;   id     $R6 = the NSIS language id of tag $R4
;   tag    $R6 = the tag of NSIS language id $R4
;   list   pushes number and name of every file with text in folder $R4, for
;          LangDLL; $0 counts them, $1 is en.json's own "LanguageName", $R6
;          becomes the number of tag $R5
;   index  $R6 = the tag of row number $R4
; Uses $R0-$R9 (and $0 for list) without saving them.
!macro _ParluneTable_
  StrCpy $R6 ""
  StrCpy $R7 0
  !insertmacro _ParluneLanguageRows _ParluneRuntimeRow
  Goto _parlune_table_end

  _parlune_row:
    IntOp $R7 $R7 + 1
    StrCmp $R0 "id" _parlune_id
    StrCmp $R0 "tag" _parlune_tag
    StrCmp $R0 "index" _parlune_index
    ; probe and list read the file first
    StrCmp $R4 "" _parlune_has_text
    ClearErrors
    FileOpen $R8 "$R4\$R1.json" r
    IfErrors _parlune_row_done
    FileReadByte $R8 $R9
    FileClose $R8
    StrCmp $R9 "" _parlune_row_done  ; empty file
    StrCmp $R9 "0" _parlune_row_done  ; the plug-in reads up to the first zero byte
  _parlune_has_text:
    StrCmp $R0 "list" _parlune_list
    FileOpen $R8 "$R5\$R1.json" w
    FileWrite $R8 '{"ParluneFile":"$R1"}'
    FileClose $R8
    Return

  _parlune_list:
    Push $R1
    Push $R4
    Parlune::Init
    Pop $R8
    Parlune::GetStr "LanguageName"
    Pop $R9
    ; A file without its own name would answer en.json's.
    StrCmp $R1 "en" +3
    StrCmp $R9 $1 0 +2
    StrCpy $R9 ""
    StrCmp $R9 "" 0 +2
    StrCpy $R9 $R2
    Push $R7
    Push $R9
    IntOp $0 $0 + 1
    StrCmp $R1 $R5 0 +2
    StrCpy $R6 $R7
    Return

  _parlune_id:
    StrCmp $R6 "" 0 _parlune_row_done
    StrCmp $R1 $R4 0 _parlune_row_done
    StrCpy $R8 0
  _parlune_id_digit:  ; the first id ends at a space or at the end
    StrCpy $R9 $R3 1 $R8
    StrCmp $R9 "" _parlune_id_end
    StrCmp $R9 " " _parlune_id_end
    IntOp $R8 $R8 + 1
    Goto _parlune_id_digit
  _parlune_id_end:
    StrCpy $R6 $R3 $R8
    Return

  _parlune_tag:
    StrCmp $R6 "" 0 _parlune_row_done
    StrCmp $R4 "" _parlune_row_done
    StrCpy $R3 " $R3 "
    StrCpy $R2 " $R4 "
    StrLen $R5 $R2
    StrCpy $R8 0
  _parlune_tag_next:
    StrCpy $R9 $R3 $R5 $R8
    StrCmp $R9 "" _parlune_row_done
    StrCmp $R9 $R2 0 +3
    StrCpy $R6 $R1
    Return
    IntOp $R8 $R8 + 1
    Goto _parlune_tag_next

  _parlune_index:
    StrCmp $R7 $R4 0 +2
    StrCpy $R6 $R1
  _parlune_row_done:
    Return

  _parlune_table_end:
!macroend

; $4 = the tag of the file that the plug-in loads for tag $3 from folder $2
; ("" when none: en.json alone answers), or, with $2 "", of the file that tag
; $3 names whether or not it exists. The plug-in itself decides, from a folder
; of stand-in files that each name their own tag. Leaves the plug-in unloaded.
!macro _ParluneSelectFile_
  InitPluginsDir
  RMDir /r "$PLUGINSDIR\Parlune.probe"
  CreateDirectory "$PLUGINSDIR\Parlune.probe"
  StrCpy $R0 "probe"
  StrCpy $R4 $2
  StrCpy $R5 "$PLUGINSDIR\Parlune.probe"
  ${CallArtificialFunction} _ParluneTable_
  Parlune::Exit
  Push $3
  Push "$PLUGINSDIR\Parlune.probe"
  Parlune::Init
  Pop $4
  ${If} $4 != "0"
    Parlune::GetStr "ParluneFile"
    Pop $4
  ${Else}
    StrCpy $4 ""
  ${EndIf}
  Parlune::Exit
!macroend

!macro _ParlunePushRegisters
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  Push $R7
  Push $R8
  Push $R9
!macroend

!macro _ParlunePopRegisters
  Pop $R9
  Pop $R8
  Pop $R7
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
!macroend

; ---- The NSIS language id bridge ----

; $Parlune.Result = the id of $Parlune.A: of the whole tag, else of the tag
; before its last "-", else before its first "-" (de-AT is de's 1031).
!macro _ParluneLanguageId_
  !insertmacro _ParlunePushRegisters
  StrCpy $R0 "id"
  StrCpy $R4 $Parlune.A
  ${CallArtificialFunction} _ParluneTable_
  ${If} $R6 == ""
    ; the last "-", then the first
    StrLen $0 $Parlune.A
    ${DoWhile} $0 > 0
      IntOp $0 $0 - 1
      StrCpy $1 $Parlune.A 1 $0
      ${If} $1 == "-"
        StrCpy $R4 $Parlune.A $0
        StrCpy $R0 "id"
        ${CallArtificialFunction} _ParluneTable_
        ${IfThen} $R6 != "" ${|} ${Break} ${|}
      ${EndIf}
    ${Loop}
  ${EndIf}
  StrCpy $Parlune.Result $R6
  !insertmacro _ParlunePopRegisters
!macroend

!macro ParluneLanguageId TAG ID
  !insertmacro _ParluneVar Parlune.A
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.A "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageId_
  StrCpy ${ID} $Parlune.Result
!macroend

!macro _ParluneLanguageTag_
  !insertmacro _ParlunePushRegisters
  StrCpy $R0 "tag"
  StrCpy $R4 $Parlune.A
  ${CallArtificialFunction} _ParluneTable_
  StrCpy $Parlune.Result $R6
  !insertmacro _ParlunePopRegisters
!macroend

!macro ParluneLanguageTag ID TAG
  !insertmacro _ParluneVar Parlune.A
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.A "${ID}"
  ${CallArtificialFunction} _ParluneLanguageTag_
  StrCpy ${TAG} $Parlune.Result
!macroend

; ---- Choosing and remembering ----

!macro _ParluneChooseLanguage_
  !insertmacro _ParlunePushRegisters
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANG=" $1
  ${IfThen} ${Errors} ${|} StrCpy $1 "" ${|}
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    ${If} $1 == ""
      ReadRegStr $1 ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}"
    ${EndIf}
  !endif
  ; A number is an NSIS language id, as MUI2 remembers languages.
  IntOp $2 $1 + 0
  ${If} $2 == $1
    StrCpy $R0 "tag"
    StrCpy $R4 $1
    ${CallArtificialFunction} _ParluneTable_
    StrCpy $1 $R6
  ${EndIf}
  StrCpy $Parlune.Result $1
  !insertmacro _ParlunePopRegisters
!macroend

!macro ParluneChooseLanguage TAG
  !insertmacro _ParluneVar Parlune.Result
  ${CallArtificialFunction} _ParluneChooseLanguage_
  StrCpy ${TAG} $Parlune.Result
!macroend

!macro ParluneRememberLanguage TAG
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    ${If} "${TAG}" != ""
      WriteRegStr ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}" "${TAG}"
    ${EndIf}
  !endif
!macroend

; ---- The language dialog ----

!macro _ParluneLanguageDialog_
  !insertmacro _ParlunePushRegisters
  StrCpy $Parlune.Result $Parlune.B
  ${IfNot} ${Silent}
  !ifndef PARLUNE_LANGDLL_ALWAYSSHOW
  ${AndIf} $Parlune.B == ""
  !endif
    ; preselected: the file that the tag, or the user's language, loads
    StrCpy $2 $Parlune.A
    StrCpy $3 $Parlune.B
    ${CallArtificialFunction} _ParluneSelectFile_
    ${IfThen} $4 == "" ${|} StrCpy $4 "en" ${|}
    Parlune::Init "$Parlune.A" "en"
    Pop $0
    Parlune::GetStr "LanguageName"
    Pop $1
    Parlune::Init "$Parlune.A" "$4"
    Pop $0
    Parlune::GetStr "LanguageDialogTitle"
    Pop $2
    ${IfThen} $2 == "" ${|} StrCpy $2 "${PARLUNE_LANGDLL_WINDOWTITLE}" ${|}
    Parlune::GetStr "LanguageDialogText"
    Pop $3
    ${IfThen} $3 == "" ${|} StrCpy $3 "${PARLUNE_LANGDLL_INFO}" ${|}

    Push "<parlune>"  ; below LangDLL's arguments, in case it cannot show itself
    Push ""  ; ends LangDLL's list
    StrCpy $0 0
    StrCpy $R0 "list"
    StrCpy $R4 $Parlune.A
    StrCpy $R5 $4
    ${CallArtificialFunction} _ParluneTable_
    Parlune::Exit
    ${If} $0 < 2
      ; nothing to choose from: take the list off the stack again
      IntOp $0 $0 * 2
      ${Do}
        Pop $1
      ${LoopUntil} $1 == "<parlune>"
    ${Else}
      Push "A"
      Push $3
      Push $2
      ; LangDLL preselects the entry whose value is $LANGUAGE.
      StrCpy $1 $LANGUAGE
      StrCpy $LANGUAGE $R6
      LangDLL::LangDialog
      Pop $R4
      StrCpy $LANGUAGE $1
      ${If} $R4 == "cancel"
        Quit
      ${EndIf}
      ${If} $R4 != "<parlune>"
        ${Do}
          Pop $1
        ${LoopUntil} $1 == "<parlune>"
      ${EndIf}
      StrCpy $R0 "index"
      ${CallArtificialFunction} _ParluneTable_
      ${IfThen} $R6 != "" ${|} StrCpy $Parlune.Result $R6 ${|}
    ${EndIf}
  ${EndIf}
  !insertmacro _ParlunePopRegisters
!macroend

!macro ParluneLanguageDialog FOLDER TAG
  !insertmacro _ParluneVar Parlune.A
  !insertmacro _ParluneVar Parlune.B
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.A "${FOLDER}"
  StrCpy $Parlune.B "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageDialog_
  StrCpy ${TAG} $Parlune.Result
!macroend

; ---- Loading ----

; Loads folder $Parlune.A for tag $Parlune.B; $Parlune.C is a key the file
; should answer besides "NsisLanguageId". A file that answers neither is
; broken (or missing) and then does not decide $LANGUAGE: the tag does.
!macro _ParluneLoadLanguage_
  !insertmacro _ParlunePushRegisters
  StrCpy $2 $Parlune.A
  StrCpy $3 $Parlune.B
  ${CallArtificialFunction} _ParluneSelectFile_
  StrCpy $0 ""  ; the file's own language id
  StrCpy $1 ""  ; whether the file answers
  ${If} $4 != ""
    ; The file alone, without en.json behind it.
    CopyFiles /SILENT "$Parlune.A\$4.json" "$PLUGINSDIR\Parlune.probe\$4.json"
    Parlune::Init "$PLUGINSDIR\Parlune.probe" "$4"
    Pop $R0
    Parlune::GetStr "NsisLanguageId"
    Pop $0
    ${If} $0 != ""
      StrCpy $1 "yes"
    ${ElseIf} $Parlune.C != ""
      Push $Parlune.C
      Parlune::GetStr
      Pop $R0
      ${IfThen} $R0 != "" ${|} StrCpy $1 "yes" ${|}
    ${EndIf}
    Parlune::Exit
  ${EndIf}
  ${If} $1 == "yes"
    StrCpy $Parlune.Loaded $4
  ${Else}
    StrCpy $Parlune.Loaded ""
    StrCpy $2 ""
    ${CallArtificialFunction} _ParluneSelectFile_
  ${EndIf}
  ${If} $0 == ""
  ${AndIf} $4 != ""
    StrCpy $R0 "id"
    StrCpy $R4 $4
    ${CallArtificialFunction} _ParluneTable_
    StrCpy $0 $R6
  ${EndIf}
  ${IfThen} $0 != "" ${|} StrCpy $LANGUAGE $0 ${|}
  Push $Parlune.B
  Push $Parlune.A
  Parlune::Init
  Pop $Parlune.Result
  !insertmacro _ParlunePopRegisters
!macroend

!macro ParluneLoadLanguage FOLDER TAG HANDLE
  !insertmacro _ParluneVar Parlune.A
  !insertmacro _ParluneVar Parlune.B
  !insertmacro _ParluneVar Parlune.C
  !insertmacro _ParluneVar Parlune.Result
  !insertmacro _ParluneVar Parlune.Loaded
  StrCpy $Parlune.A "${FOLDER}"
  StrCpy $Parlune.B "${TAG}"
  !ifdef _PARLUNE_TEXT_1
    StrCpy $Parlune.C "${_PARLUNE_TEXT_1}"
  !else
    StrCpy $Parlune.C ""
  !endif
  ${CallArtificialFunction} _ParluneLoadLanguage_
  StrCpy ${HANDLE} $Parlune.Result
  ${ParluneLoadTexts}
!macroend

!macro ParluneLoadedLanguage TAG
  !insertmacro _ParluneVar Parlune.Loaded
  StrCpy ${TAG} $Parlune.Loaded
!macroend

!macro ParluneInitLanguage SOURCE_FOLDER HANDLE
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParlunePack "${SOURCE_FOLDER}"
  ${ParluneChooseLanguage} $Parlune.Language
  !ifndef __UNINSTALL__
    ${ParluneLanguageDialog} "$PLUGINSDIR\Parlune" $Parlune.Language
  !endif
  ${ParluneLoadLanguage} "$PLUGINSDIR\Parlune" $Parlune.Language ${HANDLE}
!macroend

; With a registry value to remember the language in, this file takes
; .onInstSuccess (as MUI2 takes .onGUIInit); PARLUNE_CUSTOMFUNCTION_INSTSUCCESS
; names the script's own function for it. One choice is always remembered in
; one form: the tag of the file that loaded ("de" for /LANG=de-DE), else,
; when none did, the tag chosen; with PARLUNE_REGISTRY_STORE_ID, the NSIS
; language id, as MUI stores it, for a value an older MUI installer shares.
!ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Loaded
  Function .onInstSuccess
    !ifdef PARLUNE_REGISTRY_STORE_ID
      ; the file's own id: by now NSIS has put $LANGUAGE back to a language
      ; the installer has NSIS texts for
      !insertmacro _ParluneVar Parlune.Id
      ${If} $Parlune.Loaded != ""
        ${ParluneLanguageId} $Parlune.Loaded $Parlune.Id
      ${Else}
        ${ParluneLanguageId} $Parlune.Language $Parlune.Id
      ${EndIf}
      ${IfThen} $Parlune.Id == "" ${|} StrCpy $Parlune.Id $LANGUAGE ${|}
      ${ParluneRememberLanguage} $Parlune.Id
    !else
      ${If} $Parlune.Loaded != ""
        ${ParluneRememberLanguage} $Parlune.Loaded
      ${Else}
        ${ParluneRememberLanguage} $Parlune.Language
      ${EndIf}
    !endif
    !ifdef PARLUNE_CUSTOMFUNCTION_INSTSUCCESS
      Call "${PARLUNE_CUSTOMFUNCTION_INSTSUCCESS}"
    !endif
  FunctionEnd
!endif

; ---- Placeholders ----

; One pass from left to right: a replacement is never searched again.
!macro _ParluneFormat_
  !insertmacro _ParlunePushRegisters
  StrCpy $R1 "{{$Parlune.B}}"
  StrLen $R3 $R1
  StrCpy $R4 0
  StrCpy $R5 ""
  ${Do}
    StrCpy $R6 $Parlune.A 1 $R4
    ${IfThen} $R6 == "" ${|} ${Break} ${|}
    StrCpy $R6 $Parlune.A $R3 $R4
    ${If} $R6 S== $R1
      StrCpy $R5 "$R5$Parlune.C"
      IntOp $R4 $R4 + $R3
    ${Else}
      StrCpy $R6 $Parlune.A 1 $R4
      StrCpy $R5 "$R5$R6"
      IntOp $R4 $R4 + 1
    ${EndIf}
  ${Loop}
  StrCpy $Parlune.Result $R5
  !insertmacro _ParlunePopRegisters
!macroend

!macro ParluneFormat TEXT NAME VALUE
  !insertmacro _ParluneVar Parlune.A
  !insertmacro _ParluneVar Parlune.B
  !insertmacro _ParluneVar Parlune.C
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.A "${TEXT}"
  StrCpy $Parlune.B "${NAME}"
  StrCpy $Parlune.C "${VALUE}"
  ${CallArtificialFunction} _ParluneFormat_
  StrCpy ${TEXT} $Parlune.Result
!macroend

; ---- NSIS's own texts ----

!macro _ParluneMuiRow TAG NAME IDS NSIS
  !if "${NSIS}" != "-"
  !if /FileExists "${_PARLUNE_MUI_SOURCE}\${TAG}.json"
  !ifndef _PARLUNE_MUI_${NSIS}
    !define _PARLUNE_MUI_${NSIS}
    !insertmacro MUI_LANGUAGE "${NSIS}"
    !searchparse /noerrors "${IDS} " "" _PARLUNE_MUI_ID " "
    !if ${LANG_${NSIS}} <> ${_PARLUNE_MUI_ID}
      !error "Parlune's language table gives ${NSIS} the id ${_PARLUNE_MUI_ID}, NSIS gives ${LANG_${NSIS}}"
    !endif
    !undef _PARLUNE_MUI_ID
  !endif
  !endif
  !endif
!macroend

; English first: NSIS falls back to the first language.
!macro ParluneMuiLanguages SOURCE_FOLDER
  !ifndef _PARLUNE_MUI_English
    !define _PARLUNE_MUI_English
    !insertmacro MUI_LANGUAGE "English"
  !endif
  !define /redef _PARLUNE_MUI_SOURCE "${SOURCE_FOLDER}"
  !insertmacro _ParluneLanguageRows _ParluneMuiRow
!macroend

!endif
