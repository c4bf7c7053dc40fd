// Text for the makensis includes the checker writes.
#pragma once

#include <string>

// Text for the inside of an NSIS "..." string: $ and " escaped, line breaks
// and tabs as NSIS writes them, other control characters left out.
std::string NsisQuoted(const std::string& utf8);
