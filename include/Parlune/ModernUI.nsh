; Parlune/ModernUI.nsh - NSIS's own texts for the files' languages, for
; Parlune.nsh.
;
;   ${ParluneMuiLanguages} SOURCE_FOLDER
;       After the Modern UI pages: one MUI_LANGUAGE for every file in the
;       folder that NSIS has a language for, English first, so that NSIS's
;       own texts (buttons, page texts) follow the file that loads. Files
;       beyond the code table (cy.json, de-at.json) take the NSIS language
;       that the checker names for their tag.

!macro _ParluneMuiLanguage NSIS
  !ifndef _PARLUNE_MUI_${NSIS}
    !define _PARLUNE_MUI_${NSIS}
    !insertmacro MUI_LANGUAGE "${NSIS}"
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
    !define _PARLUNE_MUI_${NSIS}
    !insertmacro MUI_LANGUAGE "${NSIS}"
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
  !ifndef _PARLUNE_MUI_English
    !define _PARLUNE_MUI_English
    !insertmacro MUI_LANGUAGE "English"
  !endif
  !define /redef _PARLUNE_MUI_SOURCE "${SOURCE_FOLDER}"
  !insertmacro _ParluneLanguageRows _ParluneMuiRow
  ; the files beyond the table, as the checker finds them: without it, none
  !if /FileExists "${PARLUNE_CHECKER}"
    !insertmacro _ParluneRunChecker "${SOURCE_FOLDER}" facts
    !ifdef _PARLUNE_FACT_BEYOND
      !insertmacro _ParluneEach "${_PARLUNE_FACT_BEYOND}" _ParluneMuiBeyond
    !endif
  !endif
  !verbose pop
!macroend
