; Runs every scenario in one silent install and writes what the plug-in
; answered to results.txt beside the installer. No call uses /NOUNLOAD: the
; plug-in must stay loaded by itself.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"

Name "Parlune host test"
OutFile "${OUTFILE}"
RequestExecutionLevel user
SilentInstall silent

Var out
!include dll_cases.nsh

Section
  FileOpen $out "$EXEDIR\results.txt" w
  !insertmacro DllCases
  FileClose $out
SectionEnd
