// A language file's texts for NSIS's and Modern UI's own, against NSIS's
// English: names NSIS knows, the references NSIS fills in, & marks.
#pragma once

#include "folder_check.h"
#include "language_file_check.h"

// english: en.json's check, whose texts for NSIS's own stand for NSIS's
// English where it gives them; null without en.json.
void CheckNsisTexts(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck* english);
