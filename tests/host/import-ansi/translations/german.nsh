; Codepage: 1252
!define STR_GERMAN_Welcome "Willkommen bei $(^Name) – Grüße, 5 €"
!define STR_GERMAN_Display "Protokoll „anzeigen“"
LangString Direct ${LANG_GERMAN} "Direkt geschrieben: äöüß"
