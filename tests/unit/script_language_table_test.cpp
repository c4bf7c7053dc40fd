// The installer scripts' table of language files (include/ParluneLanguages.nsh)
// against the plug-in's own code table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "language/language_code_table.h"

namespace {

struct ScriptRow {
    std::string tag, name, ids, nsisLanguage;
};

std::vector<ScriptRow> ReadScriptRows() {
    std::ifstream file(PARLUNE_SCRIPT_LANGUAGES);
    std::vector<ScriptRow> rows;
    const std::regex row(R"re(^\s*!insertmacro \$\{ROW\} (\S+)\s+"([^"]*)" "([^"]*)" (\S+) "[^"]*"\s*$)re");
    for (std::string line; std::getline(file, line);) {
        std::smatch m;
        if (std::regex_match(line, m, row)) rows.push_back({m[1], m[2], m[3], m[4]});
    }
    return rows;
}

TEST(ScriptLanguageTable, HoldsEveryLanguageFileOnceWithNameAndIds) {
    std::set<std::string> fileNames;
    for (const LanguageCodeRow& row : LanguageCodeRows()) fileNames.insert(row.baseName);

    const std::vector<ScriptRow> rows = ReadScriptRows();
    std::set<std::string> scriptTags;
    std::map<std::string, std::string> ownerOfId, firstListing;
    for (const ScriptRow& row : rows) {
        EXPECT_TRUE(scriptTags.insert(row.tag).second) << row.tag << " twice";
        EXPECT_FALSE(row.name.empty()) << row.tag;
        EXPECT_TRUE(std::regex_match(row.ids, std::regex("([0-9]+( [0-9]+)*)?"))) << row.tag << ": " << row.ids;
        EXPECT_EQ(row.ids.empty(), row.nsisLanguage == "-") << row.tag << ": an NSIS language and an id go together";
        std::istringstream ids(row.ids);
        std::string id;
        for (bool first = true; ids >> id; first = false) {
            // 1033 is the first id of en, en-gb and en-xm: it reads back as en.
            if (first && !ownerOfId.emplace(id, row.tag).second) {
                EXPECT_EQ(row.tag.rfind(ownerOfId[id] + "-", 0), 0u) << id << " reads back as " << ownerOfId[id] << ", not as " << row.tag;
            }
            firstListing.emplace(id, row.tag);
        }
    }
    // An id that no row takes first reads back as the first row listing it,
    // which must be the general tag of every other row listing it.
    for (const ScriptRow& row : rows) {
        std::istringstream ids(row.ids);
        for (std::string id; ids >> id;) {
            if (ownerOfId.count(id) != 0) continue;
            EXPECT_TRUE(row.tag == firstListing[id] || row.tag.rfind(firstListing[id] + "-", 0) == 0) << id << " reads back as " << firstListing[id] << ", not as " << row.tag;
        }
    }
    EXPECT_EQ(scriptTags, fileNames);
}

}  // namespace
