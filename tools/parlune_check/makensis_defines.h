// What Parlune.nsh takes from the language files while the script compiles:
// each file's NSIS language id and its name for the language dialog, as
// makensis defines, so that the installer carries them instead of code that
// reads them.
#pragma once

#include <string>

#include "folder_check.h"

// Text for the inside of an NSIS "..." string: $ and " escaped, line breaks
// and tabs as NSIS writes them, other control characters left out.
std::string NsisQuoted(const std::string& utf8);

// For every file of the checked folder that the installer can load, a
// !define of its id (digits only) and of its name, or none, which leaves the
// language table's own; for a file beyond the code table also its NSIS
// language, and _PARLUNE_FACT_BEYOND lists these files' tags ("|cy|haw");
// with en.json, each file's share of its texts in percent.
std::string MakensisDefines(const FolderReport& report);
