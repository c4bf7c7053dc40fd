#include "nsis_languages.h"

#include <sstream>

#include "ascii_case.h"

namespace {

std::vector<std::string> IdsOf(const NsisLanguageRow& row) {
    std::istringstream words(row.ids);
    std::vector<std::string> ids;
    for (std::string id; words >> id;) ids.push_back(id);
    return ids;
}

ImportLanguage FromRow(const NsisLanguageRow& row, const std::string& shown) {
    return {row.tag, IdsOf(row).front(), shown};
}

bool IsDecimal(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

ImportLanguage LanguageOfArgument(const std::string& argument) {
    const std::string prefix = "${LANG_";
    if (argument.size() > prefix.size() + 1 && argument.compare(0, prefix.size(), prefix) == 0 &&
        argument.back() == '}') {
        // makensis finds a language by its name in any letter case.
        const std::string name = AsciiUpper(argument.substr(prefix.size(), argument.size() - prefix.size() - 1));
        for (const NsisLanguageRow& row : NsisLanguageRows()) {
            if (*row.ids != '\0' && AsciiUpper(row.nsisLanguage) == name) return FromRow(row, "LANG_" + name);
        }
        return {"", "", "LANG_" + name};
    }
    if (!IsDecimal(argument) || argument.size() > 5) return {"", "", argument};
    const std::string id = std::to_string(std::stoi(argument));
    for (const NsisLanguageRow& row : NsisLanguageRows()) {
        const std::vector<std::string> ids = IdsOf(row);
        if (!ids.empty() && ids.front() == id) return FromRow(row, id);
    }
    for (const NsisLanguageRow& row : NsisLanguageRows()) {
        for (const std::string& known : IdsOf(row)) {
            if (known == id) return FromRow(row, id);
        }
    }
    return {"", "", id};
}
