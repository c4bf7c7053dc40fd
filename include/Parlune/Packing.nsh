; Parlune/Packing.nsh - packing a folder of language files, and reading and
; checking them while the script compiles, for Parlune.nsh.
;
;   ${ParluneInitPacked} SOURCE_FOLDER TAG $handle
;       At compile time, packs SOURCE_FOLDER\*.json into the installer; at
;       run time, extracts them to $PLUGINSDIR\Parlune and loads them as
;       ${ParluneInit} does.
;
; Every folder is read once while makensis compiles, at the first macro that
; packs it or inserts its Modern UI languages, by the package's
; parlune-check: its verdict shows in makensis's output, where errors stop
; the compile, and it writes the folder's plan, an include whose names carry
; the plan's number N:
;   _PARLUNE_FILES_N        how many files the language dialog offers
;   _PARLUNE_BEYOND_N       "|cy|haw": the files beyond the plug-in's code table
;   _PARLUNE_PARTIAL_N      "|ja": the files below PARLUNE_MIN_COVERAGE
;   _ParluneStandIns_N      writes the files' stand-ins into $OUTDIR
;   _ParluneDialogRows_N    pushes each offered file's tag and name
;   _ParluneMuiLanguages_N  inserts Modern UI's languages for the files
;   _ParluneNsisBefore_X, _ParluneNsisAfter_X
;                           the files' texts for NSIS's own, around table X
; (tools/parlune_check/packing_plan.h; a unit test holds that list and this
; one together). Texts declared after the reading are checked again when the
; folder is packed.
;   PARLUNE_CHECK_OFF     the files are still read, but no report and no
;                         verdict (PARLUNE_NO_CHECK, the earlier name, too)
;   PARLUNE_CHECK_STRICT  warnings stop the compile too, and so does a
;                         missing checker (PARLUNE_CHECK, the earlier name
;                         for that, still asks for the checker alone)
;   PARLUNE_CHECKER       another checker than the package's own, which sits
;                         in the Bin folder beside Include
;
; The plug-in itself decides which file a tag loads. Beside the files it
; packs, the installer carries a stand-in for each that names its file and
; its NSIS language id: the plug-in picks among the stand-ins exactly as
; among the files. The stand-in en.json maps every NSIS id back to a file's
; tag, and the tags that weigh files beyond the code table. The installer's
; other NSIS languages get stand-ins of their own in "extra", so that
; $LANGUAGE follows a tag without a file. Without a checker, the table's
; rows stand in for the plan (Table.nsh).

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
!define _PARLUNE_PLANS 0
!define _PARLUNE_READ_FOLDERS "|"  ; "|FOLDER>N" for each folder read, the latest first

; Runs the checker over SOURCE_FOLDER. With PLAN, it writes the folder's plan
; as number PLAN, which is included; with TABLES (1), the plan puts the
; files' texts for NSIS's own into the installer's tables. VERDICT 1 asks for
; the report and verdict, on the texts declared by now (PARLUNE_CHECK_OFF
; silences them).
!macro _ParluneRunChecker SOURCE_FOLDER PLAN TABLES VERDICT
  !define _PARLUNE_CHECK_RUN ""
  !if "${PLAN}" != ""
    !tempfile _PARLUNE_PLAN_FILE
    !define /redef _PARLUNE_CHECK_RUN '--plan "${_PARLUNE_PLAN_FILE}" --plan-number ${PLAN}'
    !ifdef PARLUNE_MIN_COVERAGE
      !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --min-coverage ${PARLUNE_MIN_COVERAGE}'
    !endif
    !if ${TABLES} = 1
      !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --nsisdir "${NSISDIR}"'
    !endif
  !endif
  !define /redef _PARLUNE_VERDICT ${VERDICT}
  !ifdef PARLUNE_CHECK_OFF
    !define /redef _PARLUNE_VERDICT 0
  !endif
  !if ${_PARLUNE_VERDICT} = 0
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --quiet'
  !else ifdef PARLUNE_CHECK_STRICT
    !define /redef _PARLUNE_CHECK_RUN '${_PARLUNE_CHECK_RUN} --strict'
  !endif
  !if ${_PARLUNE_VERDICT} = 1
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
  !ifdef _PARLUNE_PLAN_FILE
    !if /FileExists "${_PARLUNE_PLAN_FILE}"  ; not under makensis -SAFEPPO, which runs nothing
      !include /CHARSET=UTF8 "${_PARLUNE_PLAN_FILE}"
      !define _PARLUNE_PLANNED_${PLAN}
    !endif
    !delfile /nonfatal "${_PARLUNE_PLAN_FILE}"
    !undef _PARLUNE_PLAN_FILE
  !endif
!macroend

; _PARLUNE_PLAN = the number of SOURCE_FOLDER's plan, read at the folder's
; first use; TABLES 1 when Modern UI's languages are asked for, which a
; folder read before without them is read again for. The verdict comes with
; the first reading once texts are declared, else when the folder is packed,
; and again there for texts declared since.
!macro _ParluneReadFolder SOURCE_FOLDER TABLES
  !ifdef _PARLUNE_READ
    !undef _PARLUNE_READ
  !endif
  !searchparse /noerrors "${_PARLUNE_READ_FOLDERS}" "|${SOURCE_FOLDER}>" _PARLUNE_READ "|"
  !ifdef _PARLUNE_READ
    !define /redef _PARLUNE_PLAN ${_PARLUNE_READ}
    !if ${TABLES} = 1
    !ifndef _PARLUNE_TABLES_${_PARLUNE_PLAN}
      !undef _PARLUNE_READ  ; read again, for the tables
    !endif
    !endif
  !endif
  !ifndef _PARLUNE_READ
    !define /redef /math _PARLUNE_PLANS ${_PARLUNE_PLANS} + 1
    !define /redef _PARLUNE_PLAN ${_PARLUNE_PLANS}
    !define /redef _PARLUNE_READ_FOLDERS "|${SOURCE_FOLDER}>${_PARLUNE_PLAN}${_PARLUNE_READ_FOLDERS}"
    !if ${TABLES} = 1
      !define _PARLUNE_TABLES_${_PARLUNE_PLAN}
    !endif
    !define /redef _PARLUNE_VERDICT 1
    !if ${TABLES} = 1
    !if "${_PARLUNE_TEXT_LIST}" == ""
      !define /redef _PARLUNE_VERDICT 0  ; given when the folder is packed, on its texts
    !endif
    !endif
    !if ${_PARLUNE_VERDICT} = 1
      !define _PARLUNE_CHECKED_TEXTS_${_PARLUNE_PLAN} "${_PARLUNE_TEXT_LIST}"
    !endif
    !if /FileExists "${PARLUNE_CHECKER}"
      !insertmacro _ParluneRunChecker "${SOURCE_FOLDER}" ${_PARLUNE_PLAN} ${TABLES} ${_PARLUNE_VERDICT}
    !else ifdef PARLUNE_CHECK_STRICT | PARLUNE_CHECK
      !error "Parlune: no checker at ${PARLUNE_CHECKER}, and the script asks for its verdict (PARLUNE_CHECK_STRICT); unpack the whole Parlune package (its Bin folder beside Include), or define PARLUNE_CHECKER"
    !else
      !warning "Parlune: ${SOURCE_FOLDER} is not checked: no parlune-check at ${PARLUNE_CHECKER}, so nothing reads the files while compiling: the installer gives them the language table's NSIS ids and names, not their own NsisLanguageId and LanguageName, a file named by a tag beyond the table (cy.json) is no language of it, the files' texts for NSIS's own buttons and pages are left out, and a broken file loads as one without texts. Unpack the package's Bin folder beside Include, or define PARLUNE_CHECKER."
    !endif
    !ifndef _PARLUNE_PLANNED_${_PARLUNE_PLAN}
      !insertmacro _ParluneRowPlan "${SOURCE_FOLDER}" ${_PARLUNE_PLAN}
    !endif
  !else ifndef PARLUNE_CHECK_OFF
    ; the verdict, on texts declared since the folder was read ("|": none given)
    !define /ifndef _PARLUNE_CHECKED_TEXTS_${_PARLUNE_PLAN} "|"
    !if "${_PARLUNE_TEXT_LIST}" != "${_PARLUNE_CHECKED_TEXTS_${_PARLUNE_PLAN}}"
    !if /FileExists "${PARLUNE_CHECKER}"
      !define /redef _PARLUNE_CHECKED_TEXTS_${_PARLUNE_PLAN} "${_PARLUNE_TEXT_LIST}"
      !insertmacro _ParluneRunChecker "${SOURCE_FOLDER}" "" 0 1
    !endif
    !endif
  !endif
!macroend

; ---- The stand-ins, as the plan writes them ----

; Writes a stand-in now and packs it as OUTNAME.
!macro _ParluneStandIn OUTNAME TEXT
  !tempfile _PARLUNE_STANDIN
  !appendfile /CHARSET=UTF8 "${_PARLUNE_STANDIN}" `${TEXT}`
  File "/oname=${OUTNAME}" "${_PARLUNE_STANDIN}"
  !delfile "${_PARLUNE_STANDIN}"
  !undef _PARLUNE_STANDIN
!macroend

; A stand-in in "extra", for an NSIS language without a file.
!macro _ParluneExtraStandIn OUTNAME TEXT
  !ifndef _PARLUNE_EXTRA_${_PARLUNE_SET}
    !define _PARLUNE_EXTRA_${_PARLUNE_SET}
    CreateDirectory "$OUTDIR\extra"
  !endif
  !insertmacro _ParluneStandIn "${OUTNAME}" `${TEXT}`
!macroend

; The stand-in en.json, written piece by piece and packed at its end.
!macro _ParluneMapBegin
  !tempfile _PARLUNE_MAP
!macroend

!macro _ParluneMapPiece TEXT
  !appendfile /CHARSET=UTF8 "${_PARLUNE_MAP}" `${TEXT}`
!macroend

!macro _ParluneMapEnd
  File "/oname=en.json" "${_PARLUNE_MAP}"
  !delfile "${_PARLUNE_MAP}"
  !undef _PARLUNE_MAP
!macroend

; ---- Packing ----

; _PARLUNE_SET_inst and _PARLUNE_SET_uninst: the plan of the first folder
; each side packs, which choosing and loading read, and _PARLUNE_PACK_inst
; and _uninst that packing's number (_PARLUNE_SET while the stand-ins are
; written). The files go to $PLUGINSDIR\Parlune, their stand-ins to
; Parlune.files; with files beyond the table, en.json to Parlune.beyond too,
; where such a file loads beside it.
!macro _ParlunePack SOURCE_FOLDER
  !insertmacro _ParluneReadFolder "${SOURCE_FOLDER}" 0
  !insertmacro _ParluneSide
  !define /ifndef _PARLUNE_PACKS 0
  !define /redef /math _PARLUNE_PACKS ${_PARLUNE_PACKS} + 1
  !define /redef _PARLUNE_SET pack${_PARLUNE_PACKS}
  !define /ifndef _PARLUNE_SET_${_PARLUNE_SIDE} ${_PARLUNE_PLAN}
  !define /ifndef _PARLUNE_PACK_${_PARLUNE_SIDE} ${_PARLUNE_SET}
  InitPluginsDir
  Push $OUTDIR
  SetOutPath "$PLUGINSDIR\Parlune"
  File "${SOURCE_FOLDER}\*.json"
  SetOutPath "$PLUGINSDIR\Parlune.files"
  !ifmacrodef _ParluneStandIns_${_PARLUNE_PLAN}
    !insertmacro _ParluneStandIns_${_PARLUNE_PLAN}
  !else
    !insertmacro _ParluneRowSet "${SOURCE_FOLDER}"
  !endif
  !if "${_PARLUNE_BEYOND_${_PARLUNE_PLAN}}" != ""
    SetOutPath "$PLUGINSDIR\Parlune.beyond"
    File /nonfatal "/oname=en.json" "${SOURCE_FOLDER}\en.json"
  !endif
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
