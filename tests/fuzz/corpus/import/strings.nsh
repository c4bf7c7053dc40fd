; French by language name, Japanese by language id.
LangString WelcomeTitle ${LANG_FRENCH} "Bienvenue dans ${PRODUCT}"
LangString Done         ${LANG_FRENCH} "Installé dans « $INSTDIR »."
LangString WelcomeTitle 1041 "${PRODUCT} へようこそ"
LangString WelcomeText  1041 "$(^Name) をインストールします。$\r$\n$\r$\n[次へ] をクリックしてください。"
LangString Done         1041 "$INSTDIR にインストールしました。"
LangString Price        1041 "無料です。"
