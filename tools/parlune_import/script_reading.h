// Reads the scripts an import names: through makensis's own preprocessor
// when it is at hand, so that includes, defines, macros and conditions are
// what the installer holds, else with the importer's own source reader.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "language_files_import.h"

struct ScriptReader {
    std::string makensis;  // its path; empty: the own reader
    std::string version;   // "v3.08"
    int codePage = 0;      // --codepage: for files that are not UTF-8 or UTF-16LE
    std::vector<std::string> options;  // -D and -X, as the build passes them to makensis
    std::set<std::string> nsisTextNames;  // the texts NSIS's own language files define

    // One sentence for the report: which reader ran, and what it cannot see.
    std::string Description() const;
};

// named: --makensis's value, or "" to look on PATH; off: --no-makensis.
// False with the complaint when a named makensis does not run.
bool ChooseReader(const std::string& named, bool off, int codePage, ScriptReader& reader, std::string& complaint);

// The script as the import takes it, or false with why not: unreadable,
// an encoding makensis does not read, or makensis's own errors.
bool ReadScript(const ScriptReader& reader, const std::string& path, ScriptSource& source, std::string& complaint);
