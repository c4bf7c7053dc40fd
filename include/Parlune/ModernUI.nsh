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

; NSIS language NSIS, once; ID is the id Parlune's table gives it ("" for
; none to compare), which must be NSIS's own.
!macro _ParluneMuiLanguage NSIS ID
  !ifndef _PARLUNE_MUI_${NSIS}
    !define _PARLUNE_MUI_${NSIS}
    !insertmacro _ParluneNsisHook Before ${NSIS}
    !insertmacro MUI_LANGUAGE "${NSIS}"
    !insertmacro _ParluneNsisHook After ${NSIS}
    !if "${ID}" != ""
    !ifdef LANG_${NSIS}  ; not under makensis -PPO, which loads no language
    !if ${LANG_${NSIS}} <> ${ID}
      !error "Parlune's language table gives ${NSIS} the id ${ID}, NSIS gives ${LANG_${NSIS}}"
    !endif
    !endif
    !endif
  !endif
!macroend

; A table of a file's own, NAME, which the checker wrote into FOLDER.
!macro _ParluneMuiTable FOLDER NAME
  !insertmacro _ParluneNsisHook Before ${NAME}
  !insertmacro MUI_LANGUAGEEX "${FOLDER}" ${NAME}
  !insertmacro _ParluneNsisHook After ${NAME}
  !ifdef NSIS_WIN32_MAKENSIS
    !delfile "${FOLDER}\${NAME}.nlf"
    !delfile "${FOLDER}\${NAME}.nsh"
  !else  ; makensis takes "\" for "/" in what it reads, not in what it deletes
    !delfile "${FOLDER}/${NAME}.nlf"
    !delfile "${FOLDER}/${NAME}.nsh"
  !endif
!macroend

; English first: NSIS falls back to the first language. The folder's plan
; names the rest; without a checker, the table's rows whose file it holds.
!macro ParluneMuiLanguages SOURCE_FOLDER
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  !insertmacro _ParluneReadFolder "${SOURCE_FOLDER}" 1
  !ifmacrodef _ParluneMuiLanguages_${_PARLUNE_PLAN}
    !insertmacro _ParluneMuiLanguages_${_PARLUNE_PLAN}
  !else
    !insertmacro _ParluneRowMuiLanguages ${_PARLUNE_PLAN}
  !endif
  !verbose pop
!macroend
