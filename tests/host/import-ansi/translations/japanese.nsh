; Codepage: 932
!define STR_JAPANESE_Welcome "$(^Name) へようこそ"
!define STR_JAPANESE_Display "ログを表示"
!define STR_JAPANESE_Bye "さようなら"
LangString Direct ${LANG_JAPANESE} "直接書いた表示ソ"
