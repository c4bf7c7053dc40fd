// What parlune-import tells the author after an import.
#pragma once

#include <string>

#include "language_files_import.h"

// What was written (or, when not, found) and skipped, the coverage, and the
// ${ParluneFormat} lines the script needs.
std::string ImportReport(const LanguageImport& result, const std::string& outFolder, bool written);
