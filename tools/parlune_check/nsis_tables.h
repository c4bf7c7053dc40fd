// NSIS's and Modern UI's own texts from the language files: which of the
// installer's language tables each file's texts go into, and the makensis
// include that puts them there while the script compiles.
#pragma once

#include <string>
#include <vector>

#include "folder_check.h"
#include "nsis_language_files.h"

struct NsisTable {
    std::string tag;           // the file whose texts it holds
    std::string nsisLanguage;  // NSIS's language it changes, or its own table's base
    bool own = false;          // a table of its own, built from the base's files
    std::string id;            // an own table's language id
    bool rightToLeft = false;  // an own table built from English for a language written so
    std::string englishName;   // an own table's names, for Modern UI's language list
    std::string ownName;
    std::vector<NsisText> texts;
};

// The language an NSIS language is first inserted for owns its table: en.json
// English's, de.json German's; a file that shares it with that one (en-gb,
// de-at), or whose language NSIS lacks (fil, ur), gets a table of its own
// when it has texts for NSIS: based on the shared language's files, or on
// English's with en.json's texts for NSIS under its own. An own table takes
// an id no other table of the folder takes: the file's NsisLanguageId, its
// row's further ids, Windows's id for the language, else one from the range
// that Windows leaves to custom languages, whose fallback is no language.
std::vector<NsisTable> PlanNsisTables(const FolderReport& report);

// NSIS's name of a table: its language's, or for a table of its own the
// prefix and the file's tag ("nst1_de_at"), which names its files too.
std::string NsisTableName(const NsisTable& table, const std::string& prefix);

// Each own table's .nlf and Modern UI .nsh, from nsisDir's language files,
// written into folder. Returns "" or what went wrong.
std::string WriteNsisTables(const std::vector<NsisTable>& tables, const std::string& nsisDir,
                            const std::string& folder, const std::string& prefix);

// The makensis macros that put the files' texts into the tables, before and
// after each table's language is inserted.
std::string NsisTablesInclude(const std::vector<NsisTable>& tables, const std::string& prefix);
