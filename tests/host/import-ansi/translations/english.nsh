; Codepage: 1252
!define STR_ENGLISH_Welcome "Welcome to $(^Name)"
!define STR_ENGLISH_Display "Show the log"
!define STR_ENGLISH_Bye "Goodbye"
LangString Direct ${LANG_ENGLISH} "Written directly"
