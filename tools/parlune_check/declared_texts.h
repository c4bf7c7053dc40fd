// The script's declared texts (${ParluneText} NAME) against en.json: a name
// en.json lacks shows "" in every language, a key no name reads is never shown.
#pragma once

#include <string>
#include <vector>

#include "folder_check.h"

// Names one per line, as Parlune.nsh writes them while compiling.
std::vector<std::string> DeclaredNames(const std::string& text);

// The one of names nearest to name, ignoring letter case, when one is near
// enough to be a slip of the keyboard; "" otherwise.
std::string NearestName(const std::string& name, const std::vector<std::string>& names);

// The en.json key nearest to name, ignoring letter case, when one is near
// enough to be a slip of the keyboard; "" otherwise.
std::string NearestKey(const std::string& name, const LanguageFileCheck& english);

// An error of the folder per declared name en.json lacks; a warning at
// en.json's key per key that no name declares (Parlune's own keys aside).
void CheckDeclaredTexts(FolderReport& report, FileReport& englishReport, const LanguageFileCheck& english,
                        const std::vector<std::string>& declared);
