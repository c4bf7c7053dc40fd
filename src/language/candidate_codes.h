#pragma once

#include <string>
#include <vector>

// The codes tried for a language tag, most specific first: the whole tag, the
// tag before its last "-" (only when that is not also its first "-"), and the
// tag before its first "-". An empty tag gives none.
std::vector<std::u16string> CandidateCodes(const std::u16string& tag);
