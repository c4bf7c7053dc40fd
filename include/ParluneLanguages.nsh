; ParluneLanguages.nsh - the 60 language files Parlune knows, for Parlune.nsh.
;
; One row per file: its tag (the file's base name), the language's own name
; for the language dialog, the NSIS language ids that stand for it (the first
; is the one $LANGUAGE takes; the others are only read back, from the registry
; or /LANG=), and the NSIS language whose built-in texts fit it ("-" when NSIS
; has none), and every tag that selects the file. An id reads back as the row
; that takes it first (3082 is es-419), else as the first row that lists it.
;
; Generated from Parlune's language table (src/language/languages.txt in its
; repository), as are the plug-in's own code table and the tools' names.

!ifndef PARLUNE_LANGUAGES_NSH
!define PARLUNE_LANGUAGES_NSH

!macro _ParluneLanguageRows ROW
  !insertmacro ${ROW} ar "العربية" "1025" Arabic "ar"
  !insertmacro ${ROW} az "Azərbaycanca" "" - "az"
  !insertmacro ${ROW} bg "Български" "1026" Bulgarian "bg"
  !insertmacro ${ROW} bn "বাংলা" "" - "bn"
  !insertmacro ${ROW} ca "Català" "1027" Catalan "ca"
  !insertmacro ${ROW} chr "ᏣᎳᎩ" "" - "chr"
  !insertmacro ${ROW} cs "Čeština" "1029" Czech "cs"
  !insertmacro ${ROW} da "Dansk" "1030" Danish "da"
  !insertmacro ${ROW} de "Deutsch" "1031" German "de"
  !insertmacro ${ROW} el "Ελληνικά" "1032" Greek "el"
  !insertmacro ${ROW} en "English" "1033" English "en en-AS en-BI en-GU en-MH en-MP en-PR en-UM en-VI en-US"
  !insertmacro ${ROW} en-gb "English (United Kingdom)" "1033 2057" English "en-GB en-AG en-AI en-AT en-AU en-BB en-BE en-BS en-BW en-BZ en-CA en-CC en-CH en-CK en-CM en-CX en-CY en-DE en-DG en-DK en-DM en-FI en-FJ en-FK en-FM en-GD en-GG en-GH en-GY en-HK en-IE en-IL en-IM en-IN en-IO en-JE en-KI en-KN en-KY en-LC en-LR en-LS en-MG en-MO en-MS en-MT en-MU en-MW en-MY en-NA en-NF en-NG en-NL en-NR en-NU en-NZ en-PG en-PH en-PK en-PN en-PW en-RW en-SB en-SC en-SD en-SE en-SG en-SH en-SI en-SL en-SS en-SX en-SZ en-TC en-TK en-TO en-TT en-TV en-TZ en-UG en-VC en-VG en-VU en-WS en-ZA en-ZM en-ZW"
  !insertmacro ${ROW} en-xm "Pseudo-English" "1033" English "en-XM"
  !insertmacro ${ROW} es "Español" "1034 3082" Spanish "es"
  !insertmacro ${ROW} es-419 "Español (Latinoamérica)" "3082 58378 2058" SpanishInternational "es-419 es-AR es-BZ es-VE es-BO es-BR es-CL es-CO es-CR es-CU es-DO es-EC es-SV es-GT es-HN es-MX es-NI es-PA es-PY es-PE es-US es-UY"
  !insertmacro ${ROW} et "Eesti" "1061" Estonian "et"
  !insertmacro ${ROW} fa "فارسی" "1065" Farsi "fa"
  !insertmacro ${ROW} fi "Suomi" "1035" Finnish "fi"
  !insertmacro ${ROW} fil "Filipino" "" - "fil"
  !insertmacro ${ROW} fr "Français" "1036" French "fr"
  !insertmacro ${ROW} fr-ca "Français (Canada)" "1036 3084" French "fr-CA"
  !insertmacro ${ROW} he "עברית" "1037" Hebrew "he"
  !insertmacro ${ROW} hi "हिन्दी" "1081" Hindi "hi"
  !insertmacro ${ROW} hr "Hrvatski" "1050" Croatian "hr"
  !insertmacro ${ROW} hu "Magyar" "1038" Hungarian "hu"
  !insertmacro ${ROW} id "Bahasa Indonesia" "1057" Indonesian "id"
  !insertmacro ${ROW} it "Italiano" "1040" Italian "it"
  !insertmacro ${ROW} ja "日本語" "1041" Japanese "ja"
  !insertmacro ${ROW} kgp "Kanhgág" "" - "kgp"
  !insertmacro ${ROW} km "ខ្មែរ" "" - "km"
  !insertmacro ${ROW} ko "한국어" "1042" Korean "ko"
  !insertmacro ${ROW} lt "Lietuvių" "1063" Lithuanian "lt"
  !insertmacro ${ROW} lv "Latviešu" "1062" Latvian "lv"
  !insertmacro ${ROW} mi "Māori" "" - "mi"
  !insertmacro ${ROW} mk "Македонски" "1071" Macedonian "mk"
  !insertmacro ${ROW} mr "मराठी" "" - "mr"
  !insertmacro ${ROW} ms "Bahasa Melayu" "1086" Malay "ms"
  !insertmacro ${ROW} my "မြန်မာ" "" - "my"
  !insertmacro ${ROW} nb "Norsk bokmål" "1044" Norwegian "nb"
  !insertmacro ${ROW} nl "Nederlands" "1043" Dutch "nl"
  !insertmacro ${ROW} pl "Polski" "1045" Polish "pl"
  !insertmacro ${ROW} pt-br "Português (Brasil)" "1046" PortugueseBR "pt-BR"
  !insertmacro ${ROW} pt "Português" "2070" Portuguese "pt pt-PT pt-AO pt-CV pt-GQ pt-GW pt-LU pt-MO pt-MZ pt-ST pt-CH pt-TL"
  !insertmacro ${ROW} ro "Română" "1048" Romanian "ro"
  !insertmacro ${ROW} ru "Русский" "1049" Russian "ru"
  !insertmacro ${ROW} si "සිංහල" "" - "si"
  !insertmacro ${ROW} sk "Slovenčina" "1051" Slovak "sk"
  !insertmacro ${ROW} sl "Slovenščina" "1060" Slovenian "sl"
  !insertmacro ${ROW} sr "Српски" "3098 10266" Serbian "sr"
  !insertmacro ${ROW} sr-latn "Srpski (latinica)" "2074 9242" SerbianLatin "sr-Latn sr-Latn-RS sr-Latn-BA sr-Latn-ME"
  !insertmacro ${ROW} sv "Svenska" "1053" Swedish "sv"
  !insertmacro ${ROW} ta "தமிழ்" "" - "ta"
  !insertmacro ${ROW} th "ไทย" "1054" Thai "th"
  !insertmacro ${ROW} tr "Türkçe" "1055" Turkish "tr"
  !insertmacro ${ROW} uk "Українська" "1058" Ukrainian "uk"
  !insertmacro ${ROW} ur "اردو" "" - "ur"
  !insertmacro ${ROW} vi "Tiếng Việt" "1066" Vietnamese "vi"
  !insertmacro ${ROW} yrl "Nheengatu" "" - "yrl"
  !insertmacro ${ROW} zh-cn "简体中文" "2052 4100" SimpChinese "zh-CN zh-SG zh-Hans-CN zh-Hans-HK zh-Hans-MO zh-Hans-SG"
  !insertmacro ${ROW} zh-tw "繁體中文" "1028 3076 5124" TradChinese "zh-TW zh-HK zh-MO zh-Hant-HK zh-Hant-MO zh-Hant-TW"
!macroend

!endif
