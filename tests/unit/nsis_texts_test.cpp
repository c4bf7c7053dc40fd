// NSIS's and Modern UI's own texts from language files: reading NSIS's
// files, writing texts for makensis, the tables a folder's files go into,
// and what the checker says about such texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "file_reading.h"
#include "folder_check.h"
#include "nsis_language_files.h"
#include "nsis_tables.h"
#include "support/language_folder.h"

namespace {

const std::string kNsisDir = PARLUNE_NSIS_DIR;
const std::string kNsisLanguageFiles = kNsisDir + "/Contrib/Language files";

std::vector<std::string> EnglishNlfNames() {
    std::vector<std::string> names;
    for (const NsisText& text : ReadNlf(EmbeddedEnglishNlf()).texts) names.push_back(text.name);
    return names;
}

std::vector<std::string> Kinds(const FileReport& file) {
    std::vector<std::string> kinds;
    for (const Problem& problem : file.problems) kinds.push_back(problem.kind);
    return kinds;
}

const FileReport& File(const FolderReport& report, const std::string& name) {
    return *std::find_if(report.files.begin(), report.files.end(),
                         [&](const FileReport& file) { return file.fileName == name; });
}

}  // namespace

// Every .nlf NSIS installs holds the texts English.nlf names, by position;
// the embedded English is whole, in plain text, without the script's own.
TEST(NsisTexts, NsisLanguageFilesReadWholeAndPlain) {
    const std::vector<std::string> names = EnglishNlfNames();
    ASSERT_EQ(names.size(), 89u);
    std::size_t languages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kNsisLanguageFiles)) {
        if (entry.path().extension() != ".nlf") continue;
        std::string bytes, reason;
        ASSERT_TRUE(ReadWholeFile(entry.path().u8string(), bytes, reason)) << reason;
        const NlfFile nlf = ReadNlf(bytes, &names);
        EXPECT_TRUE(nlf.complete) << entry.path();
        EXPECT_NE(nlf.lines[nlf.idLine].find_first_of("0123456789"), std::string::npos) << entry.path();
        ++languages;
    }
    EXPECT_GE(languages, 67u);

    const struct {
        const char* name;
        const char* plain;
    } cases[] = {
        {"^NextBtn", "&Next >"},
        {"^nextbtn", "&Next >"},
        {"^Kilo", " K"},                 // the quotes that keep its space are the file's, not the text's
        {"^Rename", "Rename: "},
        {"^FileError_NoIgnore", "Error opening file for writing: \r\n\r\n$0\r\n\r\nClick Retry to try again, or\r\nCancel to stop the installation."},
        {"MUI_BUTTONTEXT_FINISH", "&Finish"},
        {"MUI_INNERTEXT_COMPONENTS_DESCRIPTION_INFO", "Position your mouse over a component to see its description."},
        {"MUI_UNTEXT_WELCOME_INFO_TEXT", "Setup will guide you through the uninstallation of $(^NameDA).\r\n\r\nBefore starting the uninstallation, make sure $(^NameDA) is not running.\r\n\r\n$_CLICK"},
        {"^Name", nullptr},
        {"^Branding", nullptr},
        {"^NxtBtn", nullptr},
    };
    for (const auto& c : cases) {
        const NsisText* text = FindNsisText(c.name);
        if (c.plain == nullptr) {
            EXPECT_EQ(text, nullptr) << c.name;
        } else {
            ASSERT_NE(text, nullptr) << c.name;
            EXPECT_EQ(text->plain, c.plain) << c.name;
        }
    }
}

// What a translator writes is what the installer shows: every "$" escaped
// but the references NSIS's English carries.
TEST(NsisTexts, PlainTextBecomesAnNsisString) {
    const struct {
        const char* plain;
        std::vector<std::string> references;
        const char* nsis;
    } cases[] = {
        {"$(^NameDA) kostet 5$", {"$(^NameDA)"}, "$(^NameDA) kostet 5$$"},
        {"$(^Name) ${PRODUCT} $INSTDIR $0", {"$(^NameDA)"}, "$$(^Name) $${PRODUCT} $$INSTDIR $$0"},
        {"Fehler:\r\n$0\t\"x\"", {"$0"}, "Fehler:$\\r$\\n$0$\\t$\\\"x$\\\""},
        {"$_CLICK$_CLICK $R1", {"$_CLICK"}, "$_CLICK$_CLICK $$R1"},
        {"trailing $", {"$(^NameDA)"}, "trailing $$"},
        {"bell\x07 %s", {}, "bell %s"},
    };
    for (const auto& c : cases) EXPECT_EQ(NsisStringOf(c.plain, c.references), c.nsis) << c.plain;
    EXPECT_EQ(NsisReferences("$(^NameDA) $_CLICK $0 $R9 $$ $INSTDIR $("),
              (std::vector<std::string>{"$(^NameDA)", "$_CLICK", "$0", "$R9"}));
}

// Which table each file's texts go into, and the id of a table of its own.
TEST(NsisTexts, FilesOwnTheirLanguageTableOrGetOneOfTheirOwn) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"^NextBtn\": \"Onward >\", \"^CancelBtn\": \"Stop\", \"Title\": \"T\"}");
    folder.Write("de.json", "{\"MUI_BUTTONTEXT_FINISH\": \"&Fertig\"}");
    folder.Write("de-at.json", "{\"^NextBtn\": \"&Weiter >\"}");
    folder.Write("en-gb.json", "{\"NsisLanguageId\": \"1033\", \"^CancelBtn\": \"Cancel!\"}");
    folder.Write("en-xm.json", "{\"NsisLanguageId\": \"1033\", \"^CancelBtn\": \"[Çáñçéļ]\"}");
    folder.Write("fr-ca.json", "{\"^NextBtn\": \"&Suivant >\"}");  // French's only file: French's table
    folder.Write("fil.json", "{\"^NextBtn\": \"&Susunod >\"}");
    folder.Write("ur.json", "{\"NsisLanguageId\": \"1124\", \"Title\": \"ع\", \"^BackBtn\": \"< &پیچھے\"}");
    folder.Write("kgp.json", "{\"^BackBtn\": \"<\"}");
    folder.Write("ja.json", "{\"Title\": \"t\"}");  // no texts for NSIS's own: no table
    const std::vector<NsisTable> tables = PlanNsisTables(CheckFolder(folder.path().u8string(), 1024));

    const struct {
        const char* tag;
        const char* language;
        const char* id;  // "" for the language's own table
        bool rightToLeft;
        std::size_t texts;
    } expected[] = {
        {"de", "German", "", false, 1},
        {"en", "English", "", false, 2},
        {"en-gb", "English", "2057", false, 1},      // its row's further id
        {"en-xm", "English", "1281", false, 1},      // Windows's, as 1033 is English's
        {"fil", "English", "1124", false, 2},        // en.json's texts under its own
        {"fr-ca", "French", "", false, 1},
        {"kgp", "English", "512", false, 3},         // no Windows id: the custom range
        {"ur", "English", "1056", true, 3},          // its own id is Filipino's table's
        {"de-at", "German", "513", false, 1},
    };
    ASSERT_EQ(tables.size(), std::size(expected));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const NsisTable& table = tables[i];
        EXPECT_EQ(table.tag, expected[i].tag);
        EXPECT_EQ(table.nsisLanguage, expected[i].language) << table.tag;
        EXPECT_EQ(table.own, *expected[i].id != '\0') << table.tag;
        EXPECT_EQ(table.id, expected[i].id) << table.tag;
        EXPECT_EQ(table.rightToLeft, expected[i].rightToLeft) << table.tag;
        EXPECT_EQ(table.texts.size(), expected[i].texts) << table.tag;
    }
    EXPECT_EQ(tables[4].texts.front().plain, "&Susunod >");  // the file's over en.json's
}

// The include puts Modern UI's texts before their language and NSIS's
// after it; an own table's .nlf and .nsh are NSIS's with its id and names.
TEST(NsisTexts, TablesAreWrittenForMakensis) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"Title\": \"T\"}");
    folder.Write("de.json", "{\"MUI_BUTTONTEXT_FINISH\": \"&Fertig $1\", \"^CancelBtn\": \"\\\"Nein\\\"\"}");
    folder.Write("ur.json", "{\"^NextBtn\": \"اگلا >\"}");
    const std::vector<NsisTable> tables = PlanNsisTables(CheckFolder(folder.path().u8string(), 1024));
    LanguageFolder out;
    ASSERT_EQ(WriteNsisTables(tables, kNsisDir, out.path().u8string(), "nstX1"), "");

    std::string nlf, nsh, reason;
    const std::string text = NsisTablesInclude(tables, "nstX1");
    EXPECT_EQ(text.substr(text.find("!macro _ParluneNsisBefore_German")),
              "!macro _ParluneNsisBefore_German\n"
              "  !define /redef MUI_BUTTONTEXT_FINISH \"&Fertig $$1\"\n"
              "!macroend\n"
              "!macro _ParluneNsisAfter_German\n"
              "  !ifdef MUI_BUTTONTEXT_FINISH\n    !undef MUI_BUTTONTEXT_FINISH\n  !endif\n"
              "  LangString ^CancelBtn ${LANG_German} \"$\\\"Nein$\\\"\"\n"
              "!macroend\n"
              "!macro _ParluneNsisBefore_nstX1_ur\n!macroend\n"
              "!macro _ParluneNsisAfter_nstX1_ur\n"
              "  LangString ^NextBtn ${LANG_nstX1_ur} \"اگلا >\"\n"
              "!macroend\n");
    ASSERT_TRUE(ReadWholeFile((out.path() / "nstX1_ur.nlf").u8string(), nlf, reason));
    ASSERT_TRUE(ReadWholeFile((out.path() / "nstX1_ur.nsh").u8string(), nsh, reason));
    const std::vector<std::string> names = EnglishNlfNames();
    const NlfFile table = ReadNlf(nlf, &names);
    EXPECT_TRUE(table.complete);
    EXPECT_EQ(table.lines[table.idLine], "1056");
    EXPECT_EQ(table.lines[table.rtlLine], "RTL");
    EXPECT_EQ(nlf.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(nsh.find("\r\n!insertmacro LANGFILE \"nstX1_ur\" \"Urdu\" \"اردو\" =\r\n"), std::string::npos);
    EXPECT_EQ(nsh.find("LANGFILE \"English\""), std::string::npos);

    const std::string failure = WriteNsisTables(tables, out.path().u8string(), out.path().u8string(), "nstX1");
    EXPECT_NE(failure.find("cannot read NSIS's English language files"), std::string::npos) << failure;
}

// The checker: names NSIS knows, the references and & marks of NSIS's
// English (or en.json's own text for it), and an id of another language.
TEST(NsisTexts, CheckerWarnsWhatTheInstallerWouldShowWrong) {
    LanguageFolder folder;
    folder.Write("en.json", "{\"NsisLanguageId\": \"1033\", \"Title\": \"T\", \"^CancelBtn\": \"&Stop\"}");
    folder.Write("fil.json",
                 "{\"Title\": \"T\",\n"
                 "\"^NxtBtn\": \"x\",\n"
                 "\"^Branding\": \"x\",\n"
                 "\"^DirText\": \"I-install sa {{DIR}}\",\n"
                 "\"^CancelBtn\": \"Kanselahin\",\n"
                 "\"MUI_TEXT_WELCOME_INFO_TITLE\": \"Maligayang pagdating sa $(^NameDA)\",\n"
                 "\"NsisLanguageId\": \"1031\"}");  // a language NSIS lacks may name its nearest
    folder.Write("de.json", "{\"Title\": \"T\",\n\"NsisLanguageId\": \"1033\"}");
    folder.Write("en-xm.json", "{\"Title\": \"T\", \"NsisLanguageId\": \"1033\", \"^NextBtn\": \"[&Ñéẋţ >]\"}");
    const FolderReport report = CheckFolder(folder.path().u8string(), 1024);
    const FileReport& fil = File(report, "fil.json");
    EXPECT_EQ(Kinds(fil), (std::vector<std::string>{"nsis-text-name", "nsis-text-name", "nsis-reference",
                                                     "nsis-reference", "placeholder", "accelerator"}));
    EXPECT_NE(fil.problems[0].message.find("did you mean ^NextBtn?"), std::string::npos);
    EXPECT_NE(fil.problems[1].message.find("BrandingText"), std::string::npos);
    const FileReport& german = File(report, "de.json");
    EXPECT_EQ(Kinds(german), (std::vector<std::string>{"nsis-language-id"}));
    EXPECT_NE(german.problems[0].message.find("is English's"), std::string::npos);
    EXPECT_NE(german.problems[0].message.find("give \"1031\" or leave it out"), std::string::npos);
    EXPECT_EQ(german.problems[0].severity, Severity::Error);
    // NSIS's texts count apart from the script's.
    EXPECT_EQ(fil.texts, 4u);
    EXPECT_EQ(fil.nsisTexts.size(), 3u);
    EXPECT_EQ(report.englishTexts, 1u);  // NsisLanguageId is no text to translate
    EXPECT_TRUE(Kinds(File(report, "en-xm.json")).empty());
}
