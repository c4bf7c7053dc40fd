// What parlune-import tells the author after an import.
#pragma once

#include <string>

#include "language_files_import.h"

// Where the overrides of NSIS's own texts go, beside the language files
// (the installer packs only their *.json).
constexpr char kOverridesInclude[] = "nsis-texts.nsh";

// Which reader ran, what was written (or, when not, found) and skipped, the
// coverage, and the ${ParluneFormat} lines the script needs.
std::string ImportReport(const LanguageImport& result, const std::string& outFolder, bool written,
                         const std::string& reading = std::string());
