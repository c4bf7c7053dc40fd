// Checks every language file in a folder against the installer's rules and
// against en.json.
#pragma once

#include <string>
#include <vector>

#include "language_file_check.h"
#include "language_names.h"
#include "nsis_language_files.h"
#include "problem.h"

struct FileReport {
    std::string fileName;
    std::string baseName;  // empty when the installer never loads the file
    bool beyondTable = false;  // named by its own tag, which the plug-in's code table lacks
    std::string language;
    TagLanguage tagLanguage;     // what the tables know of its tag
    std::string selectedBy;      // the tags that load it: "de, de-*"
    std::size_t texts = 0;       // keys the installer finds a text for
    std::size_t translated = 0;    // of them, keys that en.json has too, with a text of their own
    std::size_t untranslated = 0;  // keys whose text is en.json's, word for word, or ""
    std::vector<std::string> untranslatedKeys;  // their names, as en.json writes them
    std::string nsisLanguageId;    // the texts GetStr finds for these keys, "" for none
    std::string languageName;
    std::vector<NsisText> nsisTexts;  // its texts for NSIS's and Modern UI's own, by NSIS's names
    std::vector<Problem> problems;
};

struct FolderReport {
    std::string folder;
    int stringSize = 0;
    std::size_t englishTexts = 0;
    std::vector<Problem> folderProblems;  // not tied to one file; line and column 0
    std::vector<FileReport> files;
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

// declared, when given: the texts the script declares, checked against en.json.
FolderReport CheckFolder(const std::string& utf8Folder, int stringSize,
                         const std::vector<std::string>* declared = nullptr);
