; Parlune/Calls.nsh - the plug-in's own calls, for Parlune.nsh.
;
;   ${ParluneInit} FOLDER TAG $handle
;       Loads en.json and the best file for TAG ("" for the user's preferred
;       UI language) from FOLDER. $handle receives "0" when no language file
;       was loaded (texts then come from en.json alone), and when FOLDER is "".
;   ${ParluneGetStr} KEY $text
;       The text for KEY: from the language file, else en.json, else "".
;   ${ParluneExit}
;       Releases the loaded files early; the plug-in also releases them when
;       the installer unloads it, silent installs included.

; Variables are declared on first use, so a script never pays for (or gets
; warned about) one it does not need.
!macro _ParluneVar NAME
  !ifndef _PARLUNE_VAR_${NAME}
    !define _PARLUNE_VAR_${NAME}
    Var /GLOBAL ${NAME}
  !endif
!macroend

; _PARLUNE_SIDE: inst or uninst, for what each side packs and declares.
!macro _ParluneSide
  !ifdef __UNINSTALL__
    !define /redef _PARLUNE_SIDE uninst
  !else
    !define /redef _PARLUNE_SIDE inst
  !endif
!macroend

; Every plug-in call site carries four instructions that extract the
; plug-in: the macros call each export from one shared place instead.
!macro _ParluneInitCall_  ; tag and folder on the stack, the handle back on it
  Parlune::Init
!macroend

!macro _ParluneGetStrCall_
  Parlune::GetStr
!macroend

!macro _ParluneExitCall_
  Parlune::Exit
!macroend

; Tag and folder on the stack, the handle back on it. Without a folder the
; plug-in takes nothing and gives nothing: the answer is "0" here.
!macro _ParluneInitFolder_
  !insertmacro _ParluneVar Parlune.Call
  Pop $Parlune.Call
  ${If} $Parlune.Call == ""
    Pop $Parlune.Call
    Push "0"
  ${Else}
    Push $Parlune.Call
    ${CallArtificialFunction} _ParluneInitCall_
  ${EndIf}
!macroend

!macro ParluneInit FOLDER TAG HANDLE
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Push "${TAG}"
  Push "${FOLDER}"
  ${CallArtificialFunction} _ParluneInitFolder_
  Pop ${HANDLE}
  !verbose pop
!macroend

!macro ParluneGetStr KEY TEXT
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  Push "${KEY}"
  ${CallArtificialFunction} _ParluneGetStrCall_
  Pop ${TEXT}
  !verbose pop
!macroend

!macro ParluneExit
  !verbose push
  !verbose ${PARLUNE_VERBOSE}
  ${CallArtificialFunction} _ParluneExitCall_
  !verbose pop
!macroend
