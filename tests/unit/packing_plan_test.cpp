// How Parlune.nsh packs a folder: the stand-ins, the map, the dialog's list
// and Modern UI's languages, as the checker plans them, and the include that
// carries them to makensis.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "folder_check.h"
#include "nsis_tables.h"
#include "packing_plan.h"
#include "support/language_folder.h"

namespace {

PackingPlan PlanOf(const LanguageFolder& folder, int minCoverage = -1, bool tables = false) {
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    return PlanPacking(report, minCoverage, tables ? PlanNsisTables(report) : std::vector<NsisTable>(), "nst");
}

std::string Text(const std::vector<PlanMember>& members) {
    std::string text;
    for (const PlanMember& member : members) {
        text += (text.empty() ? "" : ",") + member.key + ":" + member.value;
        if (!member.condition.empty()) text += "?" + member.condition;
    }
    return text;
}

std::vector<std::string> StandIns(const PackingPlan& plan) {
    std::vector<std::string> standIns;
    for (const PlanStandIn& standIn : plan.standIns) {
        standIns.push_back(standIn.fileName + " " + Text(standIn.members) +
                           (standIn.condition.empty() ? "" : " ?" + standIn.condition));
    }
    return standIns;
}

// What the map answers for key when the makensis defines named are defined:
// its first member of that name, as the plug-in reads it.
std::string MapAnswer(const PackingPlan& plan, const std::string& key, const std::set<std::string>& defined = {}) {
    for (const PlanMember& member : plan.map) {
        if (member.key == key && (member.condition.empty() || defined.count(member.condition) != 0)) return member.value;
    }
    return "(none)";
}

void Fill(const LanguageFolder& folder, std::initializer_list<std::pair<const char*, const char*>> files) {
    for (const auto& [name, text] : files) folder.Write(name, text);
}

}  // namespace

// A file of the table stands in with its id: its own NsisLanguageId, else
// its row's first; en.json's goes into the map, which is en.json's stand-in.
// Every NSIS language of the installer without a file gets an extra one, its
// row's first, under the condition that the script has the language.
TEST(PackingPlan, StandInsNameTheFileAndItsIdOrAnNsisLanguageWithout) {
    const LanguageFolder folder;
    Fill(folder, {{"en.json", "{\"Title\": \"T\"}"},
                                          {"de.json", "{\"NsisLanguageId\": \"3079\"}"},
                                          {"fr-ca.json", "{}"},
                                          {"sr-latn.json", "{\"NsisLanguageId\": \"x\"}"}});
    const std::vector<std::string> standIns = StandIns(PlanOf(folder));
    const std::vector<std::string> expected = {
        "de.json ParluneId:3079,ParluneFile:de",
        "extra\\fr.json ParluneId:1036 ?LANG_French",  // fr-ca's row comes later: fr stands for French
        "extra\\sr.json ParluneId:3098 ?LANG_Serbian",  // Cyrillic Serbian is another NSIS language
        "fr-ca.json ParluneId:1036,ParluneFile:fr-ca",
        "sr-latn.json ParluneId:2074,ParluneFile:sr-latn",
    };
    for (const std::string& standIn : expected) {
        EXPECT_NE(std::find(standIns.begin(), standIns.end(), standIn), standIns.end()) << standIn;
    }
    for (const std::string& standIn : standIns) {
        EXPECT_EQ(standIn.find("en.json"), std::string::npos) << standIn;
        EXPECT_EQ(standIn.find("extra\\sr-latn"), std::string::npos) << standIn;  // sr-latn.json stands for it
        EXPECT_EQ(standIn.find("extra\\en-gb"), std::string::npos) << standIn;  // English has en.json
    }
    EXPECT_EQ(MapAnswer(PlanOf(folder), "ParluneFile"), "en");
    EXPECT_EQ(MapAnswer(PlanOf(folder), "ParluneId"), "1033");
}

// An id reads back as the first row that takes it, else the first that
// lists it; a file beyond the table by its tag, its id and the id as NSIS
// finds the user's language; the table's codes answer "-" only then.
TEST(PackingPlan, MapReadsIdsBackAndWeighsFilesBeyondTheTable) {
    const LanguageFolder folder;
    Fill(folder, {{"en.json", "{}"}, {"en-gb.json", "{}"}, {"es-419.json", "{}"},
                                          {"cy.json", "{}"}, {"de-at.json", "{\"NsisLanguageId\": \"3079\"}"}});
    const PackingPlan plan = PlanOf(folder);
    const struct {
        const char* key;
        std::set<std::string> defined;
        const char* answer;
    } cases[] = {
        {"1033", {}, "en"},          // en's first id before en-gb's
        {"2057", {}, "en-gb"},       // a further id
        {"3082", {}, "es-419"},
        {"58378", {}, "es-419"},
        {"1034", {}, "(none)"},      // Spanish without es.json and without the script's Spanish
        {"1034", {"LANG_Spanish"}, "es"},
        {"3082", {"LANG_Spanish"}, "es-419"},  // es-419 takes 3082 first, es only lists it
        {"=cy", {}, "cy"},
        {":cy", {}, "1106"},
        {"=1106", {}, "cy"},
        {"1106", {}, "cy"},
        {"=de-at", {}, "de-at"},
        {":de-at", {}, "3079"},
        {"=EN-US", {}, "-"},
        {"=EN-AU", {}, "-"},
        {"=es-MX", {}, "(none)"},    // the map is read ignoring case; its codes are upper case
        {"=ES-MX", {}, "-"},
    };
    for (const auto& c : cases) EXPECT_EQ(MapAnswer(plan, c.key, c.defined), c.answer) << c.key;
    EXPECT_EQ(plan.beyond, (std::vector<std::string>{"cy", "de-at"}));

    const LanguageFolder tableFiles;
    Fill(tableFiles, {{"en.json", "{}"}, {"de.json", "{}"}});
    const PackingPlan tableOnly = PlanOf(tableFiles);
    EXPECT_EQ(MapAnswer(tableOnly, "=DE"), "(none)");
    EXPECT_TRUE(tableOnly.beyond.empty());
}

// The dialog offers every file, the table's in its order and then those
// beyond it, by the file's LanguageName, else its language's own name; with
// a minimum coverage, a file below it (never en.json) is left out but counted.
TEST(PackingPlan, DialogListsFilesByTheirOwnNamesAboveTheCoverage) {
    const LanguageFolder folder;
    Fill(folder, {{"en.json", "{\"A\": \"a\", \"B\": \"b\"}"},
                                          {"ja.json", "{\"A\": \"\\u3042\"}"},
                                          {"de.json", "{\"LanguageName\": \"Deutsch (Schweiz)\", \"A\": \"x\", \"B\": \"y\"}"},
                                          {"cy.json", "{\"A\": \"x\", \"B\": \"y\"}"}});
    const struct {
        int minCoverage;
        std::vector<std::string> rows, partial;
    } cases[] = {
        {-1, {"de=Deutsch (Schweiz)", "en=English", "ja=日本語", "cy=Cymraeg"}, {}},
        {60, {"de=Deutsch (Schweiz)", "en=English", "cy=Cymraeg"}, {"ja"}},
    };
    for (const auto& c : cases) {
        const PackingPlan plan = PlanOf(folder, c.minCoverage);
        std::vector<std::string> rows;
        for (const PlanDialogRow& row : plan.dialogRows) rows.push_back(row.tag + "=" + row.name);
        EXPECT_EQ(rows, c.rows) << c.minCoverage;
        EXPECT_EQ(plan.partial, c.partial) << c.minCoverage;
        EXPECT_EQ(plan.files, 4u);
    }
}

// Modern UI's languages: English first, each NSIS language a file has once
// with the id the table expects, a file beyond the table's, then the tables
// of their own, whose ids the stand-ins take.
TEST(PackingPlan, ModernUiLanguagesAndOwnTables) {
    const LanguageFolder folder;
    Fill(folder, {{"en.json", "{}"}, {"fr.json", "{}"}, {"fr-ca.json", "{}"},
                                          {"cy.json", "{}"}, {"en-gb.json", "{\"^CancelBtn\": \"Cancel!\"}"},
                                          {"fil.json", "{\"^NextBtn\": \"Susunod\"}"}});
    const PackingPlan plan = PlanOf(folder, -1, true);
    std::vector<std::string> languages;
    for (const PlanMuiLanguage& language : plan.muiLanguages) {
        languages.push_back((language.ownTable ? "own " : "") + language.nsisLanguage + " " + language.tableId);
    }
    EXPECT_EQ(languages, (std::vector<std::string>{"English ", "French 1036", "Welsh ", "own nst_en_gb ",
                                                   "own nst_fil "}));
    const std::vector<std::string> standIns = StandIns(plan);
    EXPECT_NE(std::find(standIns.begin(), standIns.end(), "en-gb.json ParluneId:2057,ParluneFile:en-gb"), standIns.end());
    EXPECT_NE(std::find(standIns.begin(), standIns.end(), "fil.json ParluneId:1124,ParluneFile:fil"), standIns.end());
    EXPECT_EQ(MapAnswer(plan, "1124"), "fil");
}

// The include carries the plan under the names Packing.nsh lists, each
// followed by the plan's number; a condition holds back its member, and the
// stand-in en.json is JSON whichever conditions hold.
TEST(PackingPlan, IncludeUsesTheNamesPackingNshLists) {
    const LanguageFolder folder;
    Fill(folder, {{"en.json", "{\"^CancelBtn\": \"Stop\"}"}, {"cy.json", "{\"LanguageName\": \"Cymraeg \\\"$\\\"\"}"}});
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    const std::vector<NsisTable> tables = PlanNsisTables(report);
    const std::string include =
        PackingPlanInclude(PlanPacking(report, -1, tables, "nst"), 7, NsisTablesInclude(tables, "nst"), "C:\\tmp");

    std::set<std::string> written;
    const std::regex name(R"re(^(?:!define /redef|!macro) (_\w+?_)(?:7|English)\b)re");
    std::istringstream lines(include);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_search(line, m, name)) written.insert(m[1]);
    }
    // the list in Packing.nsh's opening comment
    std::set<std::string> listed;
    std::ifstream packing(PARLUNE_INCLUDE_DIR "/Parlune/Packing.nsh");
    const std::regex entry(R"re((_\w+?_)[NX]\b)re");
    for (std::string line; std::getline(packing, line) && line.rfind(";", 0) == 0;) {
        for (std::sregex_iterator m(line.begin(), line.end(), entry), end; m != end; ++m) listed.insert((*m)[1]);
    }
    EXPECT_EQ(written, listed);
    EXPECT_EQ(written, (std::set<std::string>{plan_names::kFiles, plan_names::kBeyond, plan_names::kPartial,
                                              plan_names::kStandIns, plan_names::kDialogRows,
                                              plan_names::kMuiLanguages, "_ParluneNsisBefore_",
                                              "_ParluneNsisAfter_"}));
    EXPECT_NE(include.find("  Push \"cy\"\n  Push \"Cymraeg $\\\"$$$\\\"\"\n"), std::string::npos) << include;

    // the map's pieces, with and without the script's languages
    for (const bool languages : {false, true}) {
        std::string map;
        bool held = false;
        std::istringstream text(include);
        for (std::string line; std::getline(text, line);) {
            if (line.find("!ifdef LANG_") != std::string::npos) held = !languages;
            if (line.find("!endif") != std::string::npos) held = false;
            const std::size_t piece = line.find("_ParluneMapPiece `");
            if (piece != std::string::npos && !held) map += line.substr(piece + 18, line.size() - piece - 19);
        }
        EXPECT_EQ(map.front(), '{');
        EXPECT_EQ(map.back(), '}');
        EXPECT_EQ(map.find(",,"), std::string::npos);
        EXPECT_EQ(map.find("{,"), std::string::npos);
        EXPECT_NE(map.find("\"=cy\":\"cy\""), std::string::npos) << map;
        EXPECT_EQ(map.find("\"1025\":\"ar\"") != std::string::npos, languages) << map;
    }
}
