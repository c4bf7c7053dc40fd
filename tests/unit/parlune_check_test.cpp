// parlune-check: each kind of problem, shown on a small file, where it is
// reported, and what the folder-wide comparison with en.json finds.
#include <gtest/gtest.h>

#include <algorithm>

#include "declared_texts.h"
#include "file_names.h"
#include "folder_check.h"
#include "language_file_check.h"
#include "language_names.h"
#include "nsis_quoted.h"
#include "pseudo_locale.h"
#include "reports.h"
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

// The kinds of a file's problems in order, and one of the messages holding says.
void ExpectKindsAndMessage(const std::vector<Problem>& problems, const std::vector<std::string>& kinds,
                           const std::string& says, const std::string& text) {
    std::vector<std::string> found;
    std::string messages;
    for (const Problem& problem : problems) {
        found.push_back(problem.kind);
        messages += problem.message + "\n";
    }
    EXPECT_EQ(found, kinds) << text << "\n" << messages;
    EXPECT_NE(messages.find(says), std::string::npos) << text << "\n" << messages;
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
    EXPECT_EQ(Check("{\n  \"a\": \"b\",\n}"), (std::vector<Found>{{"invalid-json", 2, 11}}));
    EXPECT_EQ(Check("[\"a\"]"), (std::vector<Found>{{"root-not-object", 1, 1}}));
    EXPECT_EQ(Check(std::string("{\"a\": \"b\"}\n\0junk", 16)), (std::vector<Found>{{"nul-byte", 2, 1}}));
}

// The report's own words, at the place a person fixes, never the parser's.
TEST(ParluneCheck, InvalidJsonIsExplainedWhereItIsFixed) {
    const struct {
        const char* text;
        std::size_t line, column;
        const char* says;
    } cases[] = {
        {"{\"a\": \"b\",\n}", 1, 10, "no comma after the last member: remove it"},
        {"{\"a\": [1, 2,]}", 1, 12, "no comma after the last element"},
        {"{\"a\": \"b\"\n \"c\": \"d\"}", 1, 10, "found a text; a comma is missing here"},
        {"{\"a\" \"b\"}", 1, 6, "expected \":\" after the key, found a text"},
        {"{'a': 'b'}", 1, 2, "found a single quote (')"},
        {"{\"a\": tru}", 1, 7, "found \"tru\""},
        {"{\"a\": \"b}", 1, 7, "closing quote of the text that starts here, found the end of the file"},
        {"{\"a\": \"b\"", 1, 10, "expected \",\" or \"}\", found the end of the file"},
        {"{\"a\": -x}", 1, 7, "digits after the minus sign"},
        {"{\"a\": \u00e9}", 1, 7, "found \"\u00e9\""},  // the whole character, never its first byte
        {"{\"a\": \u201cb\u201d}", 1, 7, "found a typographic quote (\u201c); JSON takes straight quotes (\")"},
        {"{\u201ea\": 1}", 1, 2, "expected a key in quotes, found a typographic quote (\u201e)"},
        {"{\"a\": \"Click \"Next\" now\"}", 1, 15, "a quote inside a text ends it: write \\\" for"},
    };
    for (const auto& c : cases) {
        const LanguageFileCheck check = CheckLanguageFile(c.text, 1024);
        ASSERT_EQ(check.problems.size(), 1u) << c.text;
        const Problem& problem = check.problems[0];
        EXPECT_EQ(Found({problem.kind, problem.line, problem.column}), Found({"invalid-json", c.line, c.column})) << c.text;
        EXPECT_NE(problem.message.find(c.says), std::string::npos) << c.text << ": " << problem.message;
        EXPECT_EQ(problem.message.find("json string error"), std::string::npos) << problem.message;
        EXPECT_FALSE(check.readable);
    }
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
    // A name no tag selects: a table code that is not its file's name, or no tag at all.
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"pt_BR.json", {"pt-br.json"}}, {"zh-hans-cn.json", {"zh-cn.json"}}, {"en-US.json", {"en.json"}},
        {"de_AT.json", {"de-at.json"}}, {"es_ES.json", {"es-es.json"}},      {"strings.json", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SuggestFileNames(c.first), c.second) << c.first;
}

// Beyond the code table: a lower-case tag it lacks names a file by itself.
TEST(ParluneCheck, TagsBeyondTheTableAndWhatTheyInherit) {
    struct Case {
        const char* tag;
        bool beyond;
        const char* english;
        const char* own;
        const char* id;
        const char* nsis;
    };
    const Case cases[] = {
        {"cy", true, "Welsh", "Cymraeg", "1106", "Welsh"},
        {"de-at", true, "German (de-at)", "Deutsch (de-at)", "1031", "German"},
        {"eu-es-x1", true, "Basque (eu-es-x1)", "Euskara (eu-es-x1)", "1069", "Basque"},
        {"haw", true, "", "", "", ""},
        {"fil-ph", true, "Filipino (fil-ph)", "Filipino (fil-ph)", "", ""},
        {"de", false, "German", "Deutsch", "1031", "German"},
        {"zh-hans-cn", false, "Chinese (Simplified)", "\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87", "2052", "SimpChinese"},
        {"de_at", false, "", "", "", ""},
        {"deutsch", false, "", "", "", ""},
        {"d1", false, "", "", "", ""},
        {"de-toolongtag", false, "German (de-toolongtag)", "Deutsch (de-toolongtag)", "1031", "German"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsTagBeyondTable(c.tag), c.beyond) << c.tag;
        const TagLanguage language = LanguageOfTag(c.tag);
        EXPECT_EQ(language.englishName, c.english) << c.tag;
        EXPECT_EQ(language.ownName, c.own) << c.tag;
        EXPECT_EQ(language.nsisId, c.id) << c.tag;
        EXPECT_EQ(language.nsisLanguage, c.nsis) << c.tag;
    }
    EXPECT_EQ(SelectingTags("de"), "de, de-*");
    EXPECT_EQ(SelectingTags("sr-latn"), "sr-Latn, sr-Latn-RS, sr-Latn-BA, sr-Latn-ME");
    EXPECT_EQ(SelectingTags("en-gb"), "en-GB, en-AG, en-AI, en-AT and 83 more");
}

TEST(ParluneCheck, DeclaredTextsMatchEnJsonOrNameTheNearestKey) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"NsisLanguageId\": \"1033\", \"UnDone\": \"x\", \"Title\": \"T\", \"Extra\": \"e\", \"@@locale\": \"en\"}");
    const std::vector<std::string> declared = DeclaredNames("UnDon\r\ntitle\n\nLicenceAgreement\n");
    EXPECT_EQ(declared, (std::vector<std::string>{"UnDon", "title", "LicenceAgreement"}));
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024, &declared);
    ASSERT_EQ(report.folderProblems.size(), 2u);
    EXPECT_NE(report.folderProblems[0].message.find("${ParluneText} UnDon, but en.json has no text \"UnDon\""),
              std::string::npos);
    EXPECT_NE(report.folderProblems[0].message.find("did you mean UnDone?"), std::string::npos);
    EXPECT_NE(report.folderProblems[1].message.find("add it to en.json"), std::string::npos);  // nothing near
    // UnDone and Extra are declared by nothing; Title is, in another case; NsisLanguageId is Parlune's own,
    // "@@locale" ARB's.
    EXPECT_EQ(Kinds(report.files[0].problems), (std::vector<Found>{{"undeclared-text", 1, 28}, {"undeclared-text", 1, 57}}));
    EXPECT_EQ(report.errors, 2u);
    EXPECT_TRUE(CheckFolder(folder.path().u8string(), 1024).folderProblems.empty());
}

TEST(ParluneCheck, FolderComparesEveryFileWithEnJson) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"Title\": \"Setup\", \"Next\": \"Next\", \"Back\": \"Back\", \"Count\": 1}");
    folder.Write("de.json", "{\"title\": \"Einrichtung\", \"Weiter\": \"Weiter\"}");
    folder.Write("de_DE.json", "{\"Title\": \"x\"}");
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    ASSERT_EQ(report.files.size(), 3u);
    EXPECT_EQ(report.englishTexts, 3u);

    const FileReport& german = report.files[0];
    EXPECT_EQ(german.fileName, "de.json");
    EXPECT_EQ(german.language, "German");
    EXPECT_EQ(german.texts, 2u);
    EXPECT_EQ(german.translated, 1u);
    EXPECT_EQ(Kinds(german.problems), (std::vector<Found>{{"key-case", 1, 2}, {"unknown-key", 1, 26},
                                                          {"missing-key", 1, 44}, {"missing-key", 1, 44}}));

    const FileReport& misnamed = report.files[1];
    EXPECT_EQ(Kinds(misnamed.problems), (std::vector<Found>{{"file-name", 1, 1}}));
    EXPECT_NE(misnamed.problems[0].message.find("rename it to de-de.json"), std::string::npos);
    EXPECT_EQ(report.errors, 1u);
    EXPECT_EQ(report.warnings, 5u);  // en.json's Count holds no string
}

// What a translation must keep of en.json's text, one line of de.json per
// case: the text, en.json's for the same key, and what the report says.
TEST(ParluneCheck, TranslationsKeepPlaceholdersMarksAndWhiteSpace) {
    const struct {
        const char* english;
        const char* german;
        std::vector<std::string> kinds;
        const char* says;
    } cases[] = {
        {"In {{DIR}}", "Nach {{DIR}}", {}, ""},
        {"{{APP}} in {{DIR}}", "{{APP}}", {"placeholder"}, "lacks en.json's {{DIR}}"},
        {"{{APP}}", "{{APP}} {{app}}", {"placeholder"}, "has {{app}}, which"},
        {"{{A}} {{B}}", "{{C}}", {"placeholder", "placeholder"}, "lacks en.json's {{A}}, {{B}}"},
        {"&Next", "Weiter", {"accelerator"}, "0 & accelerator marks and en.json's has 1"},
        {"&Next", "&&Weiter", {"accelerator"}, ""},
        {"Fish && Chips", "Fisch && Pommes", {}, ""},
        {" x", "x", {"white-space"}, ""},
        {"x\\n", "x\\n", {}, ""},
        {"x\\n", "x\n", {"control-character"}, "holds a line break as it is"},
        {"a b", "a\tb", {"control-character"}, "holds a tab as it is"},
        {"Next", "", {"empty-text"}, "is \"\", so the installer shows nothing"},
        {"", "", {}, ""},
        {"Next", "Weiter$\\r$\\nmehr", {"nsis-escape"}, "NSIS escape $\\r,"},
        {"Next", "Weiter$\\\\tmehr", {"nsis-escape"}, "NSIS escape $\\t,"},
        {"Price", "Preis: 5 $", {}, ""},
    };
    for (const auto& c : cases) {
        LanguageFolder folder;
        folder.Write("en.json", std::string("{\"T\": \"") + c.english + "\"}");
        folder.Write("de.json", std::string("{\"T\": \"") + c.german + "\"}");
        const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
        const FileReport& german = report.files[0];
        ExpectKindsAndMessage(german.problems, c.kinds, c.says, c.german);
    }
}

TEST(ParluneCheck, TextsSameAsEnglishCountApartFromTranslations) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"Title\": \"Setup\", \"OK\": \"OK\", \"Next\": \"Next\"}");
    folder.Write("de.json", "{\"Title\": \"Einrichtung\", \"OK\": \"OK\", \"Next\": \"\"}");
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    EXPECT_EQ(report.files[0].texts, 3u);
    EXPECT_EQ(report.files[0].translated, 1u);
    EXPECT_EQ(report.files[0].untranslated, 2u);  // en.json's text word for word, and ""
    EXPECT_EQ(report.files[1].untranslated, 0u);  // en.json itself
    EXPECT_NE(TextReport(report).find("\n  untranslated (en.json's text or \"\"): OK, Next\n"), std::string::npos);
    EXPECT_NE(JsonReport(report).find("\"untranslated\": 2, \"untranslatedKeys\": [\"OK\", \"Next\"]"),
              std::string::npos);
    // A broken byte of a file, quoted in a message, leaves --json valid UTF-8.
    folder.Write("fr.json", "{\"Titl\xE9\": \"x\"}");
    const std::string json = JsonReport(CheckFolder(folder.path().u8string(), 1024));
    EXPECT_EQ(json.find('\xE9'), std::string::npos);
    EXPECT_NE(json.find("Titl\xEF\xBF\xBD"), std::string::npos);
}

// What translators and their platforms get wrong, one file of the folder
// per case beside this en.json; the keys Parlune reads are no texts.
TEST(ParluneCheck, TranslatorsMistakesMetadataAndNotes) {
    const char* const english =
        "{\"NsisLanguageId\": \"1033\", \"LanguageName\": \"English\", \"T\": \"Title\",\n"
        " \"@T\": {\"description\": \"The first page's title\", \"maxLength\": 8}, \"@@locale\": \"en\"}";
    const struct {
        const char* file;
        const char* text;
        std::vector<std::string> kinds;
        const char* says;
        std::size_t coverage;
    } cases[] = {
        {"de.json", "{\"T\": \"Titel\"}", {}, "", 100},  // no NsisLanguageId: nothing to translate
        {"de.json", "{\"NsisLanguageId\": \"German\", \"T\": \"Titel\"}", {"nsis-language-id"},
         "\"German\" is no number, so the installer ignores it and takes 1031", 100},
        {"de.json", "{\"NsisLanguageId\": \"0x0407\"}", {"nsis-language-id", "missing-key"}, "give \"1031\" or leave it out", 0},
        {"de.json", "{\"NsisLanguageId\": \"1036\"}", {"nsis-language-id", "missing-key"}, "1036 is French's, not German's", 0},
        {"it.json", "{\"NsisLanguageId\": \"4242\"}", {"nsis-language-id", "missing-key"}, "an id of no language", 0},
        {"de-at.json", "{\"NsisLanguageId\": \"3079\", \"T\": \"Titel\"}", {}, "", 100},  // a regional id
        {"de.json", "{\"LanguageName\": \"English\", \"T\": \"Titel\"}", {"language-name"}, "lists this file by that name", 100},
        {"de.json", "{\"T\": \"Titelseite\"}", {"max-length"}, "10 characters, more than the 8 that \"@T\" in en.json", 100},
        {"de.json", "{\"T\": \"Titelseite\", \"@T\": {\"maxLength\": 12}}", {}, "", 100},  // its own note wins
        {"de.json", "{\"T\": \"Titel\", \"@X\": {}}", {"note-key"}, "\"@X\" is about no key", 100},
        {"de.json", "{\"T\": \"Titel\", \"@T\": \"x\"}", {"note"}, "is no object", 100},
        {"de.json", "{\"T\": \"Titel\", \"@T\": {\"maxLength\": \"8\"}}", {"note"}, "no whole number above 0", 100},
        {"de.json", "{\"@@locale\": \"de\", \"T\": \"Titel\"}", {}, "", 100},
        {"de.json", "{\"translation\": {\"T\": \"Titel\"}}", {"nested-root", "missing-key"},
         "inside \"translation\" { }, and the installer reads only the strings at the root", 0},
        {"de.json", "{\"A\": {\"B\": \"x\"}, \"C\": {}}", {"nested-root", "missing-key"}, "and 1 more nested object,", 0},
    };
    for (const auto& c : cases) {
        LanguageFolder folder;
        folder.Write("en.json", english);
        folder.Write(c.file, c.text);
        const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
        EXPECT_EQ(report.englishTexts, 1u);
        ASSERT_EQ(report.files.size(), 2u);
        const bool first = report.files[0].fileName == c.file;
        const FileReport& file = report.files[first ? 0 : 1];
        ExpectKindsAndMessage(file.problems, c.kinds, c.says, c.text);
        EXPECT_EQ(file.translated * 100 / report.englishTexts, c.coverage) << c.text;
        EXPECT_TRUE(report.files[first ? 1 : 0].problems.empty()) << c.text;  // en.json
    }
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

// What a translator must keep stays as it is; only letters change.
TEST(ParluneCheck, PseudoTextsAreAccentedLongerAndBracketed) {
    const std::pair<const char*, const char*> cases[] = {
        {"Next", "[Ñéẋţ]"},
        {"Install {{APP}} now", "[Îñšţáļļ {{APP}} ñöŵ ~~~]"},
        {"&Back", "[&Ɓáçķ]"},
        {" Back\r\n", " [Ɓáçķ]\r\n"},
        {"a\\nb$\\r", "[á\\nƀ$\\r]"},
        {"{{unclosed", "[{{ûñçļöšéð]"},
        {"12", "[12]"},
        {"Click Next to continue, or Cancel to quit.", "[Çļîçķ Ñéẋţ ţö çöñţîñûé, öŕ Çáñçéļ ţö ǫûîţ. ~~~~~~~ ~~~]"},
        {"", ""},
        {"  ", "  "},
    };
    for (const auto& c : cases) EXPECT_EQ(PseudoText(c.first), c.second) << c.first;
}

TEST(ParluneCheck, PseudoLocaleFileFollowsEnJsonThenNsisTexts) {
    const LanguageFileCheck english = CheckLanguageFile(
        "{\"Title\": \"Setup\", \"NsisLanguageId\": \"1033\", \"Count\": 3, \"Quote\": \"\\\"x\\\"\\t\", "
        "\"^nextbtn\": \"Go\", \"@@locale\": \"en\", \"@Title\": {\"maxLength\": 9}}",
        1024);
    const std::string file = PseudoLocaleFile(english);
    EXPECT_EQ(file.find("\"@"), std::string::npos);  // notes stay en.json's
    const std::string fromEnglish = "{\n  \"Title\": \"[Šéţûþ]\",\n  \"NsisLanguageId\": \"1033\",\n  \"Quote\": \"[\\\"ẋ\\\"]\\t\",\n  \"^nextbtn\": \"[Ĝö]\",\n";
    EXPECT_EQ(file.substr(0, fromEnglish.size()), fromEnglish);
    // NSIS's texts that en.json lacks follow, their references and & marks
    // kept; the one it gives is not written twice, the script's name and
    // branding not at all.
    EXPECT_NE(file.find("\"^CancelBtn\": \"[Çáñçéļ]\""), std::string::npos);
    EXPECT_NE(file.find("\"^BackBtn\": \"[< &Ɓáçķ]\""), std::string::npos);
    EXPECT_NE(file.find("\"^UnDirText\": \"[Šéţûþ ŵîļļ ûñîñšţáļļ $(^NameDA) ƒŕöɱ"), std::string::npos);
    EXPECT_NE(file.find("öţĥéŕ ƒöļðéŕ. $_CLICK ~"), std::string::npos);
    EXPECT_NE(file.find("\"^FileError\": \"[Éŕŕöŕ öþéñîñğ ƒîļé ƒöŕ ŵŕîţîñğ: \\r\\n\\r\\n$0\\r\\n"), std::string::npos);
    EXPECT_NE(file.find("\"MUI_BUTTONTEXT_FINISH\": \"[&Ƒîñîšĥ]\""), std::string::npos);
    EXPECT_EQ(file.find("NextBtn\""), std::string::npos);
    EXPECT_EQ(file.find("\"^Name\""), std::string::npos);
    EXPECT_EQ(file.find("\"^Branding\""), std::string::npos);
}

}  // namespace

TEST(ParluneCheck, FilesBeyondTheTableAreReadLikeTheTables) {
    EXPECT_EQ(NsisQuoted("Srpski \"$1\"\n\tx\x01"), "Srpski $\\\"$$1$\\\"$\\n$\\tx");
    LanguageFolder folder;
    folder.Write("en.json", "{\"NsisLanguageId\": \"1033\", \"LanguageName\": \"English\", \"Title\": \"Title\"}");
    folder.Write("notes.json", "{\"LanguageName\": \"never loaded\"}");
    // Files beyond the code table: compared with en.json like the table's,
    // their id and NSIS language from the tables, their name from the file
    // first; two files that set one id are reported.
    folder.Write("de.json", "{\"Title\": \"Titel\"}");
    folder.Write("cy.json", "{\"Title\": \"Teitl\"}");
    folder.Write("de-at.json", "{\"Title\": \"Titel\", \"Extra\": \"x\"}");
    folder.Write("haw.json", "{\"LanguageName\": \"\u02bbŌlelo Hawaiʻi\", \"Title\": \"x\"}");
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    std::vector<std::string> names, languages;
    for (const FileReport& file : report.files) {
        names.push_back(file.baseName + (file.beyondTable ? "*" : ""));
        languages.push_back(file.language);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"cy*", "de-at*", "de", "en", "haw*", ""}));
    EXPECT_EQ(languages, (std::vector<std::string>{"Welsh", "German (de-at)", "German", "English",
                                                   "\xCA\xBB\xC5\x8Clelo Hawai\xCA\xBBi", ""}));
    ASSERT_FALSE(report.files[2].problems.empty());
    EXPECT_EQ(report.files[2].problems[0].kind, "shared-id");
    EXPECT_NE(report.files[2].problems[0].message.find("de.json and de-at.json both set $LANGUAGE to 1031"),
              std::string::npos);
    EXPECT_EQ(Kinds(report.files[1].problems).size(), 1u);  // de-at.json: Extra unknown
}
