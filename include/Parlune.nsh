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
; The pieces, for scripts that arrange the steps themselves, on the folder
; that ParluneInitLanguage or ParluneInitPacked packs before them:
;   ${ParluneChooseLanguage} $tag        /LANG=TAG, else the remembered tag, else ""
;   ${ParluneLanguageDialog} FOLDER $tag the dialog; $tag becomes the chosen file's tag
;   ${ParluneLoadLanguage} FOLDER TAG $handle   loads, sets $LANGUAGE, reads the texts
;   ${ParluneLoadedLanguage} $tag        the file that loaded ("" for en.json alone)
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
; too with PARLUNE_CHECK_STRICT), and hands the files' NSIS ids and names
; over; PARLUNE_NO_CHECK, defined before this file is included, turns it off
; (the language table's ids and names stand then).
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
  !tempfile _PARLUNE_FACTS
  !define _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_OPTIONS} --facts "${_PARLUNE_FACTS}"'
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
  ; the files' own NSIS ids and names, for the stand-ins and the dialog
  !if /FileExists "${_PARLUNE_FACTS}"  ; not under makensis -SAFEPPO, which runs nothing
    !include /CHARSET=UTF8 "${_PARLUNE_FACTS}"
    !delfile "${_PARLUNE_FACTS}"
  !endif
  !undef _PARLUNE_FACTS
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

; The packed folder decides the stand-ins: see _ParluneWriteSet.
!macro _ParlunePack SOURCE_FOLDER
  !insertmacro _ParluneCheckFolder "${SOURCE_FOLDER}"
  !insertmacro _ParluneSide
  !define /ifndef _PARLUNE_PACKS 0
  !define /redef /math _PARLUNE_PACKS ${_PARLUNE_PACKS} + 1
  ; the choosing and loading code reads the first folder that its side packs
  !define /ifndef _PARLUNE_SET_${_PARLUNE_SIDE} ${_PARLUNE_SIDE}${_PARLUNE_PACKS}
  InitPluginsDir
  Push $OUTDIR
  SetOutPath "$PLUGINSDIR\Parlune"
  File "${SOURCE_FOLDER}\*.json"
  !insertmacro _ParluneWriteSet ${_PARLUNE_SIDE}${_PARLUNE_PACKS} "${SOURCE_FOLDER}" "$PLUGINSDIR\Parlune.files"
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

; ---- The language table, as stand-in files for the plug-in ----

; The plug-in itself decides which file a tag loads. Beside the files it
; packs, the installer carries a stand-in for each, written while the script
; compiles, that names its file and its NSIS language id (the file's own,
; from the compile-time check, else the table's): the plug-in picks among the
; stand-ins exactly as among the files. The stand-in en.json also maps every NSIS id back to a file's tag.
; The installer's other NSIS languages get stand-ins of their own in
; "extra", so that $LANGUAGE follows a tag without a file; the id bridge has a
; folder of the whole table.

; _PARLUNE_ID1.._PARLUNE_ID3: the ids of a row, "." where it has fewer (the
; language table allows a row at most three: PARLUNE_MAX_LANGUAGE_IDS in
; cmake/language_table.cmake).
!macro _ParluneRowIds IDS
  !ifdef _PARLUNE_ID1
    !undef _PARLUNE_ID1
    !undef _PARLUNE_ID2
    !undef _PARLUNE_ID3
  !endif
  !searchparse /noerrors "${IDS} . . ." "" _PARLUNE_ID1 " " _PARLUNE_ID2 " " _PARLUNE_ID3 " "
!macroend

; Writes a stand-in now and packs it as OUTNAME.
!macro _ParluneStandIn OUTNAME TEXT
  !tempfile _PARLUNE_STANDIN
  !appendfile /CHARSET=UTF8 "${_PARLUNE_STANDIN}" `${TEXT}`
  File "/oname=${OUTNAME}" "${_PARLUNE_STANDIN}"
  !delfile "${_PARLUNE_STANDIN}"
  !undef _PARLUNE_STANDIN
!macroend

; An id reads back as the first row whose own id it is (3082 is es-419's),
; else as the first row that lists it: the map takes first ids in one pass
; over the rows and the others in a second.
!macro _ParluneMapId ID TAG
  !if "${ID}" != "."
  !if "${ID}" != ""
  !ifndef _PARLUNE_MAPPED_${_PARLUNE_SET}_${ID}
    !define _PARLUNE_MAPPED_${_PARLUNE_SET}_${ID}
    !appendfile "${_PARLUNE_SET_MAP}" `,"${ID}":"${TAG}"`
  !endif
  !endif
  !endif
!macroend

; A row of the set being written: with a source folder, its file when the
; folder has one, else a stand-in in "extra" when it is one of the
; installer's other NSIS languages; without one, every row.
!macro _ParluneSetRow TAG NAME IDS NSIS CODES
  !insertmacro _ParluneRowIds "${IDS}"
  !define /redef _PARLUNE_ROW_ID "${_PARLUNE_ID1}"
  !if "${_PARLUNE_ROW_ID}" == "."
    !define /redef _PARLUNE_ROW_ID ""
  !endif
  !define /redef _PARLUNE_ROW_KIND ""
  !if "${_PARLUNE_SET_SOURCE}" == ""
    !define /redef _PARLUNE_ROW_KIND row
  !else if /FileExists "${_PARLUNE_SET_SOURCE}\${TAG}.json"
    !define /redef _PARLUNE_ROW_KIND file
  !else if "${NSIS}" != "-"
    !ifdef LANG_${NSIS}
    !ifndef _PARLUNE_NSIS_${_PARLUNE_SET}_${NSIS}
      !define /redef _PARLUNE_ROW_KIND extra
    !endif
    !endif
  !endif
  !if "${_PARLUNE_ROW_KIND}" != ""
    !define _PARLUNE_ROW_${_PARLUNE_SET}_${TAG}
    !define /ifndef _PARLUNE_NSIS_${_PARLUNE_SET}_${NSIS}
    !insertmacro _ParluneMapId "${_PARLUNE_ROW_ID}" ${TAG}
    !define /redef _PARLUNE_ROW_TEXT ""
    !if "${_PARLUNE_ROW_KIND}" == file
      ; the file's own id and name where the checker found them
      !ifdef _PARLUNE_FACT_ID_${TAG}
        !define /redef _PARLUNE_ROW_ID "${_PARLUNE_FACT_ID_${TAG}}"
      !endif
      !ifdef _PARLUNE_FACT_NAME_${TAG}
        !define _PARLUNE_NAME_${_PARLUNE_SET}_${TAG} "${_PARLUNE_FACT_NAME_${TAG}}"
      !else
        !define _PARLUNE_NAME_${_PARLUNE_SET}_${TAG} "${NAME}"
      !endif
      !define /redef _PARLUNE_ROW_TEXT `,"ParluneFile":"${TAG}"`
      !define /redef /math _PARLUNE_FILES_${_PARLUNE_SET} ${_PARLUNE_FILES_${_PARLUNE_SET}} + 1
    !endif
    !define /redef _PARLUNE_ROW_TEXT `"ParluneId":"${_PARLUNE_ROW_ID}"${_PARLUNE_ROW_TEXT}`
    !if ${TAG} == en
      !if "${_PARLUNE_ROW_KIND}" != extra
        !appendfile /CHARSET=UTF8 "${_PARLUNE_SET_MAP}" `,${_PARLUNE_ROW_TEXT}`
      !endif
    !else if "${_PARLUNE_ROW_KIND}" == extra
      !ifndef _PARLUNE_EXTRA_${_PARLUNE_SET}
        !define _PARLUNE_EXTRA_${_PARLUNE_SET}
        CreateDirectory "$OUTDIR\extra"
      !endif
      !insertmacro _ParluneStandIn "extra\${TAG}.json" `{${_PARLUNE_ROW_TEXT}}`
    !else
      !insertmacro _ParluneStandIn "${TAG}.json" `{${_PARLUNE_ROW_TEXT}}`
    !endif
  !endif
!macroend

!macro _ParluneSetOtherIds TAG NAME IDS NSIS CODES
  !ifdef _PARLUNE_ROW_${_PARLUNE_SET}_${TAG}
    !insertmacro _ParluneRowIds "${IDS}"
    !insertmacro _ParluneMapId "${_PARLUNE_ID2}" ${TAG}
    !insertmacro _ParluneMapId "${_PARLUNE_ID3}" ${TAG}
  !endif
!macroend

; Writes and packs set SET into FOLDER, which becomes $OUTDIR: the stand-ins
; of the files of SOURCE ("" for the whole table), named as the files are so
; that they share their names' strings.
!macro _ParluneWriteSet SET SOURCE FOLDER
  !define /redef _PARLUNE_SET ${SET}
  !define /redef _PARLUNE_SET_SOURCE "${SOURCE}"
  !define _PARLUNE_FILES_${SET} 0
  SetOutPath "${FOLDER}"
  !tempfile _PARLUNE_SET_MAP
  !appendfile "${_PARLUNE_SET_MAP}" `{"ParluneMap":""`
  !insertmacro _ParluneLanguageRows _ParluneSetRow
  !insertmacro _ParluneLanguageRows _ParluneSetOtherIds
  !appendfile "${_PARLUNE_SET_MAP}" `}`
  File "/oname=en.json" "${_PARLUNE_SET_MAP}"
  !delfile "${_PARLUNE_SET_MAP}"
  !undef _PARLUNE_SET_MAP
!macroend

; The folder of the whole table, packed on first use.
!macro _ParluneTableFolder_
  IfFileExists "$PLUGINSDIR\Parlune.table\en.json" _parlune_table_packed
  InitPluginsDir
  Push $OUTDIR
  !insertmacro _ParluneWriteSet ${_PARLUNE_SIDE}_table "" "$PLUGINSDIR\Parlune.table"
  Pop $OUTDIR
  _parlune_table_packed:
!macroend

!macro _ParluneSide
  !ifdef __UNINSTALL__
    !define /redef _PARLUNE_SIDE uninst
  !else
    !define /redef _PARLUNE_SIDE inst
  !endif
!macroend

; $Parlune.Loaded = the tag of the file that the plug-in loads for tag
; $Parlune.Key from the packed folder ("" when none does: en.json alone
; answers), $Parlune.LoadedId = its NSIS language id, or the id of the installer's
; NSIS language that the tag names ("" for none). Leaves the stand-ins
; loaded.
!macro _ParluneSelectFile_
  !insertmacro _ParluneSide
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.Key
  Push "$PLUGINSDIR\Parlune.files"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Loaded
  StrCmp $Parlune.Loaded "0" _parlune_select_none
  Push "ParluneFile"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Loaded
  Push "ParluneId"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.LoadedId
  Goto _parlune_select_done
  _parlune_select_none:
  StrCpy $Parlune.Loaded ""
  StrCpy $Parlune.LoadedId ""
  !ifdef _PARLUNE_EXTRA_${_PARLUNE_SET_${_PARLUNE_SIDE}}
    Push $Parlune.Key
    Push "$PLUGINSDIR\Parlune.files\extra"
    ${CallArtificialFunction} _ParluneInitCall_
    Pop $Parlune.LoadedId
    StrCmp $Parlune.LoadedId "0" _parlune_select_no_id
    Push "ParluneId"
    ${CallArtificialFunction} _ParluneGetStrCall_
    Pop $Parlune.LoadedId
    Goto _parlune_select_done
    _parlune_select_no_id:
    StrCpy $Parlune.LoadedId ""
  !endif
  _parlune_select_done:
!macroend

; The stand-ins that the choosing and loading macros read: those of the
; folder this side packs.
!macro _ParluneNeedPacked WHAT
  !insertmacro _ParluneSide
  !ifndef _PARLUNE_SET_${_PARLUNE_SIDE}
    !error "${WHAT} reads the language files that ParluneInitLanguage or ParluneInitPacked packs: pack them first, in the same (installer or uninstaller) code"
  !endif
!macroend

; ---- The NSIS language id bridge ----

; Reloads the files that ParluneLoadLanguage loaded, after the bridge has
; used the plug-in.
!macro _ParluneReload_
  ${CallArtificialFunction} _ParluneExitCall_
  StrCmp $Parlune.Folder "" _parlune_reload_done
  StrCpy $Parlune.Bridge $Parlune.Loaded
  StrCmp $Parlune.Bridge "" 0 +2
  StrCpy $Parlune.Bridge "-"  ; a tag of no file: en.json alone
  Push $Parlune.Bridge
  Push $Parlune.Folder
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Bridge
  _parlune_reload_done:
!macroend

!macro _ParluneBridgeVars
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Bridge
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Loaded
!macroend

; $Parlune.Bridge = the id of the table's file that the plug-in loads for
; tag $Parlune.Key ("" for none).
!macro _ParluneLanguageId_
  !insertmacro _ParluneBridgeVars
  !insertmacro _ParluneSide
  StrCpy $Parlune.Bridge ""
  StrCmp $Parlune.Key "" _parlune_id_done  ; the plug-in would take the user's language
  ${CallArtificialFunction} _ParluneTableFolder_
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.Key
  Push "$PLUGINSDIR\Parlune.table"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Bridge
  StrCmp $Parlune.Bridge "0" _parlune_id_none
  Push "ParluneId"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Bridge
  Goto _parlune_id_reload
  _parlune_id_none:
  StrCpy $Parlune.Bridge ""
  _parlune_id_reload:
  Push $Parlune.Bridge
  ${CallArtificialFunction} _ParluneReload_
  Pop $Parlune.Bridge
  _parlune_id_done:
!macroend

!macro ParluneLanguageId TAG ID
  !insertmacro _ParluneBridgeVars
  StrCpy $Parlune.Key "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageId_
  StrCpy ${ID} $Parlune.Bridge
!macroend

; $Parlune.Bridge = the tag of NSIS language id $Parlune.Key ("" for none).
!macro _ParluneLanguageTag_
  !insertmacro _ParluneBridgeVars
  !insertmacro _ParluneSide
  ${CallArtificialFunction} _ParluneTableFolder_
  Push ""
  Push "$PLUGINSDIR\Parlune.table"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Bridge
  Push $Parlune.Key
  ${CallArtificialFunction} _ParluneGetStrCall_
  ${CallArtificialFunction} _ParluneReload_
  Pop $Parlune.Bridge
!macroend

!macro ParluneLanguageTag ID TAG
  !insertmacro _ParluneBridgeVars
  StrCpy $Parlune.Key "${ID}"
  ${CallArtificialFunction} _ParluneLanguageTag_
  StrCpy ${TAG} $Parlune.Bridge
!macroend

; ---- Choosing and remembering ----

!macro _ParluneChooseVars
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Result
  !insertmacro _ParluneVar Parlune.At
  !insertmacro _ParluneVar Parlune.Part
!macroend

; $Parlune.Result = /LANG=TAG from the command line, else the remembered
; language, else ""; a number is an NSIS language id, as MUI remembers them,
; and becomes its file's tag. Leaves the stand-ins loaded.
!macro _ParluneChooseLanguage_
  !insertmacro _ParluneChooseVars
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
  Push ""  ; the stand-in en.json maps the ids
  Push "$PLUGINSDIR\Parlune.files"
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Part
  Push $Parlune.Key
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop $Parlune.Result
  _parlune_choose_done:
!macroend

!macro ParluneChooseLanguage TAG
  !insertmacro _ParluneNeedPacked ParluneChooseLanguage
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

; One entry of the dialog for every packed file, with its name.
!macro _ParluneDialogRow TAG NAME IDS NSIS CODES
  !ifdef _PARLUNE_NAME_${_PARLUNE_SET_inst}_${TAG}
    Push "${TAG}"
    Push "${_PARLUNE_NAME_${_PARLUNE_SET_inst}_${TAG}}"
  !endif
!macroend

; $Parlune.Result = the tag chosen in the dialog over the packed files, else
; tag $Parlune.Key as it came. Without two files there is nothing to choose.
!macro _ParluneLanguageDialog_
  !insertmacro _ParluneChooseVars
  !insertmacro _ParluneVar Parlune.Tag
  !insertmacro _ParluneVar Parlune.Title
  !insertmacro _ParluneVar Parlune.Text
  StrCpy $Parlune.Tag $Parlune.Key
  !if ${_PARLUNE_FILES_${_PARLUNE_SET_inst}} > 1
  IfSilent _parlune_dialog_done
  !ifndef PARLUNE_LANGDLL_ALWAYSSHOW
    StrCmp $Parlune.Key "" 0 _parlune_dialog_done
  !endif
  ; preselected: the file that the tag, or the user's language, loads; the
  ; dialog speaks its language
  ${CallArtificialFunction} _ParluneSelectFile_
  StrCmp $Parlune.Loaded "" 0 +2
  StrCpy $Parlune.Loaded "en"
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.Loaded
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
  ${CallArtificialFunction} _ParluneExitCall_

  Push "<parlune>"  ; below LangDLL's arguments, in case it cannot show itself
  Push ""  ; ends LangDLL's list
  !insertmacro _ParluneLanguageRows _ParluneDialogRow
  Push "A"
  Push $Parlune.Text
  Push $Parlune.Title
  ; LangDLL preselects the entry whose value is $LANGUAGE.
  StrCpy $Parlune.Part $LANGUAGE
  StrCpy $LANGUAGE $Parlune.Loaded
  LangDLL::LangDialog
  StrCpy $LANGUAGE $Parlune.Part
  Pop $Parlune.Key
  StrCmp $Parlune.Key "cancel" 0 +2
  Quit
  StrCmp $Parlune.Key "<parlune>" _parlune_dialog_done
  StrCpy $Parlune.Tag $Parlune.Key
  _parlune_dialog_drop:  ; whatever LangDLL left of its list, down to the mark
  Pop $Parlune.Part
  StrCmp $Parlune.Part "<parlune>" 0 _parlune_dialog_drop
  _parlune_dialog_done:
  !endif
  StrCpy $Parlune.Result $Parlune.Tag
!macroend

; FOLDER is the folder the files were packed to, as for ParluneLoadLanguage;
; the dialog lists the files this installer packs.
!macro ParluneLanguageDialog FOLDER TAG
  !insertmacro _ParluneNeedPacked ParluneLanguageDialog
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Result
  StrCpy $Parlune.Folder "${FOLDER}"
  StrCpy $Parlune.Key "${TAG}"
  ${CallArtificialFunction} _ParluneLanguageDialog_
  StrCpy ${TAG} $Parlune.Result
!macroend

; ---- Loading ----

; Loads folder $Parlune.Folder (the packed files) for tag $Parlune.Key and
; sets $LANGUAGE to the id of the file that loads, or, when none does, of
; the installer's NSIS language that the tag names.
!macro _ParluneLoadLanguage_
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Result
  ${CallArtificialFunction} _ParluneSelectFile_
  StrCmp $Parlune.LoadedId "" +2
  StrCpy $LANGUAGE $Parlune.LoadedId
  ${CallArtificialFunction} _ParluneExitCall_
  Push $Parlune.Key
  Push $Parlune.Folder
  ${CallArtificialFunction} _ParluneInitCall_
  Pop $Parlune.Result
!macroend

!macro ParluneLoadLanguage FOLDER TAG HANDLE
  !insertmacro _ParluneNeedPacked ParluneLoadLanguage
  !insertmacro _ParluneVar Parlune.Key
  !insertmacro _ParluneVar Parlune.Folder
  !insertmacro _ParluneVar Parlune.Result
  !insertmacro _ParluneVar Parlune.Loaded
  !insertmacro _ParluneVar Parlune.LoadedId
  StrCpy $Parlune.Folder "${FOLDER}"
  StrCpy $Parlune.Key "${TAG}"
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
