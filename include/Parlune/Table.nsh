; Parlune/Table.nsh - the language table's rows as stand-ins, for Parlune.nsh:
; all of them for the id bridge and for folders read at run time, and a
; packed folder's files when no checker has planned them. The rows come
; from ParluneLanguages.nsh; a plan from the checker covers more (files
; beyond the table, the files' own ids and names, PARLUNE_MIN_COVERAGE).

; Writes the stand-ins of set _PARLUNE_SET into $OUTDIR: with SOURCE "",
; every row of the table, and the codes that select each row's file; else the
; rows whose file SOURCE holds, and in "extra" the first row of each NSIS
; language of the installer that none of them has. The map lists each row's
; first id, then the others: the plug-in finds a name's first member, so an
; id reads back as the first row that takes it, else the first that lists it.
!macro _ParluneRowSet SOURCE
  !define /redef _PARLUNE_ROWS_FROM "${SOURCE}"
  !insertmacro _ParluneMapBegin
  !insertmacro _ParluneMapPiece `{"ParluneMap":""`
  !insertmacro _ParluneLanguageRows _ParluneRow
  !insertmacro _ParluneLanguageRows _ParluneRowOtherIds
  !insertmacro _ParluneMapPiece `}`
  !insertmacro _ParluneMapEnd
!macroend

; _PARLUNE_ROW_KIND: file, extra or "" for row TAG of the set being written.
!macro _ParluneRowKind TAG NSIS
  !define /redef _PARLUNE_ROW_KIND ""
  !if "${_PARLUNE_ROWS_FROM}" == ""
    !define /redef _PARLUNE_ROW_KIND file
  !else if /FileExists "${_PARLUNE_ROWS_FROM}\${TAG}.json"
    !define /redef _PARLUNE_ROW_KIND file
  !else if "${NSIS}" != "-"
    !ifdef LANG_${NSIS}
    !ifndef _PARLUNE_NSIS_${_PARLUNE_SET}_${NSIS}
      !define /redef _PARLUNE_ROW_KIND extra
    !endif
    !endif
  !endif
!macroend

!macro _ParluneRow TAG NAME IDS NSIS CODES
  !insertmacro _ParluneRowKind ${TAG} ${NSIS}
  !if "${_PARLUNE_ROW_KIND}" != ""
    !define _PARLUNE_ROW_${_PARLUNE_SET}_${TAG}
    !define /ifndef _PARLUNE_NSIS_${_PARLUNE_SET}_${NSIS}
    !searchparse /noerrors "${IDS} - " "" _PARLUNE_ROW_ID " "
    !if "${_PARLUNE_ROW_ID}" == "-"
      !define /redef _PARLUNE_ROW_ID ""
    !else
      !insertmacro _ParluneMapPiece `,"${_PARLUNE_ROW_ID}":"${TAG}"`
    !endif
    !if "${_PARLUNE_ROWS_FROM}" == ""  ; what a folder read at run time holds is weighed by its codes
      !searchreplace _PARLUNE_ROW_CODES "${CODES}" " " `":"${TAG}","=`
      !insertmacro _ParluneMapPiece `,"=${_PARLUNE_ROW_CODES}":"${TAG}"`
    !endif
    !if ${_PARLUNE_ROW_KIND} == extra
      !insertmacro _ParluneExtraStandIn "extra\${TAG}.json" `{"ParluneId":"${_PARLUNE_ROW_ID}"}`
    !else if ${TAG} == en
      !insertmacro _ParluneMapPiece `,"ParluneId":"${_PARLUNE_ROW_ID}","ParluneFile":"en"`
    !else
      !insertmacro _ParluneStandIn "${TAG}.json" `{"ParluneId":"${_PARLUNE_ROW_ID}","ParluneFile":"${TAG}"}`
    !endif
    !undef _PARLUNE_ROW_ID
  !endif
!macroend

!macro _ParluneRowOtherIds TAG NAME IDS NSIS CODES
  !ifdef _PARLUNE_ROW_${_PARLUNE_SET}_${TAG}
    !searchparse /noerrors "${IDS} - - - " "" _PARLUNE_ROW_ID " " _PARLUNE_ROW_ID2 " " _PARLUNE_ROW_ID3 " "
    !if "${_PARLUNE_ROW_ID2}" != "-"
      !insertmacro _ParluneMapPiece `,"${_PARLUNE_ROW_ID2}":"${TAG}"`
    !endif
    !if "${_PARLUNE_ROW_ID3}" != "-"
      !insertmacro _ParluneMapPiece `,"${_PARLUNE_ROW_ID3}":"${TAG}"`
    !endif
    !undef _PARLUNE_ROW_ID
    !undef _PARLUNE_ROW_ID2
    !undef _PARLUNE_ROW_ID3
  !endif
!macroend

; Without a checker, plan N of SOURCE from the table's rows: the files it
; holds, by the table's names.
!macro _ParluneRowPlan SOURCE N
  !define /redef _PARLUNE_ROWS_FROM "${SOURCE}"
  !define _PARLUNE_FILES_${N} 0
  !define _PARLUNE_BEYOND_${N} ""
  !define _PARLUNE_PARTIAL_${N} ""
  !define _PARLUNE_ROWS_${N} "${SOURCE}"
  !define /redef _PARLUNE_ROW_PLAN ${N}
  !insertmacro _ParluneLanguageRows _ParluneRowCount
!macroend

!macro _ParluneRowCount TAG NAME IDS NSIS CODES
  !if /FileExists "${_PARLUNE_ROWS_FROM}\${TAG}.json"
    !define /redef /math _PARLUNE_FILES_${_PARLUNE_ROW_PLAN} ${_PARLUNE_FILES_${_PARLUNE_ROW_PLAN}} + 1
  !endif
!macroend

; Pushes tag and name of each row whose file plan SET's folder holds, for
; the language dialog.
!macro _ParluneRowDialogRows SET
  !define /redef _PARLUNE_ROWS_FROM "${_PARLUNE_ROWS_${SET}}"
  !insertmacro _ParluneLanguageRows _ParluneRowDialogRow
!macroend

!macro _ParluneRowDialogRow TAG NAME IDS NSIS CODES
  !if /FileExists "${_PARLUNE_ROWS_FROM}\${TAG}.json"
    Push "${TAG}"
    Push "${NAME}"
  !endif
!macroend

; Modern UI's language for each row whose file plan SET's folder holds.
!macro _ParluneRowMuiLanguages SET
  !define /redef _PARLUNE_ROWS_FROM "${_PARLUNE_ROWS_${SET}}"
  !insertmacro _ParluneMuiLanguage English ""
  !insertmacro _ParluneLanguageRows _ParluneRowMuiLanguage
!macroend

!macro _ParluneRowMuiLanguage TAG NAME IDS NSIS CODES
  !if "${NSIS}" != "-"
  !if /FileExists "${_PARLUNE_ROWS_FROM}\${TAG}.json"
    !searchparse /noerrors "${IDS} " "" _PARLUNE_ROW_ID " "
    !insertmacro _ParluneMuiLanguage ${NSIS} ${_PARLUNE_ROW_ID}
    !undef _PARLUNE_ROW_ID
  !endif
  !endif
!macroend

; The whole table's stand-ins, packed on first use to Parlune.table.
!macro _ParluneTableFolder_
  !insertmacro _ParluneSide
  ${IfNot} ${FileExists} "$PLUGINSDIR\Parlune.table\en.json"
    InitPluginsDir
    Push $OUTDIR
    SetOutPath "$PLUGINSDIR\Parlune.table"
    !define /redef _PARLUNE_SET ${_PARLUNE_SIDE}_table
    !insertmacro _ParluneRowSet ""
    Pop $OUTDIR
  ${EndIf}
!macroend
