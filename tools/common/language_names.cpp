#include "language_names.h"

#include <map>
#include <sstream>

#include "ascii_case.h"
#include "std_interop.h"

namespace {

struct Names {
    const char* english;
    const char* own;
};

struct NsisRow {
    const char* tag;
    const char* ids;
    const char* nsisLanguage;
};

const std::map<std::string, Names>& NameRows() {
    static const std::map<std::string, Names> rows = {
#include "language_name_rows.inc"
    };
    return rows;
}

// Both tables' rows in their order: languages.txt's, then more_languages.txt's.
const std::vector<NsisRow>& NsisRowList() {
    static const std::vector<NsisRow> list = {
#include "language_nsis_rows.inc"
    };
    return list;
}

const std::map<std::string, NsisRow>& NsisRows() {
    static const std::map<std::string, NsisRow> rows = [] {
        std::map<std::string, NsisRow> byTag;
        for (const NsisRow& row : NsisRowList()) byTag.emplace(row.tag, row);
        return byTag;
    }();
    return rows;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool IsAsciiLetter(char c) { return c >= 'a' && c <= 'z'; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The table's file for a tag's form, or the form itself when it names a row
// of more_languages.txt; empty for neither.
std::string KnownBaseName(const std::string& form) {
    const std::string mapped = MapLanguageCode(form);
    if (!mapped.empty()) return mapped;
    return NameRows().count(form) != 0 ? form : std::string();
}

}  // namespace

std::string LanguageName(const std::string& baseName) {
    const auto found = NameRows().find(baseName);
    return found == NameRows().end() ? std::string() : found->second.english;
}

bool IsTagBeyondTable(const std::string& tag) {
    std::size_t start = 0;
    for (std::size_t subtag = 0;; ++subtag) {
        std::size_t end = start;
        while (end < tag.size() && tag[end] != '-') {
            if (!IsAsciiLetter(tag[end]) && (subtag == 0 || !IsAsciiDigit(tag[end]))) return false;
            ++end;
        }
        const std::size_t length = end - start;
        if (length < (subtag == 0 ? 2u : 1u) || length > (subtag == 0 ? 3u : 8u)) return false;
        if (end == tag.size()) break;
        start = end + 1;
    }
    return MapLanguageCode(tag).empty();
}

TagLanguage LanguageOfTag(const std::string& tag) {
    const std::string lower = AsciiLower(tag);
    const std::vector<std::u16string> forms = CandidateCodes(FromUtf8(lower));
    for (const std::u16string& form : forms) {
        const std::string baseName = KnownBaseName(ToUtf8(form));
        if (baseName.empty()) continue;
        TagLanguage language;
        const Names& names = NameRows().at(baseName);
        language.englishName = names.english;
        language.ownName = names.own;
        const auto nsis = NsisRows().find(baseName);
        if (nsis != NsisRows().end() && *nsis->second.ids != '\0') {
            std::istringstream(nsis->second.ids) >> language.nsisId;
            language.nsisLanguage = nsis->second.nsisLanguage;
            if (&form == &forms.front()) language.rowIds = nsis->second.ids;
        }
        if (&form != &forms.front()) {  // the language of a less specific form
            language.englishName += " (" + tag + ")";
            language.ownName += " (" + tag + ")";
        }
        return language;
    }
    return {};
}

const std::vector<TableRow>& TableRows() {
    static const std::vector<TableRow> rows = [] {
        std::vector<TableRow> table;
        for (const NsisRow& nsis : NsisRowList()) {
            TableRow row;
            row.tag = nsis.tag;
            for (const LanguageCodeRow& code : LanguageCodeRows()) {
                if (row.tag == code.baseName) row.codes.push_back(code.code);
            }
            if (row.codes.empty()) continue;  // a row of more_languages.txt
            row.ownName = NameRows().at(row.tag).own;
            row.ids = Words(nsis.ids);
            if (std::string(nsis.nsisLanguage) != "-") row.nsisLanguage = nsis.nsisLanguage;
            table.push_back(std::move(row));
        }
        return table;
    }();
    return rows;
}

std::vector<std::string> TagsOfNsisId(const std::string& id) {
    std::vector<std::string> tags;
    for (const auto& row : NsisRows()) {
        std::istringstream ids(row.second.ids);
        for (std::string listed; ids >> listed;) {
            if (listed == id) tags.push_back(row.first);
        }
    }
    return tags;
}
