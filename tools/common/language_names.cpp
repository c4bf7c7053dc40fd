#include "language_names.h"

#include <map>

std::string LanguageName(const std::string& baseName) {
    static const std::map<std::string, std::string> names = {
#include "language_name_rows.inc"
    };
    const auto found = names.find(baseName);
    return found == names.end() ? std::string() : found->second;
}
