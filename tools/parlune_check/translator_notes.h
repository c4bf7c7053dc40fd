// Translators' notes ("@Key" members, ARB's form) against the texts they
// are about: a note in en.json holds for every language's text of its key.
#pragma once

#include "folder_check.h"
#include "language_file_check.h"

// english: en.json's check, null without en.json.
void CheckTranslatorNotes(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck* english);
