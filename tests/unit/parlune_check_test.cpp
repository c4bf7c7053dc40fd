// parlune-check: each kind of problem, shown on a small file, where it is
// reported, and what the folder-wide comparison with en.json finds.
#include <gtest/gtest.h>

#include <algorithm>

#include "file_names.h"
#include "folder_check.h"
#include "language_file_check.h"
#include "support/language_folder.h"

namespace {

struct Found {
    std::string kind;
    std::size_t line;
    std::size_t column;
    bool operator==(const Found& other) const {
        return kind == other.kind && line == other.line && column == other.column;
    }
};

std::ostream& operator<<(std::ostream& out, const Found& found) {
    return out << found.kind << "@" << found.line << ":" << found.column;
}

std::vector<Found> Kinds(const std::vector<Problem>& problems) {
    std::vector<Found> found;
    for (const Problem& problem : problems) found.push_back({problem.kind, problem.line, problem.column});
    return found;
}

std::vector<Found> Check(const std::string& bytes, int stringSize = 1024) {
    return Kinds(CheckLanguageFile(bytes, stringSize).problems);
}

TEST(ParluneCheck, FilesTheInstallerCannotReadAreErrors) {
    EXPECT_EQ(Check("\xEF\xBB\xBF{\"a\": \"b\"}"), (std::vector<Found>{{"byte-order-mark", 1, 1}}));
    EXPECT_EQ(Check(std::string("\xFF\xFE{\0\"\0}\0", 8)), (std::vector<Found>{{"utf-16", 1, 1}}));
    EXPECT_EQ(Check(std::string("{\0\"\0", 4)), (std::vector<Found>{{"utf-16", 1, 1}}));  // no mark at all
    EXPECT_EQ(Check(std::string("\0\0\xFE\xFF", 4)), (std::vector<Found>{{"utf-16", 1, 1}}));
    EXPECT_EQ(Check(""), (std::vector<Found>{{"empty", 1, 1}}));
    EXPECT_EQ(Check("{\n  \"a\": \"b\",\n}"), (std::vector<Found>{{"invalid-json", 3, 1}}));
    EXPECT_EQ(Check("[\"a\"]"), (std::vector<Found>{{"root-not-object", 1, 1}}));
    EXPECT_EQ(Check(std::string("{\"a\": \"b\"}\n\0junk", 16)), (std::vector<Found>{{"nul-byte", 2, 1}}));
}

TEST(ParluneCheck, InvalidJsonQuotesTheDocumentsMessage) {
    const LanguageFileCheck check = CheckLanguageFile("{\"a\" \"b\"}", 1024);
    ASSERT_EQ(check.problems.size(), 1u);
    EXPECT_NE(check.problems[0].message.find("prase json string error at \"b\"}"), std::string::npos);
    EXPECT_FALSE(check.readable);
}

TEST(ParluneCheck, KeysThatGiveNoTextOrNotTheExpectedOneAreWarnings) {
    const std::string text =
        "{\"Title\": \"x\",\n"
        " \"TITLE\": \"y\",\n"
        " \"Count\": 3, \"count\": \"z\",\n"
        " \"Deep\": {\"a\": \"b\"}, \"List\": [1],\n"
        " \"Flag\": true} tail";
    EXPECT_EQ(Check(text), (std::vector<Found>{{"repeated-key", 2, 2},
                                               {"not-a-string", 3, 11},
                                               {"hidden-key", 3, 14},
                                               {"nested", 4, 10},
                                               {"nested", 4, 30},
                                               {"not-a-string", 5, 10},
                                               {"trailing-text", 5, 16}}));
    const LanguageFileCheck check = CheckLanguageFile(text, 1024);
    EXPECT_EQ(CountTexts(check), 1u);  // only Title has text
}

TEST(ParluneCheck, LongKeysLongTextsAndBrokenUtf8) {
    const std::string key127(127, 'k'), key128(128, 'k');
    EXPECT_EQ(Check("{\"" + key127 + "\": \"x\"}"), std::vector<Found>{});
    EXPECT_EQ(Check("{\"" + key128 + "\": \"x\"}"), (std::vector<Found>{{"long-key", 1, 2}}));

    const std::string text1023 = "{\"a\": \"" + std::string(1023, 't') + "\"}";
    EXPECT_EQ(Check(text1023), std::vector<Found>{});
    EXPECT_EQ(Check(text1023, 1023), (std::vector<Found>{{"long-text", 1, 7}}));
    // Columns count characters: the broken text starts after "é", two bytes.
    EXPECT_EQ(Check("{\"\xC3\xA9\": \"caf\xE9\"}"), (std::vector<Found>{{"invalid-utf8", 1, 7}}));
}

TEST(ParluneCheck, FileNamesAreCheckedAgainstTheTable) {
    EXPECT_EQ(LoadableBaseName("de.json"), "de");
    EXPECT_EQ(LoadableBaseName("SR-Latn.JSON"), "sr-latn");  // Windows ignores case
    EXPECT_EQ(LoadableBaseName("de-de.json"), "");
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"de-de.json", {"de.json"}},       {"pt_BR.json", {"pt-br.json"}},    {"zh-hans.json", {"zh-cn.json"}},
        {"sr-cyrl.json", {"sr.json"}},     {"en-US.json", {"en.json"}},       {"zh.json", {"zh-cn.json", "zh-tw.json"}},
        {"es_ES.json", {"es.json"}},       {"strings.json", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SuggestFileNames(c.first), c.second) << c.first;
}

TEST(ParluneCheck, FolderComparesEveryFileWithEnJson) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"Title\": \"Setup\", \"Next\": \"Next\", \"Back\": \"Back\", \"Count\": 1}");
    folder.Write("de.json", "{\"title\": \"Einrichtung\", \"Weiter\": \"Weiter\"}");
    folder.Write("de-de.json", "{\"Title\": \"x\"}");
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    ASSERT_EQ(report.files.size(), 3u);
    EXPECT_EQ(report.englishTexts, 3u);

    const FileReport& german = report.files[1];
    EXPECT_EQ(german.fileName, "de.json");
    EXPECT_EQ(german.language, "German");
    EXPECT_EQ(german.texts, 2u);
    EXPECT_EQ(german.translated, 1u);
    EXPECT_EQ(Kinds(german.problems),
              (std::vector<Found>{{"unknown-key", 1, 26}, {"missing-key", 1, 44}, {"missing-key", 1, 44}}));

    const FileReport& misnamed = report.files[0];
    EXPECT_EQ(Kinds(misnamed.problems), (std::vector<Found>{{"file-name", 1, 1}}));
    EXPECT_NE(misnamed.problems[0].message.find("rename it to de.json"), std::string::npos);
    EXPECT_EQ(report.errors, 1u);
    EXPECT_EQ(report.warnings, 4u);  // en.json's Count holds no string
}

TEST(ParluneCheck, AFolderWithoutEnJsonIsAnError) {
    LanguageFolder folder;
    folder.Write("de.json", "{\"Title\": \"x\"}");
    folder.Write("notes.txt", "not a language file");
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    ASSERT_EQ(report.folderProblems.size(), 1u);
    EXPECT_EQ(report.folderProblems[0].kind, "no-en-json");
    EXPECT_EQ(report.files.size(), 1u);
    EXPECT_EQ(report.errors, 1u);
}

}  // namespace
