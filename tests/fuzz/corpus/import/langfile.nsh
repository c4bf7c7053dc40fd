!insertmacro LANGFILE_EXT German
!ifdef FEATURE
  ${LangFileString} Hi "Hallo $\r$\n${PRODUCT}"
!endif
!define L ${LANG_FRENCH}
LangString ^SetupCaption ${L} `Caption $(^Name)`
LangString Cont ${L} "one \
	  two"
!if 0
LangString Hidden 1033 "x"
!else
LangString Shown 1033 '$$5 $INSTDIR.'
!endif
!macro M LANG
LangString M ${LANG_${LANG}} "m"
!macroend
