// The keys Parlune reads itself: facts about the file, not texts to
// translate. Platforms should show them read-only.
#pragma once

#include <string>

#include "folder_check.h"
#include "language_file_check.h"

// "nsislanguageid" and "languagename", by their ASCII lower-case names.
bool IsMetadataKey(const std::string& foldedName);

// NsisLanguageId against the language of the file's tag, LanguageName
// against en.json's (a platform fills an untranslated key with English).
void CheckMetadata(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck* english);
