LangString "MUI_TEXT" "${LANG_English}" "Welcome
back"
LangString A 1031 "ja"
LicenseLangString L 1033 "l.txt"
