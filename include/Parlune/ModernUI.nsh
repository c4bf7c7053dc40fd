; Parlune/ModernUI.nsh - NSIS's own texts for the files' languages, for
; Parlune.nsh.
;
;   ${ParluneMuiLanguages} SOURCE_FOLDER
;       After the Modern UI pages: one MUI_LANGUAGE for every file in the
;       folder that NSIS has a language for, English first, so that NSIS's
;       own texts (buttons, page texts) follow the file that loads. Files
;       beyond the code table (cy.json, de-at.json) take the NSIS language
;       that the checker names for their tag.
;       A file's texts for NSIS's and Modern UI's own (^NextBtn,
;       MUI_TEXT_WELCOME_INFO_TITLE) go into its language's table while the
;       script compiles; a language NSIS lacks, and a file that shares its
;       NSIS language with another (en-gb with en), gets a table of its own,
;       which the checker builds from NSIS's files. Once per script, before
;       the first ${ParluneInitLanguage} or ${ParluneInitPacked}.

; The checker's texts for table NAME, WHEN Before or After its language.
!macro _ParluneNsisHook WHEN NAME
  !ifmacrodef _ParluneNsis${WHEN}_${NAME}
    !insertmacro _ParluneNsis${WHEN}_${NAME}
  !endif
!macroend

!macro _ParluneMuiLanguage NSIS
  !ifndef _PARLUNE_MUI_${NSIS}
    !define _PARLUNE_MUI_${NSIS}
    !insertmacro _ParluneNsisHook Before ${NSIS}
    !insertmacro MUI_LANGUAGE "${NSIS}"
    !insertmacro _ParluneNsisHook After ${NSIS}
  !endif
!macroend

; A table of the file TAG's own, which the checker wrote beside its include.
!macro _ParluneMuiTable TAG
  !define /redef _PARLUNE_MUI_NLF ${_PARLUNE_TABLE_NLF_${TAG}}
  !insertmacro _ParluneNsisHook Before ${_PARLUNE_MUI_NLF}
  !insertmacro MUI_LANGUAGEEX "${_PARLUNE_TABLE_DIR}" ${_PARLUNE_MUI_NLF}
  !insertmacro _ParluneNsisHook After ${_PARLUNE_MUI_NLF}
  !ifdef NSIS_WIN32_MAKENSIS
    !delfile "${_PARLUNE_TABLE_DIR}\${_PARLUNE_MUI_NLF}.nlf"
    !delfile "${_PARLUNE_TABLE_DIR}\${_PARLUNE_MUI_NLF}.nsh"
  !else  ; makensis takes "\" for "/" in what it reads, not in what it deletes
    !delfile "${_PARLUNE_TABLE_DIR}/${_PARLUNE_MUI_NLF}.nlf"
    !delfile "${_PARLUNE_TABLE_DIR}/${_PARLUNE_MUI_NLF}.nsh"
  !endif
!macroend

!macro _ParluneMuiBeyond TAG
  !ifdef _PARLUNE_FACT_NSIS_${TAG}
    !insertmacro _ParluneMuiLanguage ${_PARLUNE_FACT_NSIS_${TAG}}
  !endif
!macroend

!macro _ParluneMuiRow TAG NAME IDS NSIS CODES
  !if "${NSIS}" != "-"
  !if /FileExists "${_PARLUNE_MUI_SOURCE}\${TAG}.json"
  !ifndef _PARLUNE_MUI_${NSIS}
    !insertmacro _ParluneMuiLanguage ${NSIS}
    !searchparse /noerrors "${IDS} " "" _PARLUNE_MUI_ID " "
    !ifdef LANG_${NSIS}  ; not under makensis -PPO, which loads no language
    !if ${LANG_${NSIS}} <> ${_PARLUNE_MUI_ID}
      !error "Parlune's language table gives ${NSIS} the id ${_PARLUNE_MUI_ID}, NSIS gives ${LANG_${NSIS}}"
    !endif
    !endif
    !undef _PARLUNE_MUI_ID
  !endif
  !endif
  !endif
!macroend

; English first: NSIS falls back to the first language.
!macro ParluneMuiLanguages SOURCE_FOLDER
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  ; the files beyond the table and the texts for NSIS's own, as the checker
  ; finds them: without it, none
  !if /FileExists "${PARLUNE_CHECKER}"
    !insertmacro _ParluneRunChecker "${SOURCE_FOLDER}" nsis
  !endif
  !insertmacro _ParluneMuiLanguage English
  !define /redef _PARLUNE_MUI_SOURCE "${SOURCE_FOLDER}"
  !insertmacro _ParluneLanguageRows _ParluneMuiRow
  !ifdef _PARLUNE_FACT_BEYOND
    !insertmacro _ParluneEach "${_PARLUNE_FACT_BEYOND}" _ParluneMuiBeyond
  !endif
  !ifdef _PARLUNE_TABLES
    !insertmacro _ParluneEach "${_PARLUNE_TABLES}" _ParluneMuiTable
  !endif
  !verbose pop
!macroend
