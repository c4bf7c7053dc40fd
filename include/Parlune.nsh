; Parlune.nsh - translations for NSIS installers from JSON language files.
;
; The macros hide the plug-in's stack protocol and work in installer and
; uninstaller (un.) code alike. The plug-in stays loaded by itself: no call
; needs /NOUNLOAD.
;
;   ${ParluneInit} FOLDER TAG $handle
;       Loads en.json and the best file for TAG ("" for the user's
;       preferred UI language) from FOLDER. $handle receives "0" when no
;       language file was loaded (texts then come from en.json alone).
;   ${ParluneInitPacked} SOURCE_FOLDER TAG $handle
;       At compile time, packs SOURCE_FOLDER\*.json into the installer; at
;       run time, extracts them under $PLUGINSDIR and loads them as above.
;   ${ParluneGetStr} KEY $text
;       The text for KEY: from the language file, else en.json, else "".
;   ${ParluneExit}
;       Releases the loaded files.

!ifndef PARLUNE_NSH
!define PARLUNE_NSH

!include LogicLib.nsh

!define ParluneInit "!insertmacro ParluneInit"
!define ParluneInitPacked "!insertmacro ParluneInitPacked"
!define ParluneGetStr "!insertmacro ParluneGetStr"
!define ParluneExit "!insertmacro ParluneExit"

!macro ParluneInit FOLDER TAG HANDLE
  ${If} "${FOLDER}" == ""
    StrCpy ${HANDLE} "0"  ; the plug-in takes nothing and gives nothing without a folder
  ${Else}
    Push "${TAG}"
    Push "${FOLDER}"
    Parlune::Init
    Pop ${HANDLE}
  ${EndIf}
!macroend

!macro ParluneInitPacked SOURCE_FOLDER TAG HANDLE
  InitPluginsDir
  Push $OUTDIR
  SetOutPath "$PLUGINSDIR\Parlune"
  File "${SOURCE_FOLDER}\*.json"
  Pop $OUTDIR
  !insertmacro ParluneInit "$PLUGINSDIR\Parlune" "${TAG}" ${HANDLE}
!macroend

!macro ParluneGetStr KEY TEXT
  Push "${KEY}"
  Parlune::GetStr
  Pop ${TEXT}
!macroend

!macro ParluneExit
  Parlune::Exit
!macroend

!endif
