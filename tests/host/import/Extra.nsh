!insertmacro LANGFILE_EXT French
${LangFileString} FromLangFile "fait par LangFile.nsh$\r$\nligne deux"
