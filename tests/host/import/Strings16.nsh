; Saved as UTF-16LE with a byte-order mark by the test.
LangString Wide ${LANG_ENGLISH} "wide: ✓ 😀"
LangString Wide ${LANG_FRENCH} "large : ✓"
