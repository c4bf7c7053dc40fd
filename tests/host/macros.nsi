; The macros of Parlune.nsh, in installer and uninstaller code. Results go to
; results.txt beside the installer; the uninstaller appends to it.
Unicode true
Target ${TARGET}
!addplugindir /${TARGET} "${PLUGINDIR}"
!include Parlune.nsh

Name "Parlune macros test"
OutFile "${OUTFILE}"
RequestExecutionLevel user
SilentInstall silent

Var out

!macro Record LABEL VALUE
  FileWriteUTF16LE $out "${LABEL}=${VALUE}$\r$\n"
!macroend

; The same steps in installer and uninstaller code.
!macro Exercise UN
  Push "sentinel"
  ${ParluneInit} "" "de" $0
  Pop $1
  !insertmacro Record "${UN}no-folder" "$0 $1"

  ${ParluneInitPacked} "languages\lang" "de-DE" $0
  ${ParluneGetStr} "Greeting" $1
  ${ParluneGetStr} "OnlyInEnglish" $2
  ${If} $0 != "0"
    StrCpy $0 "language-file"
  ${EndIf}
  !insertmacro Record "${UN}packed" "$0 $1 $2"

  ${ParluneInit} "$PLUGINSDIR\Parlune" "sr-Latn-RS" $0
  ${ParluneGetStr} "Greeting" $1
  !insertmacro Record "${UN}again" "$1"

  ${ParluneExit}
  ${ParluneGetStr} "Greeting" $1
  !insertmacro Record "${UN}after-exit" "[$1]"
!macroend

Section
  FileOpen $out "$EXEDIR\results.txt" w
  !insertmacro Exercise ""
  FileClose $out
  WriteUninstaller "$EXEDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  FileOpen $out "$EXEDIR\results.txt" a
  FileSeek $out 0 END
  !insertmacro Exercise "un."
  FileClose $out
SectionEnd
