// parlune-import: how LangString lines are found, what their texts become,
// which file each language goes to, and the files written from them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ansi_texts.h"
#include "langstring_reader.h"
#include "language_file_check.h"
#include "language_files_import.h"
#include "nsis_languages.h"
#include "nsis_text.h"
#include "script_encoding.h"

namespace {

TEST(ParluneImport, LangStringLinesAreSplitAsMakensisSplitsThem) {
    struct Case {
        const char* script;
        std::vector<std::string> name_language_text;  // empty: no LangString found
        std::size_t line;
    };
    const Case cases[] = {
        {"LangString Title ${LANG_GERMAN} \"Willkommen\"", {"Title", "${LANG_GERMAN}", "Willkommen"}, 1},
        {"  langstring Title 1031 'Sag \"Hallo\"' ; comment", {"Title", "1031", "Sag \"Hallo\""}, 1},
        {"LangString Title 1031 `It's \"here\"`", {"Title", "1031", "It's \"here\""}, 1},
        {"LangString Title 1031 \"a $\\\"quoted$\\\" word\"", {"Title", "1031", "a $\\\"quoted$\\\" word"}, 1},
        {"LangString Title 1031 Unquoted", {"Title", "1031", "Unquoted"}, 1},
        {"\n\nLangString Title \\\r\n  1031 \"one \\\r\ntwo\"\r\n", {"Title", "1031", "one two"}, 3},
        {"; LangString Title 1031 \"commented out\"", {}, 0},
        {"# LangString Title 1031 \"commented \\\nLangString Still 1031 \\\"comment\\\"\"", {}, 0},
        {"/* LangString Title 1031 \"x\"\nLangString Title 1031 \"y\" */", {}, 0},
        {"/* note */ LangString Title 1031 \"z\"", {"Title", "1031", "z"}, 1},
        {"LangStringUP Title 1031 \"x\"", {}, 0},
        {"LangString Req 1031 \"zwingend \\\n\t  erforderlich\"", {"Req", "1031", "zwingend erforderlich"}, 1},
        {"!define L ${LANG_GERMAN}\n!define P Tally\nLangString T ${L} \"${P} $${P}\"",
         {"T", "${LANG_GERMAN}", "Tally $${P}"}, 3},
        {"!if 0\nLangString T 1031 \"never\"\n!else\nLangString T 1031 \"else\"\n!endif", {"T", "1031", "else"}, 4},
        {"!define A\n!ifndef A\nLangString T 1031 \"x\"\n!else ifdef A\nLangString T 1031 \"y\"\n!endif",
         {"T", "1031", "y"}, 5},
        {"!insertmacro LANGFILE_EXT German\n${LangFileString} Hi \"Hallo\"", {"Hi", "${LANG_German}", "Hallo"}, 2},
        {"!macro M L\nLangString T ${LANG_${L}} \"x\"\n!macroend", {}, 0},
    };
    for (const Case& c : cases) {
        const ScriptLangStrings found = ReadLangStrings(c.script);
        EXPECT_TRUE(found.malformedLines.empty()) << c.script;
        if (c.name_language_text.empty()) {
            EXPECT_TRUE(found.langStrings.empty()) << c.script;
            continue;
        }
        ASSERT_EQ(found.langStrings.size(), 1u) << c.script;
        const LangStringLine& line = found.langStrings[0];
        EXPECT_EQ((std::vector<std::string>{line.name, line.language, line.text}), c.name_language_text) << c.script;
        EXPECT_EQ(line.line, c.line) << c.script;
    }
    const ScriptLangStrings others =
        ReadLangStrings("x\nLangString OnlyName 1031\nLangString A 1 \"b\" extra\nLicenseLangString L 1033 \"l.txt\"");
    EXPECT_EQ(others.malformedLines, (std::vector<std::size_t>{2, 3}));
    EXPECT_EQ(others.licenseLines, (std::vector<std::size_t>{4}));

    // What makensis refuses, and what only makensis can see, each with its line.
    const ScriptLangStrings source = ReadLangStrings(
        "!include x.nsh\n!macro M\nLangString A 1 \"a\"\n!macroend\n!if ${UNKNOWN} > 1\n!endif\n"
        "LangString B 1033 \"open\n");
    EXPECT_EQ(source.includeLines, (std::vector<std::size_t>{1}));
    EXPECT_EQ(source.macroLangStringLines, (std::vector<std::size_t>{3}));
    EXPECT_EQ(source.unevaluatedConditions, (std::vector<std::size_t>{5}));
    ASSERT_EQ(source.errors.size(), 1u);
    EXPECT_EQ(source.errors[0].line, 7u);
    EXPECT_EQ(ReadLangStrings("LangString A 1033 \"x\"\rLangString B 1033 \"y\"\r").errors.size(), 1u);

    // A later file sees an earlier one's defines, as an include sees its script's.
    ScriptDefines defines;
    ReadLangStrings("!define PRODUCT Tally", ScriptForm::Source, &defines);
    EXPECT_EQ(ReadLangStrings("LangString T 1036 \"${PRODUCT}\"", ScriptForm::Source, &defines).langStrings[0].text,
              "Tally");

    // makensis's output: its line breaks inside quotes are the text's own.
    const ScriptLangStrings preprocessed =
        ReadLangStrings("LangString \"A\" \"${LANG_English}\" \"one\r\ntwo\"\r\nLangString B 1033 'x'\n",
                        ScriptForm::Preprocessed);
    ASSERT_EQ(preprocessed.langStrings.size(), 2u);
    EXPECT_EQ(preprocessed.langStrings[0].text, "one\r\ntwo");
    EXPECT_EQ(preprocessed.langStrings[1].quote, '\'');
}

TEST(ParluneImport, EscapesBecomeCharactersAndReferencesPlaceholders) {
    struct Case {
        const char* written;
        const char* text;
        std::vector<std::string> references;
    };
    const Case cases[] = {
        {"Line$\\r$\\nnext$\\ttab", "Line\r\nnext\ttab", {}},
        {"$\\\"q$\\\" $\\'s$\\' $\\`b$\\`", "\"q\" 's' `b`", {}},
        {"costs $$5, 100$$", "costs $5, 100$", {}},
        {"in $INSTDIR.", "in {{INSTDIR}}.", {"$INSTDIR"}},
        {"$(^Name) by ${COMPANY} for $%USERNAME%", "{{Name}} by {{COMPANY}} for {{USERNAME}}",
         {"$(^Name)", "${COMPANY}", "$%USERNAME%"}},
        {"$0 and $R1 and $My.Var! $0 again", "{{0}} and {{R1}} and {{My.Var}}! {{0}} again",
         {"$0", "$R1", "$My.Var"}},
        {"${LANG_${X}}", "{{LANG_${X}}}", {"${LANG_${X}}"}},
        {"a lone $ sign, $\\q, $( and ${ and $", "a lone $ sign, $\\q, $( and ${ and $", {}},
    };
    for (const Case& c : cases) {
        const ConvertedText converted = ConvertNsisText(c.written);
        EXPECT_EQ(converted.text, c.text) << c.written;
        std::vector<std::string> references;
        for (const Placeholder& placeholder : converted.placeholders) references.push_back(placeholder.reference);
        EXPECT_EQ(references, c.references) << c.written;
    }
}

TEST(ParluneImport, LanguagesGoToTheFileTheScriptsTableGivesThem) {
    struct Case {
        const char* argument;
        const char* tag;  // "" for skipped
        const char* id;
    };
    const Case cases[] = {
        {"${LANG_ENGLISH}", "en", "1033"},          {"${LANG_GERMAN}", "de", "1031"},
        {"${LANG_SIMPCHINESE}", "zh-cn", "2052"},   {"${LANG_SERBIANLATIN}", "sr-latn", "2074"},
        {"${LANG_SPANISHINTERNATIONAL}", "es-419", "3082"}, {"3082", "es-419", "3082"},
        {"1033", "en", "1033"},                     {"01031", "de", "1031"},
        {"2057", "en-gb", "1033"},                  {"9242", "sr-latn", "2074"},
        {"${LANG_WELSH}", "cy", "1106"},            {"1106", "cy", "1106"},
        {"${LANG_NorwegianNynorsk}", "nn", "2068"}, {"${LANG_KLINGON}", "", ""},
        {"0", "", ""},                              {"${LANG_-}", "", ""},
        {"${LANG}", "", ""},                        {"99999999", "", ""},
        {"${LANG_German}", "de", "1031"},           {"${LANG_russian}", "ru", "1049"},
    };
    for (const Case& c : cases) {
        const ImportLanguage language = LanguageOfArgument(c.argument);
        EXPECT_EQ(language.tag, c.tag) << c.argument;
        EXPECT_EQ(language.id, c.id) << c.argument;
    }
}

TEST(ParluneImport, ScriptsAreReadInMakensissEncodingsOnly) {
    struct Case {
        std::string bytes;
        int codePage;
        bool read;
        const char* utf8;  // or a piece of the complaint
    };
    const Case cases[] = {
        {"Gr\xC3\xBC\xC3\x9F" "e", 0, true, "Gr\xC3\xBC\xC3\x9F" "e"},
        {"\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e", 0, true, "Gr\xC3\xBC\xC3\x9F" "e"},
        {std::string("\xFF\xFEG\0\xFC\0\x3D\xD8\x00\xDE", 10), 0, true, "G\xC3\xBC\xF0\x9F\x98\x80"},
        {std::string("G\0\xFC\0", 4), 0, true, "G\xC3\xBC"},
        {std::string("\xFF\xFEG\0\n\0x\0\x3D\xD8", 10), 0, false, "line 2, character 2 is half of a surrogate pair"},
        {std::string("\xFF\xFEG\0x", 5), 0, false, "half a character"},
        {std::string("\xFE\xFF\0G", 4), 0, false, "UTF-16BE"},
        {"ok\nGr\xFC" "e", 0, true, "ok\nGr\xEF\x9F\xBC" "e"},  // ANSI: the byte marked, for its language
        {"Gr\xFC\xDF" "e \x80", 1252, true, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"},
        {"\xC4\xEE", 1251, true, "\xD0\x94\xD0\xBE"},
        {"\x81", 1251, true, "\xD0\x83"},
        {"\x81\x20", 932, false, "no text in code page 932"},
        {std::string("a\nb\0", 4), 0, false, "line 2 holds a zero character"},
    };
    for (const Case& c : cases) {
        std::string utf8, complaint;
        EXPECT_EQ(DecodeScript(c.bytes, c.codePage, utf8, complaint), c.read) << c.bytes;
        if (c.read) EXPECT_EQ(utf8, c.utf8);
        else EXPECT_NE(complaint.find(c.utf8), std::string::npos) << complaint;
    }
}

// An ANSI text's bytes decoded in its language's code page, with the ASCII
// around them (Shift-JIS's second bytes include "\\").
TEST(ParluneImport, AnsiTextsTakeTheirLanguagesCodePage) {
    struct Case {
        std::string bytes;
        const char* id;
        bool decoded;
        const char* utf8;
    };
    const Case cases[] = {
        {"Gr\xFC\xDF" "e \x80", "1031", true, "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"},
        {"\xC4\xEE \xF1\xE2", "1049", true, "\xD0\x94\xD0\xBE \xD1\x81\xD0\xB2"},
        {"\x95\\\x8E\xA6", "1041", true, "\xE8\xA1\xA8\xE7\xA4\xBA"},
        {"\xFD", "1055", true, "\xC4\xB1"},
        {"plain", "1067", true, "plain"},
        {"\xE0", "1067", false, ""},   // Armenian: NSIS names no ANSI code page
        {"\xE0", "12345", false, ""},  // not NSIS's
        {"\x81\x20", "1041", false, ""},
    };
    for (const Case& c : cases) {
        const std::string marked = MarkAnsiBytes(c.bytes);
        EXPECT_EQ(HasAnsiMarks(marked), c.bytes != "plain") << c.id;
        std::string decoded;
        EXPECT_EQ(DecodeAnsiMarks(marked, AnsiCodePageOfLanguage(c.id), decoded), c.decoded) << c.id;
        if (c.decoded) {
            EXPECT_EQ(decoded, c.utf8) << c.id;
        }
    }
    // Unicode beside the marks stays as it is.
    std::string mixed;
    EXPECT_TRUE(DecodeAnsiMarks("\xE2\x82\xAC " + MarkAnsiBytes("\x80"), 1252, mixed));
    EXPECT_EQ(mixed, "\xE2\x82\xAC \xE2\x82\xAC");
}

// The code pages are NSIS's own: each .nlf NSIS installs names the same.
TEST(ParluneImport, AnsiCodePagesAreThoseOfNsissLanguageFiles) {
    const std::filesystem::path folder = "/usr/share/nsis/Contrib/Language files";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no NSIS language files here";
    std::size_t compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".nlf") continue;
        std::ifstream in(entry.path());
        std::string line, id, codePage;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind("# Language ID", 0) == 0) std::getline(in, id);
            if (line.rfind("# Codepage", 0) == 0) std::getline(in, codePage);
        }
        if (!id.empty() && id.back() == '\r') id.pop_back();
        if (!codePage.empty() && codePage.back() == '\r') codePage.pop_back();
        const int expected = codePage == "-" ? 1252 : codePage == "1200" ? 0 : std::atoi(codePage.c_str());
        EXPECT_EQ(AnsiCodePageOfLanguage(id), expected) << entry.path().filename();
        ++compared;
    }
    EXPECT_EQ(compared, 67u);
}

TEST(ParluneImport, FilesKeepNsissDefinitionsInFirstOrderAndPassTheCheck) {
    const std::vector<ScriptSource> scripts = {
        {"a.nsi",
         "LangString Title ${LANG_GERMAN} \"Willkommen bei ${PRODUCT}\"\n"
         "LangString Title ${LANG_ENGLISH} \"Welcome to ${PRODUCT}\"\n"
         "LangString Done ${LANG_ENGLISH} \"Installed in $INSTDIR$\\r$\\n\"\n"
         "LangString Title ${LANG_GERMAN} \"Willkommen zu ${PRODUCT}\"\n"
         "LangString Title ${LANG_KLINGON} \"nuqneH\"\n"
         "LangString Done ${LANG_KLINGON} \"rIn\"\n"
         "LangString ^SetupCaption ${LANG_ENGLISH} 'Set up \"$(^Name)\" for 5$$'\n"
         "LangString ^Name ${LANG_GERMAN} 'Zählung'\n"
         "LangString MUI_TEXT ${LANG_ENGLISH} \"NSIS's own\"\n",
         ScriptForm::Source,
         {"MUI_TEXT"}},
        {"b.nsh",
         "LangString TITLE ${LANG_ENGLISH} \"Case differs\"\n"
         "LangString Done 1031 \"Installiert in $INSTDIR\"\n"
         "LangString Broken 1031\n",
         ScriptForm::Source,
         {}},
    };
    const LanguageImport result = ImportLangStrings(scripts);
    EXPECT_EQ(result.langStrings, 12u);
    EXPECT_EQ(result.imported, 5u);
    EXPECT_EQ(result.keys, 4u);  // NsisLanguageId too, as parlune-check counts
    EXPECT_EQ(result.files[0].keys, 4u);
    EXPECT_EQ(result.nsisTexts, 1u);
    // NSIS's own texts go into the files as plain text with NSIS's
    // references; the script's name, which no file gives, stays with it.
    EXPECT_EQ(OverridesIncludeText(result.overrides).substr(result.overrides.empty() ? 0 : 3),
              "; NSIS's own texts as the scripts set them, kept by parlune-import:\n"
              "; !include this file after the languages are loaded.\n"
              "LangString ^Name ${LANG_GERMAN} 'Zählung'\n");
    ASSERT_EQ(result.files.size(), 2u);
    ASSERT_NE(result.English(), nullptr);
    EXPECT_EQ(result.files[1].tag, "de");
    EXPECT_EQ(LanguageFileText(result.files[0]),
              "{\n  \"NsisLanguageId\": \"1033\",\n  \"Title\": \"Welcome to {{PRODUCT}}\",\n"
              "  \"Done\": \"Installed in {{INSTDIR}}\\r\\n\",\n"
              "  \"^SetupCaption\": \"Set up \\\"$(^Name)\\\" for 5$\"\n}\n");
    EXPECT_EQ(result.files[1].texts,
              (std::vector<std::pair<std::string, std::string>>{{"Title", "Willkommen zu {{PRODUCT}}"},
                                                               {"Done", "Installiert in {{INSTDIR}}"}}));

    std::vector<std::string> skipped;
    for (const ImportNote& note : result.skipped) skipped.push_back(note.script + ":" + std::to_string(note.line));
    EXPECT_EQ(skipped, (std::vector<std::string>{"a.nsi:1", "b.nsh:1", "b.nsh:3", "a.nsi:5"}));
    EXPECT_NE(result.skipped[3].message.find("2 texts skipped: no language tag is known for LANG_KLINGON"),
              std::string::npos) << result.skipped[3].message;

    std::vector<std::string> placeholders;
    for (const PlaceholderToFill& fill : result.placeholders) {
        placeholders.push_back(fill.script + ":" + std::to_string(fill.line) + " " + fill.key + " " +
                               fill.placeholder.reference);
    }
    EXPECT_EQ(placeholders, (std::vector<std::string>{"a.nsi:2 Title ${PRODUCT}", "a.nsi:3 Done $INSTDIR"}));

    for (const ImportedFile& file : result.files) {
        const LanguageFileCheck check = CheckLanguageFile(LanguageFileText(file), 1024);
        EXPECT_TRUE(check.readable) << file.tag;
        EXPECT_TRUE(check.problems.empty()) << file.tag << ": " << check.problems[0].message;
    }
}

}  // namespace
