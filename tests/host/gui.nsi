; A GUI install: Init in .onInit (main thread, no window yet), GetStr in the
; section (the install thread), Exit in .onGUIEnd. Results go to
; gui-results.txt beside the installer.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"

Name "Parlune GUI host test"
OutFile "${OUTFILE}"
RequestExecutionLevel user
AutoCloseWindow true
ShowInstDetails show
!include LogicLib.nsh
Page instfiles

Var out
Var handle

Function .onInit
  Parlune::Init "$EXEDIR\lang" "de-DE"
  Pop $handle
FunctionEnd

Section
  Parlune::GetStr "Greeting"
  Pop $1
  DetailPrint "$1"
  FileOpen $out "$EXEDIR\gui-results.txt" w
  ${If} $handle == "0"
    FileWriteUTF16LE $out "init-handle=0$\r$\n"
  ${Else}
    FileWriteUTF16LE $out "init-handle=non-zero$\r$\n"
  ${EndIf}
  FileWriteUTF16LE $out "section=$1$\r$\n"
  FileClose $out
SectionEnd

Function .onGUIEnd
  Parlune::Exit
  Parlune::GetStr "Greeting"
  Pop $1
  FileOpen $out "$EXEDIR\gui-results.txt" a
  FileSeek $out 0 END
  FileWriteUTF16LE $out "after-exit=[$1]$\r$\n"
  FileClose $out
FunctionEnd
