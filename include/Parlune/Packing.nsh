; Parlune/Packing.nsh - packing a folder of language files, and reading and
; checking them while the script compiles, for Parlune.nsh.
;
;   ${ParluneInitPacked} SOURCE_FOLDER TAG $handle
;       At compile time, packs SOURCE_FOLDER\*.json into the installer; at
;       run time, extracts them to $PLUGINSDIR\Parlune and loads them as
;       ${ParluneInit} does.
;
; Every folder packed is read once while makensis compiles, by the package's
; parlune-check, together with the texts the script has declared by then:
; the files' own NSIS ids and names reach the installer from there, and its
; verdict shows in makensis's output, where errors stop the compile.
;   PARLUNE_CHECK_OFF     the files are still read, but no report and no
;                         verdict (PARLUNE_NO_CHECK, the earlier name, too)
;   PARLUNE_CHECK_STRICT  warnings stop the compile too, and so does a
;                         missing checker (PARLUNE_CHECK, the earlier name
;                         for that, still asks for the checker alone)
;   PARLUNE_CHECKER       another checker than the package's own, which sits
;                         in the Bin folder beside Include
;
; The plug-in itself decides which file a tag loads. Beside the files it
; packs, the installer carries a stand-in for each, written while the
; script compiles, that names its file and its NSIS language id: the plug-in
; picks among the stand-ins exactly as among the files. The stand-in
; en.json also maps every NSIS id back to a file's tag. The installer's
; other NSIS languages get stand-ins of their own in "extra", so that
; $LANGUAGE follows a tag without a file; a folder of the whole table
; answers for folders that are not packed.

!ifdef PARLUNE_NO_CHECK
  !define /ifndef PARLUNE_CHECK_OFF
!endif
!ifndef PARLUNE_CHECKER
  !ifdef NSIS_WIN32_MAKENSIS
    ; the 64-bit build wherever Windows runs it (it has SysWOW64 then): a
    ; 32-bit program starts slower there, and not at all under some emulators
    !if /FileExists "$%WINDIR%\SysWOW64\*"
      !define PARLUNE_CHECKER "${__FILEDIR__}\..\..\Bin\parlune-check.exe"
    !else
      !define PARLUNE_CHECKER "${__FILEDIR__}\..\..\Bin\x86\parlune-check.exe"
    !endif
  !else
    !define PARLUNE_CHECKER "${__FILEDIR__}/../../Bin/linux-x86_64/parlune-check"
  !endif
!endif
!define _PARLUNE_READ_FOLDERS "|"

; Runs the checker over SOURCE_FOLDER and takes the files' ids and names
; from the defines it writes. MODE "check" gives its verdict; "nsis" asks
; for the facts alone and for the files' texts for NSIS's own (ModernUI.nsh).
!macro _ParluneRunChecker SOURCE_FOLDER MODE
  !tempfile _PARLUNE_FACTS
  !define _PARLUNE_CHECK_RUN '--facts "${_PARLUNE_FACTS}"'
  !if "${MODE}" == nsis
    !tempfile _PARLUNE_NSIS_TEXTS
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --quiet --nsis-texts "${_PARLUNE_NSIS_TEXTS}" --nsisdir "${NSISDIR}"'
  !else ifdef PARLUNE_CHECK_OFF
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --quiet'
  !else ifdef PARLUNE_CHECK_STRICT
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --strict'
  !endif
  !if "${MODE}" == check
  !if "${_PARLUNE_TEXT_LIST}" != ""
    !tempfile _PARLUNE_DECLARED
    !searchreplace _PARLUNE_DECLARED_LINES "${_PARLUNE_TEXT_LIST}" "|" "$\n"
    !appendfile "${_PARLUNE_DECLARED}" "${_PARLUNE_DECLARED_LINES}$\n"
    !undef _PARLUNE_DECLARED_LINES
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --declared "${_PARLUNE_DECLARED}"'
  !endif
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
    !error "parlune-check found problems in ${SOURCE_FOLDER} (its report is above); fix them, or define PARLUNE_CHECK_OFF to compile without its verdict"
  !endif
  !undef _PARLUNE_CHECK_STATUS
  !if /FileExists "${_PARLUNE_FACTS}"  ; not under makensis -SAFEPPO, which runs nothing
    !include /CHARSET=UTF8 "${_PARLUNE_FACTS}"
    !delfile "${_PARLUNE_FACTS}"
  !endif
  !undef _PARLUNE_FACTS
  !ifdef _PARLUNE_NSIS_TEXTS
    !if /FileExists "${_PARLUNE_NSIS_TEXTS}"
      !include /CHARSET=UTF8 "${_PARLUNE_NSIS_TEXTS}"
      !delfile "${_PARLUNE_NSIS_TEXTS}"
    !endif
    !undef _PARLUNE_NSIS_TEXTS
  !endif
!macroend

; Reads SOURCE_FOLDER once, however often it is packed.
!macro _ParluneReadFolder SOURCE_FOLDER
  !searchreplace _PARLUNE_UNSEEN "${_PARLUNE_READ_FOLDERS}" "|${SOURCE_FOLDER}|" ""
  !if "${_PARLUNE_UNSEEN}" == "${_PARLUNE_READ_FOLDERS}"
    !define /redef _PARLUNE_READ_FOLDERS "${_PARLUNE_READ_FOLDERS}${SOURCE_FOLDER}|"
    !if /FileExists "${PARLUNE_CHECKER}"
      !insertmacro _ParluneRunChecker "${SOURCE_FOLDER}" check
    !else ifdef PARLUNE_CHECK_STRICT | PARLUNE_CHECK
      !error "Parlune: no checker at ${PARLUNE_CHECKER}, and the script asks for its verdict (PARLUNE_CHECK_STRICT); unpack the whole Parlune package (its Bin folder beside Include), or define PARLUNE_CHECKER"
    !else
      !warning "Parlune: ${SOURCE_FOLDER} is not checked: no parlune-check at ${PARLUNE_CHECKER}, so nothing reads the files while compiling: the installer gives them the language table's NSIS ids and names, not their own NsisLanguageId and LanguageName, a file named by a tag beyond the table (cy.json) is no language of it, the files' texts for NSIS's own buttons and pages are left out, and a broken file loads as one without texts. Unpack the package's Bin folder beside Include, or define PARLUNE_CHECKER."
      !ifdef _PARLUNE_FACT_BEYOND
        !undef _PARLUNE_FACT_BEYOND
      !endif
    !endif
  !endif
  !undef _PARLUNE_UNSEEN
!macroend

; ---- The stand-ins ----

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

; With PARLUNE_MIN_COVERAGE, a file TAG whose share of en.json's texts is
; below it: the dialog leaves it out, and the user's language alone does not
; choose it (_ParluneSkipPartial); a tag given or remembered still does.
!macro _ParluneMarkPartial TAG
  !ifdef PARLUNE_MIN_COVERAGE & _PARLUNE_FACT_COVERAGE_${TAG}
  !if ${_PARLUNE_FACT_COVERAGE_${TAG}} < ${PARLUNE_MIN_COVERAGE}
  !if ${TAG} != en
    !define _PARLUNE_PARTIAL_${_PARLUNE_SET}_${TAG}
    !define /ifndef _PARLUNE_PARTIAL_${_PARLUNE_SET} ""
    !define /redef _PARLUNE_PARTIAL_${_PARLUNE_SET} "${_PARLUNE_PARTIAL_${_PARLUNE_SET}}|${TAG}"
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
    ; the tags that select the file, for the rule that weighs it against
    ; files beyond the table: "-" in a packed set, where the plug-in has
    ; picked it, the file's tag in the whole table's
    !if "${_PARLUNE_ROW_KIND}" == row
      !searchreplace _PARLUNE_ROW_CODES "${CODES}" " " `":"${TAG}","=`
      !appendfile /CHARSET=UTF8 "${_PARLUNE_SET_MAP}" `,"=${_PARLUNE_ROW_CODES}":"${TAG}"`
    !else if "${_PARLUNE_ROW_KIND}" == file
    !if "${_PARLUNE_SET_BEYOND}" != ""
      !searchreplace _PARLUNE_ROW_CODES "${CODES}" " " `":"-","=`
      !appendfile /CHARSET=UTF8 "${_PARLUNE_SET_MAP}" `,"=${_PARLUNE_ROW_CODES}":"-"`
    !endif
    !endif
    !if "${_PARLUNE_ROW_KIND}" == file
      ; the file's own id and name where the reading found them
      !ifdef _PARLUNE_FACT_ID_${TAG}
        !define /redef _PARLUNE_ROW_ID "${_PARLUNE_FACT_ID_${TAG}}"
      !endif
    !endif
    ; a table of the file's own (ModernUI.nsh) answers to its id alone
    !ifdef _PARLUNE_TABLE_ID_${TAG}
      !define /redef _PARLUNE_ROW_ID "${_PARLUNE_TABLE_ID_${TAG}}"
      !insertmacro _ParluneMapId "${_PARLUNE_ROW_ID}" ${TAG}
    !endif
    !if "${_PARLUNE_ROW_KIND}" == file
      !ifdef _PARLUNE_FACT_NAME_${TAG}
        !define _PARLUNE_NAME_${_PARLUNE_SET}_${TAG} "${_PARLUNE_FACT_NAME_${TAG}}"
      !else
        !define _PARLUNE_NAME_${_PARLUNE_SET}_${TAG} "${NAME}"
      !endif
      !define /redef /math _PARLUNE_FILES_${_PARLUNE_SET} ${_PARLUNE_FILES_${_PARLUNE_SET}} + 1
      !insertmacro _ParluneMarkPartial ${TAG}
    !endif
    !if "${_PARLUNE_ROW_KIND}" != extra
      !define /redef _PARLUNE_ROW_TEXT `,"ParluneFile":"${TAG}"`
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

; A file beyond the code table, named by its own tag: the map takes the tag
; itself ("=cy":"cy"), its id (":cy") and the id as a tag ("=1106", the
; user's language as NSIS found it), and the id back to the tag.
!macro _ParluneSetBeyond TAG
  !define _PARLUNE_NAME_${_PARLUNE_SET}_${TAG} "${_PARLUNE_FACT_NAME_${TAG}}"
  !define /redef /math _PARLUNE_FILES_${_PARLUNE_SET} ${_PARLUNE_FILES_${_PARLUNE_SET}} + 1
  !appendfile /CHARSET=UTF8 "${_PARLUNE_SET_MAP}" `,"=${TAG}":"${TAG}"`
  !insertmacro _ParluneMarkPartial ${TAG}
  !define /redef _PARLUNE_BEYOND_ID ""
  !ifdef _PARLUNE_FACT_ID_${TAG}
    !define /redef _PARLUNE_BEYOND_ID "${_PARLUNE_FACT_ID_${TAG}}"
  !endif
  !ifdef _PARLUNE_TABLE_ID_${TAG}
    !define /redef _PARLUNE_BEYOND_ID "${_PARLUNE_TABLE_ID_${TAG}}"
  !endif
  !if "${_PARLUNE_BEYOND_ID}" != ""
    !appendfile "${_PARLUNE_SET_MAP}" `,":${TAG}":"${_PARLUNE_BEYOND_ID}","=${_PARLUNE_BEYOND_ID}":"${TAG}"`
    !insertmacro _ParluneMapId "${_PARLUNE_BEYOND_ID}" ${TAG}
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
  !define /redef _PARLUNE_SET_BEYOND ""
  !if "${SOURCE}" != ""
  !ifdef _PARLUNE_FACT_BEYOND
    !define /redef _PARLUNE_SET_BEYOND "${_PARLUNE_FACT_BEYOND}"
    !define _PARLUNE_BEYOND_${SET} "${_PARLUNE_FACT_BEYOND}"
  !endif
  !endif
  SetOutPath "${FOLDER}"
  !tempfile _PARLUNE_SET_MAP
  !appendfile "${_PARLUNE_SET_MAP}" `{"ParluneMap":""`
  !insertmacro _ParluneLanguageRows _ParluneSetRow
  !insertmacro _ParluneLanguageRows _ParluneSetOtherIds
  !insertmacro _ParluneEach "${_PARLUNE_SET_BEYOND}" _ParluneSetBeyond
  !appendfile "${_PARLUNE_SET_MAP}" `}`
  File "/oname=en.json" "${_PARLUNE_SET_MAP}"
  !delfile "${_PARLUNE_SET_MAP}"
  !undef _PARLUNE_SET_MAP
!macroend

; The folder of the whole table, packed on first use.
!macro _ParluneTableFolder_
  !insertmacro _ParluneSide
  ${IfNot} ${FileExists} "$PLUGINSDIR\Parlune.table\en.json"
    InitPluginsDir
    Push $OUTDIR
    !insertmacro _ParluneWriteSet ${_PARLUNE_SIDE}_table "" "$PLUGINSDIR\Parlune.table"
    Pop $OUTDIR
  ${EndIf}
!macroend

; ---- Packing ----

; _PARLUNE_SET_inst and _PARLUNE_SET_uninst: the first set each side packs,
; which choosing and loading read.
!macro _ParlunePack SOURCE_FOLDER
  !insertmacro _ParluneReadFolder "${SOURCE_FOLDER}"
  !insertmacro _ParluneSide
  !define /ifndef _PARLUNE_PACKS 0
  !define /redef /math _PARLUNE_PACKS ${_PARLUNE_PACKS} + 1
  !define /ifndef _PARLUNE_SET_${_PARLUNE_SIDE} ${_PARLUNE_SIDE}${_PARLUNE_PACKS}
  InitPluginsDir
  Push $OUTDIR
  SetOutPath "$PLUGINSDIR\Parlune"
  File "${SOURCE_FOLDER}\*.json"
  !insertmacro _ParluneWriteSet ${_PARLUNE_SIDE}${_PARLUNE_PACKS} "${SOURCE_FOLDER}" "$PLUGINSDIR\Parlune.files"
  Pop $OUTDIR
!macroend

; _PARLUNE_PACKED: 1 when FOLDER is where this side's packed files go, so
; that the stand-ins written for them answer; else 0.
!macro _ParluneIsPacked FOLDER
  !insertmacro _ParluneSide
  !define /redef _PARLUNE_PACKED 0
  !ifdef _PARLUNE_SET_${_PARLUNE_SIDE}
    !if "${FOLDER}" == "$PLUGINSDIR\Parlune"
      !define /redef _PARLUNE_PACKED 1
    !endif
  !endif
!macroend

!macro ParluneInitPacked SOURCE_FOLDER TAG HANDLE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParlunePack "${SOURCE_FOLDER}"
  ${ParluneInit} "$PLUGINSDIR\Parlune" "${TAG}" ${HANDLE}
  !verbose pop
!macroend
