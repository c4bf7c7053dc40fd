; The way from .onInit to the first text, counted: a packed folder with a
; file of the table (de) and one beyond it (cy), the language dialog shown
; and its preselected entry taken. check_init_budget.sh counts the calls.
Unicode true
Target amd64-unicode
!addplugindir /amd64-unicode "${PLUGINDIR}"
!include MUI2.nsh
!include Parlune.nsh

Name "Parlune budget test"
OutFile "${OUTFILE}"
RequestExecutionLevel user

!insertmacro MUI_PAGE_INSTFILES
${ParluneMuiLanguages} budget
${ParluneText} Greeting

Function .onInit
  ${ParluneInitLanguage} budget $0
  FileOpen $1 "$EXEDIR\calls.log" a
  FileSeek $1 0 END
  FileWrite $1 "text $Greeting$\r$\n"
  FileClose $1
  Quit
FunctionEnd

Section
SectionEnd
