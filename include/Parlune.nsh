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
;   ${ParluneFill} NAME VALUE
;       At the top level or in .onInit, before the first ParluneInitLanguage:
;       fills {{NAME}} with VALUE in every declared text whenever texts load.
;   ${ParluneFormat} $text NAME VALUE
;       Replaces every {{NAME}} in $text with VALUE.
;   ${ParluneRememberChoice}
;       In the script's own .onInstSuccess, with PARLUNE_OWN_INSTSUCCESS
;       defined before this file is included: remembers the language.
;
; The pieces, for scripts that arrange the steps themselves:
;   ${ParluneChooseLanguage} $tag        /LANG=TAG, else the remembered tag, else ""
;   ${ParluneLanguageDialog} FOLDER $tag the dialog; $tag becomes the chosen file's tag
;   ${ParluneLoadLanguage} FOLDER TAG $handle   loads, sets $LANGUAGE, reads the texts
;   ${ParluneLoadedLanguage} $tag        the file that answers ("" for en.json alone)
;   ${ParluneRememberLanguage} TAG       writes TAG to the registry value
;   ${ParluneLoadTexts}                  reads every declared text
;   ${ParluneLanguageId} TAG $id         tag -> id of the file the plug-in loads for it ("" for none)
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
!define ParluneFill "!insertmacro ParluneFill"
!define ParluneRememberChoice "!insertmacro ParluneRememberChoice"
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

; Every plug-in call site carries four instructions that extract the plug-in:
; the macros call each export from one shared place instead.
!macro _ParluneInitCall_  ; folder and tag on the stack, the handle back on it
  Parlune::Init
!macroend

!macro _ParluneGetStrCall_
  Parlune::GetStr
!macroend

!macro _ParluneExitCall_
  Parlune::Exit
!macroend

!macro ParluneInit FOLDER TAG HANDLE
  !insertmacro _ParluneVar Parlune.Call
  StrCpy $Parlune.Call "${FOLDER}"
  ${If} $Parlune.Call == ""
    StrCpy ${HANDLE} "0"  ; the plug-in takes nothing and gives nothing without a folder
  ${Else}
    Push "${TAG}"
    Push $Parlune.Call
    ${CallArtificialFunction} _ParluneInitCall_
    Pop ${HANDLE}
  ${EndIf}
!macroend

; The packed folder decides the run-time language table: see _ParluneTable_.
!macro _ParlunePack SOURCE_FOLDER
  !insertmacro _ParluneCheckFolder "${SOURCE_FOLDER}"
  !ifdef __UNINSTALL__
    !define /redef _PARLUNE_PACKED_uninst "${SOURCE_FOLDER}"
  !else
    !define /redef _PARLUNE_PACKED_inst "${SOURCE_FOLDER}"
  !endif
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
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop ${TEXT}
!macroend

!macro ParluneExit
  ${CallArtificialFunction} _ParluneExitCall_
!macroend

; ---- Declared texts ----

!define /ifndef _PARLUNE_TEXTS 0
!define PARLUNE_MAX_TEXTS 999  ; what the blocks of ParluneLoadTexts cover
!define /ifndef _PARLUNE_FILLS 0
!define PARLUNE_MAX_FILLS 20  ; what _ParluneEachFill covers

!macro ParluneText NAME
  Var ${NAME}
  !define /redef /math _PARLUNE_TEXTS ${_PARLUNE_TEXTS} + 1
  !define _PARLUNE_TEXT_${_PARLUNE_TEXTS} ${NAME}
  !if ${_PARLUNE_TEXTS} > ${PARLUNE_MAX_TEXTS}
    !error "Parlune.nsh reads at most ${PARLUNE_MAX_TEXTS} declared texts"
  !endif
!macroend

; Fills {{NAME}} with VALUE in every declared text, each time texts load, in
; installer and uninstaller; VALUE is taken at that moment ($INSTDIR as it is
; then). Belongs before the first ParluneInitLanguage (the top level or
; .onInit), because the code that reads the texts is written there.
!macro ParluneFill NAME VALUE
  !ifdef _ParluneGetText_inst_DEFINED | _ParluneGetText_uninst_DEFINED
    !error "ParluneFill ${NAME}: texts already load above this line; fill placeholders before the first ParluneInitLanguage"
  !endif
  !define /redef /math _PARLUNE_FILLS ${_PARLUNE_FILLS} + 1
  !if ${_PARLUNE_FILLS} > ${PARLUNE_MAX_FILLS}
    !error "Parlune.nsh fills at most ${PARLUNE_MAX_FILLS} placeholders"
  !endif
  !define _PARLUNE_FILL_NAME_${_PARLUNE_FILLS} "${NAME}"
  !define _PARLUNE_FILL_VALUE_${_PARLUNE_FILLS} "${VALUE}"
!macroend

!macro _ParluneFillAt INDEX
  !if ${INDEX} <= ${_PARLUNE_FILLS}
    StrCpy $Parlune.B "${_PARLUNE_FILL_NAME_${INDEX}}"
    StrCpy $Parlune.C "${_PARLUNE_FILL_VALUE_${INDEX}}"
    ${CallArtificialFunction} _ParluneFormat_
  !endif
!macroend

!macro _ParluneEachFill
  !insertmacro _ParluneFillAt 1
  !insertmacro _ParluneFillAt 2
  !insertmacro _ParluneFillAt 3
  !insertmacro _ParluneFillAt 4
  !insertmacro _ParluneFillAt 5
  !insertmacro _ParluneFillAt 6
  !insertmacro _ParluneFillAt 7
  !insertmacro _ParluneFillAt 8
  !insertmacro _ParluneFillAt 9
  !insertmacro _ParluneFillAt 10
  !insertmacro _ParluneFillAt 11
  !insertmacro _ParluneFillAt 12
  !insertmacro _ParluneFillAt 13
  !insertmacro _ParluneFillAt 14
  !insertmacro _ParluneFillAt 15
  !insertmacro _ParluneFillAt 16
  !insertmacro _ParluneFillAt 17
  !insertmacro _ParluneFillAt 18
  !insertmacro _ParluneFillAt 19
  !insertmacro _ParluneFillAt 20
!macroend

; A declared text: the key's text, its placeholders filled. Shared, so a
; text costs three instructions however many placeholders are filled.
!macro _ParluneGetText_
  ${CallArtificialFunction} _ParluneGetStrCall_
  !if ${_PARLUNE_FILLS} > 0
    !insertmacro _ParluneFormatVars
    Pop $Parlune.A
    !insertmacro _ParluneEachFill
    Push $Parlune.A
  !endif
!macroend

!macro _ParluneLoadText INDEX
  Push "${_PARLUNE_TEXT_${INDEX}}"
  ${CallArtificialFunction} _ParluneGetText_
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

; The macros keep their state in variables of their own: no register is
; saved or changed.
!macro _ParluneTableVars
  !insertmacro _ParluneVar Parlune.Op
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Result
  !insertmacro _ParluneVar Parlune.Found
  !insertmacro _ParluneVar Parlune.Number
  !insertmacro _ParluneVar Parlune.Row
  !insertmacro _ParluneVar Parlune.Ids
  !insertmacro _ParluneVar Parlune.Scan
  !insertmacro _ParluneVar Parlune.At
  !insertmacro _ParluneVar Parlune.Part
  !insertmacro _ParluneVar Parlune.Length
  !insertmacro _ParluneVar Parlune.Folder
!macroend

; A row of the installer's own table: only what its code asks of a row.
!macro _ParluneRuntimeRow TAG NAME IDS NSIS CODES
  !define _PARLUNE_ROW_WANTED
  !ifdef _PARLUNE_PACKED_${_PARLUNE_SIDE}
    ; the files packed, and one row for every other NSIS language the
    ; installer has, so that $LANGUAGE follows a tag without a file
    !if /FileExists "${_PARLUNE_PACKED_${_PARLUNE_SIDE}}\${TAG}.json"
    !else if "${NSIS}" == "-"
      !undef _PARLUNE_ROW_WANTED
    !else ifndef LANG_${NSIS}
      !undef _PARLUNE_ROW_WANTED
    !else ifdef _PARLUNE_ROW_${_PARLUNE_SIDE}_${NSIS}
      !undef _PARLUNE_ROW_WANTED
    !endif
  !endif
  !ifdef _PARLUNE_ROW_WANTED
    !undef _PARLUNE_ROW_WANTED
    !define /ifndef _PARLUNE_ROW_${_PARLUNE_SIDE}_${NSIS}
    StrCpy $Parlune.Row "${TAG}"
    StrCpy $Parlune.Ids "${IDS}"
    !ifndef __UNINSTALL__
      StrCpy $Parlune.Name "${NAME}"
    !endif
    ${CallArtificialFunction} _ParluneRow_
  !endif
!macroend

; Visits one row: $Parlune.Row tag, $Parlune.Ids ids (the first is the one
; $LANGUAGE takes), $Parlune.Name name (installer only) and, from the whole
; table, its codes in $Parlune.Scan; does what $Parlune.Op names:
;   probe  writes a stand-in PROBE\TAG.json that names its own tag, for every
;          row whose file in $Parlune.Folder has text (every row for "")
;   id     $Parlune.Result = the NSIS language id of tag $Parlune.Key
;   tag    $Parlune.Result = the tag of NSIS language id $Parlune.Key: of the
;          row that takes it for $LANGUAGE, else of the first that lists it
;   code   $Parlune.Result = the id of the row that the plug-in's code
;          $Parlune.Key names, and $Parlune.Found = its tag
;   list   pushes number and name of every file with text in $Parlune.Folder,
;          for LangDLL (installer only; see _ParluneLanguageDialog_)
;   index  $Parlune.Result = the tag of row number $Parlune.Key
!macro _ParluneRow_
  !insertmacro _ParluneTableVars
  !ifndef __UNINSTALL__
    !insertmacro _ParluneVar Parlune.Name
    !insertmacro _ParluneVar Parlune.Count
    !insertmacro _ParluneVar Parlune.EnglishName
  !endif
  IntOp $Parlune.Number $Parlune.Number + 1
  StrCmp $Parlune.Found "" 0 _parlune_row_done  ; the first row that answers
  StrCmp $Parlune.Op "probe" _parlune_row_read
  !ifndef __UNINSTALL__
    StrCmp $Parlune.Op "list" _parlune_row_read
    StrCmp $Parlune.Op "index" _parlune_row_index
  !endif
  ; id, tag and code look for " KEY " in a list, ignoring letter case
  StrCmp $Parlune.Op "code" _parlune_row_search  ; the row put its codes there
  StrCpy $Parlune.Scan " $Parlune.Row "
  StrCmp $Parlune.Op "id" _parlune_row_search
  StrCpy $Parlune.Scan " $Parlune.Ids "
  _parlune_row_search:
  StrLen $Parlune.Length " $Parlune.Key "
  StrCpy $Parlune.At 0
  _parlune_row_next:
  StrCpy $Parlune.Part $Parlune.Scan $Parlune.Length $Parlune.At
  StrCmp $Parlune.Part "" _parlune_row_done
  IntOp $Parlune.At $Parlune.At + 1
  StrCmp $Parlune.Part " $Parlune.Key " 0 _parlune_row_next
  StrCmp $Parlune.Op "tag" 0 _parlune_row_found
  StrCmp $Parlune.At 1 _parlune_row_found  ; the row's own id: 3082 is es-419's, not es's
  StrCmp $Parlune.Result "" 0 _parlune_row_done  ; else the first row that reads it back
  StrCpy $Parlune.Result $Parlune.Row
  Return
  _parlune_row_found:
  StrCpy $Parlune.Found $Parlune.Row
  StrCpy $Parlune.Result $Parlune.Row
  StrCmp $Parlune.Op "tag" _parlune_row_done
  StrCpy $Parlune.Result ""
  StrCmp $Parlune.Ids "" _parlune_row_done
  IntOp $Parlune.Result $Parlune.Ids + 0  ; the number that starts the list
  Return

  _parlune_row_read:  ; probe and list take rows whose file has text
  StrCmp $Parlune.Folder "" _parlune_row_text
  ClearErrors
  FileOpen $Parlune.Scan "$Parlune.Folder\$Parlune.Row.json" r
  IfErrors _parlune_row_done
  FileReadByte $Parlune.Scan $Parlune.Part
  FileClose $Parlune.Scan
  StrCmp $Parlune.Part "" _parlune_row_done  ; empty file
  StrCmp $Parlune.Part "0" _parlune_row_done  ; the plug-in reads up to the first zero byte
  _parlune_row_text:
  !ifndef __UNINSTALL__
    StrCmp $Parlune.Op "list" _parlune_row_list
  !endif
  FileOpen $Parlune.Scan "$PLUGINSDIR\Parlune.probe\$Parlune.Row.json" w
  FileWrite $Parlune.Scan '{"ParluneFile":"$Parlune.Row"}'
  FileClose $Parlune.Scan
  !ifndef __UNINSTALL__
    Return

    _parlune_row_list:
    Push $Parlune.Row
    Push $Parlune.Folder
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.Part
    Push "LanguageName"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.Part
    ; A file without its own name would answer en.json's.
    StrCmp $Parlune.Row "en" +3
    StrCmp $Parlune.Part $Parlune.EnglishName 0 +2
    StrCpy $Parlune.Part ""
    StrCmp $Parlune.Part "" 0 +2
    StrCpy $Parlune.Part $Parlune.Name
    Push $Parlune.Number
    Push $Parlune.Part
    IntOp $Parlune.Count $Parlune.Count + 1
    StrCmp $Parlune.Row $Parlune.Key 0 +2
    StrCpy $Parlune.Result $Parlune.Number
    Return

    _parlune_row_index:
    StrCmp $Parlune.Number $Parlune.Key 0 +3
    StrCpy $Parlune.Found $Parlune.Row
    StrCpy $Parlune.Result $Parlune.Row
  !endif
  _parlune_row_done:
!macroend

; The installer's table: the rows of the files it packs (see _ParlunePack)
; and of its other NSIS languages; every row when it packs no folder.
!macro _ParluneTable_
  !insertmacro _ParluneTableVars
  !ifdef __UNINSTALL__
    !define /redef _PARLUNE_SIDE uninst
  !else
    !define /redef _PARLUNE_SIDE inst
    !insertmacro _ParluneVar Parlune.Name
    !insertmacro _ParluneVar Parlune.Count
    !insertmacro _ParluneVar Parlune.EnglishName
  !endif
  StrCpy $Parlune.Result ""
  StrCpy $Parlune.Found ""
  StrCpy $Parlune.Number 0
  !insertmacro _ParluneLanguageRows _ParluneRuntimeRow
!macroend

; The whole table, with every code the plug-in knows, for the id bridge.
!macro _ParluneWholeRow TAG NAME IDS NSIS CODES
  StrCpy $Parlune.Row "${TAG}"
  StrCpy $Parlune.Ids "${IDS}"
  StrCpy $Parlune.Scan " ${CODES} "
  ${CallArtificialFunction} _ParluneRow_
!macroend

!macro _ParluneWholeTable_
  !insertmacro _ParluneTableVars
  StrCpy $Parlune.Result ""
  StrCpy $Parlune.Found ""
  StrCpy $Parlune.Number 0
  !insertmacro _ParluneLanguageRows _ParluneWholeRow
!macroend

; $Parlune.Found = the tag of the file that the plug-in loads for tag
; $Parlune.Key from folder $Parlune.Folder ("" when none: en.json alone
; answers), or, with the folder "", of the file that the tag names whether or
; not it exists. The plug-in itself decides, from a folder of stand-in files
; that each name their own tag. Leaves the plug-in unloaded.
!macro _ParluneSelectFile_
  !insertmacro _ParluneTableVars
  ${CallArtificialFunction} _ParluneExitCall_  ; as any plug-in call, makes $PLUGINSDIR
  RMDir /r "$PLUGINSDIR\Parlune.probe"
  CreateDirectory "$PLUGINSDIR\Parlune.probe"
  StrCpy $Parlune.Op "probe"
  ${CallArtificialFunction} _ParluneTable_
  Push $Parlune.Key
  Push "$PLUGINSDIR\Parlune.probe"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Found
  StrCmp $Parlune.Found "0" _parlune_select_none
  Push "ParluneFile"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Found
  Goto _parlune_select_done
  _parlune_select_none:
  StrCpy $Parlune.Found ""
  _parlune_select_done:
  ${CallArtificialFunction} _ParluneExitCall_
!macroend

; ---- The NSIS language id bridge ----

; $Parlune.Result = the id of the file that the plug-in loads for tag
; $Parlune.Key: it tries the whole tag, then the tag before its last "-",
; then before its first "-" (de-AT is de's 1031, es-MX es-419's 3082).
!macro _ParluneLanguageId_
  !insertmacro _ParluneTableVars
  !insertmacro _ParluneVar Parlune.Tag
  !insertmacro _ParluneVar Parlune.Dash
  StrCpy $Parlune.Tag $Parlune.Key
  StrCpy $Parlune.Op "code"
  ${CallArtificialFunction} _ParluneWholeTable_
  StrCmp $Parlune.Found "" 0 _parlune_id_done
  StrLen $Parlune.Dash $Parlune.Tag
  _parlune_id_last:  ; the last "-"
  IntOp $Parlune.Dash $Parlune.Dash - 1
  IntCmp $Parlune.Dash 0 _parlune_id_done _parlune_id_done
  StrCpy $Parlune.Part $Parlune.Tag 1 $Parlune.Dash
  StrCmp $Parlune.Part "-" 0 _parlune_id_last
  StrCpy $Parlune.Key $Parlune.Tag $Parlune.Dash
  ${CallArtificialFunction} _ParluneWholeTable_
  StrCmp $Parlune.Found "" 0 _parlune_id_done
  StrCpy $Parlune.Dash 0
  _parlune_id_first:  ; the first "-"
  IntOp $Parlune.Dash $Parlune.Dash + 1
  StrCpy $Parlune.Part $Parlune.Tag 1 $Parlune.Dash
  StrCmp $Parlune.Part "-" 0 _parlune_id_first
  StrCpy $Parlune.Key $Parlune.Tag $Parlune.Dash
  ${CallArtificialFunction} _ParluneWholeTable_
  _parlune_id_done:
!macroend

!macro ParluneLanguageId TAG ID
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.Key "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageId_
  StrCpy ${ID} $Parlune.Result
!macroend

!macro _ParluneLanguageTag_
  !insertmacro _ParluneTableVars
  StrCpy $Parlune.Op "tag"
  ${CallArtificialFunction} _ParluneWholeTable_
!macroend

!macro ParluneLanguageTag ID TAG
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.Key "${ID}"
  ${CallArtificialFunction} _ParluneLanguageTag_
  StrCpy ${TAG} $Parlune.Result
!macroend

; ---- Choosing and remembering ----

; $Parlune.Result = /LANG=TAG from the command line, else the remembered
; language, else ""; a number is an NSIS language id, as MUI remembers them.
!macro _ParluneChooseLanguage_
  !insertmacro _ParluneTableVars
  StrCpy $Parlune.At 0
  _parlune_choose_option:  ; NSIS has cut /D= off the command line already
  StrCpy $Parlune.Part $CMDLINE 6 $Parlune.At
  StrCmp $Parlune.Part "" _parlune_choose_remembered
  IntOp $Parlune.At $Parlune.At + 1
  StrCmp $Parlune.Part "/LANG=" 0 _parlune_choose_option
  IntOp $Parlune.At $Parlune.At + 5
  StrCpy $Parlune.Key $CMDLINE "" $Parlune.At
  StrCpy $Parlune.At 0
  _parlune_choose_end:  ; the value runs to a space, a quote or the end
  StrCpy $Parlune.Part $Parlune.Key 1 $Parlune.At
  StrCmp $Parlune.Part "" _parlune_choose_cut
  StrCmp $Parlune.Part " " _parlune_choose_cut
  StrCmp $Parlune.Part '"' _parlune_choose_cut
  IntOp $Parlune.At $Parlune.At + 1
  Goto _parlune_choose_end
  _parlune_choose_cut:
  StrCpy $Parlune.Key $Parlune.Key $Parlune.At
  StrCmp $Parlune.At 0 0 _parlune_choose_number
  _parlune_choose_remembered:
  StrCpy $Parlune.Key ""
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    ReadRegStr $Parlune.Key ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}"
  !endif
  _parlune_choose_number:
  StrCpy $Parlune.Result $Parlune.Key
  IntOp $Parlune.Part $Parlune.Key + 0
  StrCmp $Parlune.Part $Parlune.Key 0 _parlune_choose_done
  StrCpy $Parlune.Op "tag"
  ${CallArtificialFunction} _ParluneTable_
  _parlune_choose_done:
!macroend

!macro ParluneChooseLanguage TAG
  !insertmacro _ParluneVar Parlune.Result
  ${CallArtificialFunction} _ParluneChooseLanguage_
  StrCpy ${TAG} $Parlune.Result
!macroend

!macro ParluneRememberLanguage TAG
  !ifdef PARLUNE_REGISTRY_ROOT & PARLUNE_REGISTRY_KEY & PARLUNE_REGISTRY_VALUENAME
    StrCmp "${TAG}" "" +2
    WriteRegStr ${PARLUNE_REGISTRY_ROOT} "${PARLUNE_REGISTRY_KEY}" "${PARLUNE_REGISTRY_VALUENAME}" "${TAG}"
  !endif
!macroend

; ---- The language dialog ----

; $Parlune.Result = the tag chosen in the dialog over the files of folder
; $Parlune.Folder, else tag $Parlune.Key as it came.
!macro _ParluneLanguageDialog_
  !insertmacro _ParluneTableVars
  !insertmacro _ParluneVar Parlune.Tag
  !insertmacro _ParluneVar Parlune.Title
  !insertmacro _ParluneVar Parlune.Text
  StrCpy $Parlune.Tag $Parlune.Key
  IfSilent _parlune_dialog_done
  !ifndef PARLUNE_LANGDLL_ALWAYSSHOW
    StrCmp $Parlune.Key "" 0 _parlune_dialog_done
  !endif
  ; preselected: the file that the tag, or the user's language, loads
  ${CallArtificialFunction} _ParluneSelectFile_
  StrCmp $Parlune.Found "" 0 +2
  StrCpy $Parlune.Found "en"
  Push "en"
  Push $Parlune.Folder
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Part
  Push "LanguageName"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.EnglishName
  Push $Parlune.Found
  Push $Parlune.Folder
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Part
  Push "LanguageDialogTitle"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Title
  StrCmp $Parlune.Title "" 0 +2
  StrCpy $Parlune.Title "${PARLUNE_LANGDLL_WINDOWTITLE}"
  Push "LanguageDialogText"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Text
  StrCmp $Parlune.Text "" 0 +2
  StrCpy $Parlune.Text "${PARLUNE_LANGDLL_INFO}"

  Push "<parlune>"  ; below LangDLL's arguments, in case it cannot show itself
  Push ""  ; ends LangDLL's list
  StrCpy $Parlune.Count 0
  StrCpy $Parlune.Key $Parlune.Found
  StrCpy $Parlune.Op "list"
  ${CallArtificialFunction} _ParluneTable_
  ${CallArtificialFunction} _ParluneExitCall_
  IntCmp $Parlune.Count 2 _parlune_dialog_show _parlune_dialog_drop _parlune_dialog_show
  _parlune_dialog_show:
  Push "A"
  Push $Parlune.Text
  Push $Parlune.Title
  ; LangDLL preselects the entry whose value is $LANGUAGE.
  StrCpy $Parlune.Part $LANGUAGE
  StrCpy $LANGUAGE $Parlune.Result
  LangDLL::LangDialog
  StrCpy $LANGUAGE $Parlune.Part
  Pop $Parlune.Key
  StrCmp $Parlune.Key "cancel" 0 +2
  Quit
  StrCmp $Parlune.Key "<parlune>" _parlune_dialog_index
  _parlune_dialog_drop:  ; the rest of the list; all of it when there was nothing to choose
  Pop $Parlune.Part
  StrCmp $Parlune.Part "<parlune>" 0 _parlune_dialog_drop
  _parlune_dialog_index:
  StrCpy $Parlune.Op "index"
  ${CallArtificialFunction} _ParluneTable_
  StrCmp $Parlune.Found "" _parlune_dialog_done
  StrCpy $Parlune.Tag $Parlune.Found
  _parlune_dialog_done:
  StrCpy $Parlune.Result $Parlune.Tag
!macroend

!macro ParluneLanguageDialog FOLDER TAG
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.Folder "${FOLDER}"
  StrCpy $Parlune.Key "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageDialog_
  StrCpy ${TAG} $Parlune.Result
!macroend

; ---- Loading ----

; Loads folder $Parlune.Folder for tag $Parlune.Key; $Parlune.First is a key
; the file should answer besides "NsisLanguageId". A file that answers
; neither is broken (or missing) and then does not decide $LANGUAGE: the tag
; does. $Parlune.LoadedId keeps the id that $LANGUAGE took.
!macro _ParluneLoadLanguage_
  !insertmacro _ParluneTableVars
  !insertmacro _ParluneVar Parlune.Tag
  !insertmacro _ParluneVar Parlune.Source
  StrCpy $Parlune.Tag $Parlune.Key
  StrCpy $Parlune.Source $Parlune.Folder
  ${CallArtificialFunction} _ParluneSelectFile_
  StrCpy $Parlune.LoadedId ""  ; the file's own language id
  StrCpy $Parlune.Loaded ""
  StrCmp $Parlune.Found "" _parlune_load_fallback
  ; the file alone, without en.json behind it
  CopyFiles /SILENT "$Parlune.Source\$Parlune.Found.json" "$PLUGINSDIR\Parlune.probe\$Parlune.Found.json"
  Push $Parlune.Found
  Push "$PLUGINSDIR\Parlune.probe"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Part
  Push "NsisLanguageId"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.LoadedId
  StrCmp $Parlune.LoadedId "" 0 _parlune_load_answers
  StrCmp $Parlune.First "" _parlune_load_unloaded
  Push $Parlune.First
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Part
  StrCmp $Parlune.Part "" _parlune_load_unloaded
  _parlune_load_answers:
  StrCpy $Parlune.Loaded $Parlune.Found
  _parlune_load_unloaded:
  ${CallArtificialFunction} _ParluneExitCall_
  StrCmp $Parlune.Loaded "" 0 _parlune_load_id
  _parlune_load_fallback:
  StrCpy $Parlune.Folder ""
  StrCpy $Parlune.Key $Parlune.Tag
  ${CallArtificialFunction} _ParluneSelectFile_
  _parlune_load_id:
  StrCmp $Parlune.LoadedId "" 0 _parlune_load_set
  StrCmp $Parlune.Found "" _parlune_load_init
  StrCpy $Parlune.Key $Parlune.Found
  StrCpy $Parlune.Op "id"
  ${CallArtificialFunction} _ParluneTable_
  StrCpy $Parlune.LoadedId $Parlune.Result
  _parlune_load_set:
  StrCmp $Parlune.LoadedId "" +2
  StrCpy $LANGUAGE $Parlune.LoadedId
  _parlune_load_init:
  Push $Parlune.Tag
  Push $Parlune.Source
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Result
!macroend

!macro ParluneLoadLanguage FOLDER TAG HANDLE
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.First
  !insertmacro _ParluneVar Parlune.Result
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
  StrCpy $Parlune.Folder "${FOLDER}"
  StrCpy $Parlune.Key "${TAG}"
  !ifdef _PARLUNE_TEXT_1
    StrCpy $Parlune.First "${_PARLUNE_TEXT_1}"
  !else
    StrCpy $Parlune.First ""
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

; Remembers one choice in one form: the tag of the file that loaded ("de" for
; /LANG=de-DE), else, when none did, the tag chosen; with
; PARLUNE_REGISTRY_STORE_ID, the NSIS language id that $LANGUAGE took at
; loading, as MUI stores it, for a value that an older MUI installer shares.
!macro ParluneRememberChoice
  !insertmacro _ParluneVar Parlune.Language
  !insertmacro _ParluneVar Parlune.Loaded
  !ifdef PARLUNE_REGISTRY_STORE_ID
    ; by now NSIS may have put $LANGUAGE back to a language with NSIS texts
    !insertmacro _ParluneVar Parlune.LoadedId
    StrCmp $Parlune.LoadedId "" 0 +2
    StrCpy $Parlune.LoadedId $LANGUAGE
    ${ParluneRememberLanguage} $Parlune.LoadedId
  !else
    StrCmp $Parlune.Loaded "" 0 +2
    StrCpy $Parlune.Loaded $Parlune.Language
    ${ParluneRememberLanguage} $Parlune.Loaded
  !endif
!macroend

; With a registry value to remember the language in, this file takes
; .onInstSuccess (as MUI2 takes .onGUIInit). A script with its own
; .onInstSuccess defines PARLUNE_OWN_INSTSUCCESS before including this file
; and calls ${ParluneRememberChoice} from it.
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

; ---- Placeholders ----

!macro _ParluneFormatVars
  !insertmacro _ParluneVar Parlune.A
  !insertmacro _ParluneVar Parlune.B
  !insertmacro _ParluneVar Parlune.C
!macroend

; $Parlune.A with every {{$Parlune.B}} replaced by $Parlune.C, in one pass
; from left to right: a replacement is never searched again.
!macro _ParluneFormat_
  !insertmacro _ParluneFormatVars
  !insertmacro _ParluneVar Parlune.Mark
  !insertmacro _ParluneVar Parlune.MarkLength
  !insertmacro _ParluneVar Parlune.Offset
  !insertmacro _ParluneVar Parlune.Piece
  !insertmacro _ParluneVar Parlune.Filled
  StrCpy $Parlune.Mark "{{$Parlune.B}}"
  StrLen $Parlune.MarkLength $Parlune.Mark
  StrCpy $Parlune.Offset 0
  StrCpy $Parlune.Filled ""
  _parlune_format_next:
  StrCpy $Parlune.Piece $Parlune.A $Parlune.MarkLength $Parlune.Offset
  StrCmp $Parlune.Piece "" _parlune_format_done
  StrCmpS $Parlune.Piece $Parlune.Mark 0 _parlune_format_char
  StrCpy $Parlune.Filled "$Parlune.Filled$Parlune.C"
  IntOp $Parlune.Offset $Parlune.Offset + $Parlune.MarkLength
  Goto _parlune_format_next
  _parlune_format_char:
  StrCpy $Parlune.Piece $Parlune.A 1 $Parlune.Offset
  StrCpy $Parlune.Filled "$Parlune.Filled$Parlune.Piece"
  IntOp $Parlune.Offset $Parlune.Offset + 1
  Goto _parlune_format_next
  _parlune_format_done:
  StrCpy $Parlune.A $Parlune.Filled
!macroend

!macro ParluneFormat TEXT NAME VALUE
  !insertmacro _ParluneFormatVars
  StrCpy $Parlune.A "${TEXT}"
  StrCpy $Parlune.B "${NAME}"
  StrCpy $Parlune.C "${VALUE}"
  ${CallArtificialFunction} _ParluneFormat_
  StrCpy ${TEXT} $Parlune.A
!macroend

; ---- NSIS's own texts ----

!macro _ParluneMuiRow TAG NAME IDS NSIS CODES
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
