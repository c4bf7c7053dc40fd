; ParluneLanguages.nsh - the 60 language files Parlune knows, for Parlune.nsh.
;
; One row per file: its tag (the file's base name), the language's own name
; for the language dialog, the NSIS language ids that stand for it (the first
; is the one $LANGUAGE takes; the others are only read back, from the registry
; or /LANG=), and the NSIS language whose built-in texts fit it ("-" when NSIS
; has none). A tag's row comes before its variants', so an id that two rows
; share reads back as the general tag (1033 is en, not en-gb).
;
; Kept in step with the plug-in's code table by the test suite.

!ifndef PARLUNE_LANGUAGES_NSH
!define PARLUNE_LANGUAGES_NSH

!macro _ParluneLanguageRows ROW
  !insertmacro ${ROW} ar       "العربية" "1025" Arabic
  !insertmacro ${ROW} az       "Azərbaycanca" "" -
  !insertmacro ${ROW} bg       "Български" "1026" Bulgarian
  !insertmacro ${ROW} bn       "বাংলা" "" -
  !insertmacro ${ROW} ca       "Català" "1027" Catalan
  !insertmacro ${ROW} chr      "ᏣᎳᎩ" "" -
  !insertmacro ${ROW} cs       "Čeština" "1029" Czech
  !insertmacro ${ROW} da       "Dansk" "1030" Danish
  !insertmacro ${ROW} de       "Deutsch" "1031" German
  !insertmacro ${ROW} el       "Ελληνικά" "1032" Greek
  !insertmacro ${ROW} en       "English" "1033" English
  !insertmacro ${ROW} en-gb    "English (United Kingdom)" "1033 2057" English
  !insertmacro ${ROW} en-xm    "Pseudo-English" "1033" English
  !insertmacro ${ROW} es       "Español" "1034 3082" Spanish
  !insertmacro ${ROW} es-419   "Español (Latinoamérica)" "3082 58378 2058" SpanishInternational
  !insertmacro ${ROW} et       "Eesti" "1061" Estonian
  !insertmacro ${ROW} fa       "فارسی" "1065" Farsi
  !insertmacro ${ROW} fi       "Suomi" "1035" Finnish
  !insertmacro ${ROW} fil      "Filipino" "" -
  !insertmacro ${ROW} fr       "Français" "1036" French
  !insertmacro ${ROW} fr-ca    "Français (Canada)" "1036 3084" French
  !insertmacro ${ROW} he       "עברית" "1037" Hebrew
  !insertmacro ${ROW} hi       "हिन्दी" "1081" Hindi
  !insertmacro ${ROW} hr       "Hrvatski" "1050" Croatian
  !insertmacro ${ROW} hu       "Magyar" "1038" Hungarian
  !insertmacro ${ROW} id       "Bahasa Indonesia" "1057" Indonesian
  !insertmacro ${ROW} it       "Italiano" "1040" Italian
  !insertmacro ${ROW} ja       "日本語" "1041" Japanese
  !insertmacro ${ROW} kgp      "Kanhgág" "" -
  !insertmacro ${ROW} km       "ខ្មែរ" "" -
  !insertmacro ${ROW} ko       "한국어" "1042" Korean
  !insertmacro ${ROW} lt       "Lietuvių" "1063" Lithuanian
  !insertmacro ${ROW} lv       "Latviešu" "1062" Latvian
  !insertmacro ${ROW} mi       "Māori" "" -
  !insertmacro ${ROW} mk       "Македонски" "1071" Macedonian
  !insertmacro ${ROW} mr       "मराठी" "" -
  !insertmacro ${ROW} ms       "Bahasa Melayu" "1086" Malay
  !insertmacro ${ROW} my       "မြန်မာ" "" -
  !insertmacro ${ROW} nb       "Norsk bokmål" "1044" Norwegian
  !insertmacro ${ROW} nl       "Nederlands" "1043" Dutch
  !insertmacro ${ROW} pl       "Polski" "1045" Polish
  !insertmacro ${ROW} pt-br    "Português (Brasil)" "1046" PortugueseBR
  !insertmacro ${ROW} pt       "Português" "2070" Portuguese
  !insertmacro ${ROW} ro       "Română" "1048" Romanian
  !insertmacro ${ROW} ru       "Русский" "1049" Russian
  !insertmacro ${ROW} si       "සිංහල" "" -
  !insertmacro ${ROW} sk       "Slovenčina" "1051" Slovak
  !insertmacro ${ROW} sl       "Slovenščina" "1060" Slovenian
  !insertmacro ${ROW} sr       "Српски" "3098 10266" Serbian
  !insertmacro ${ROW} sr-latn  "Srpski (latinica)" "2074 9242" SerbianLatin
  !insertmacro ${ROW} sv       "Svenska" "1053" Swedish
  !insertmacro ${ROW} ta       "தமிழ்" "" -
  !insertmacro ${ROW} th       "ไทย" "1054" Thai
  !insertmacro ${ROW} tr       "Türkçe" "1055" Turkish
  !insertmacro ${ROW} uk       "Українська" "1058" Ukrainian
  !insertmacro ${ROW} ur       "اردو" "" -
  !insertmacro ${ROW} vi       "Tiếng Việt" "1066" Vietnamese
  !insertmacro ${ROW} yrl      "Nheengatu" "" -
  !insertmacro ${ROW} zh-cn    "简体中文" "2052 4100" SimpChinese
  !insertmacro ${ROW} zh-tw    "繁體中文" "1028 3076 5124" TradChinese
!macroend

!endif
