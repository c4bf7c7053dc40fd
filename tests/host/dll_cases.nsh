; The plug-in's own calls, case after case, each recorded as LABEL=VALUE in
; the file open in $out: the silent installer runs them alone, the 32-bit
; installer among its other cases. Folders beside the installer (lang, other,
; long, ...) come from run_installer_test.sh.
!include LogicLib.nsh

!macro Record LABEL VALUE
  FileWriteUTF16LE $out "${LABEL}=${VALUE}$\r$\n"
!macroend

; Init with a folder and a tag, then record whether a language document was
; loaded (the handle) and the text for Greeting.
!macro InitAndGreet LABEL FOLDER TAG
  Parlune::Init "${FOLDER}" "${TAG}"
  Pop $0
  ${If} $0 == "0"
    StrCpy $1 "no-language-file"
  ${Else}
    StrCpy $1 "language-file"
  ${EndIf}
  Parlune::GetStr "Greeting"
  Pop $2
  !insertmacro Record "${LABEL}" "$1 $2"
!macroend

!macro GetAndRecord LABEL KEY
  Parlune::GetStr "${KEY}"
  Pop $2
  !insertmacro Record "${LABEL}" "[$2]"
!macroend

!macro DllCases
  !insertmacro GetAndRecord "before-init" "Greeting"

  !insertmacro InitAndGreet "de-DE" "$EXEDIR\lang" "de-DE"
  !insertmacro GetAndRecord "other-letter-case" "gREETING"
  !insertmacro GetAndRecord "from-en-json" "OnlyInEnglish"
  !insertmacro GetAndRecord "outside-the-bmp" "Emoji"
  Parlune::Exit

  !insertmacro InitAndGreet "en-US" "$EXEDIR\lang" "en-US"
  Parlune::Exit
  !insertmacro InitAndGreet "sr-Latn-XK" "$EXEDIR\lang" "sr-Latn-XK"
  Parlune::Exit
  !insertmacro InitAndGreet "sr-Latn-XK-without-sr-latn" "$EXEDIR\lang-cyrillic" "sr-Latn-XK"
  Parlune::Exit
  !insertmacro InitAndGreet "zh-Hans-CN" "$EXEDIR\lang" "zh-Hans-CN"
  Parlune::Exit
  !insertmacro InitAndGreet "zh-Hans-TW" "$EXEDIR\lang" "zh-Hans-TW"
  Parlune::Exit

  !insertmacro InitAndGreet "no-tag" "$EXEDIR\lang" ""
  Parlune::Exit

  ; A second Init in another folder replaces both documents.
  !insertmacro InitAndGreet "first-folder" "$EXEDIR\lang" "fr"
  !insertmacro InitAndGreet "second-folder" "$EXEDIR\other" "fr"
  !insertmacro GetAndRecord "second-folder-en-json" "OnlyInEnglish"

  Parlune::Exit
  !insertmacro GetAndRecord "after-exit" "Greeting"

  Parlune::Init "$EXEDIR\long" "xx"
  Pop $0
  Parlune::GetStr "Units1023"
  Pop $2
  StrLen $3 $2
  StrCpy $4 $2 4 -4
  !insertmacro Record "value-of-1023-units" "$3 ...$4"
  Parlune::GetStr "Units1500"
  Pop $2
  StrLen $3 $2
  StrCpy $4 $2 4 -4
  !insertmacro Record "value-of-1500-units" "$3 ...$4"
  Parlune::Exit

  !insertmacro InitAndGreet "greek-folder" "$EXEDIR\Ελληνικά" "el-GR"
  Parlune::Exit
  !insertmacro InitAndGreet "folder-ending-in-表" "$EXEDIR\資料表" "ja-JP"
  Parlune::Exit
!macroend
