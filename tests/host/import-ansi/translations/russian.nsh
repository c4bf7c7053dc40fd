; Codepage: 1251
!define STR_RUSSIAN_Welcome "Добро пожаловать в $(^Name)"
!define STR_RUSSIAN_Display "Показать журнал"
!define STR_RUSSIAN_Bye "До свидания"
LangString Direct ${LANG_RUSSIAN} "Написано напрямую: ёЁ"
