// What the tools know of a language: its names, NSIS's id and language.
#pragma once

#include <string>
#include <vector>

// The English name of the language a file base name stands for, for example
// "German" for "de" or "Welsh" for "cy"; empty for a name that is no
// language file's.
std::string LanguageName(const std::string& baseName);

// True for a language tag in lower case that no code of the plug-in's table
// selects a file by ("cy", "de-at", "haw"): the name of a language file that
// Parlune.nsh finds by the tag itself. Letters, digits and "-"; the first
// subtag 2 or 3 letters, each further one 1 to 8 letters or digits.
bool IsTagBeyondTable(const std::string& tag);

struct TagLanguage {
    std::string englishName;   // "Welsh", "German (de-AT)"; empty when unknown
    std::string ownName;       // "Cymraeg", "Deutsch (de-AT)"; empty when unknown
    std::string nsisId;        // the id $LANGUAGE takes; empty where NSIS lacks the language
    std::string nsisLanguage;  // NSIS's name of it ("Welsh"); empty where NSIS lacks it
    std::string rowIds;        // every id of the tag's own row ("1033 2057"), else empty
};

// What is known of a file tag's language: its own row of either table, else
// the row of its less specific forms (the tag before its last "-", then its
// first), its names marked with the tag itself.
TagLanguage LanguageOfTag(const std::string& tag);

// The tags of the rows of either table that list the NSIS id ("1033": en,
// en-gb, en-xm), in the tables' order.
std::vector<std::string> TagsOfNsisId(const std::string& id);

// A row of the language table (languages.txt), in its order, as
// ParluneLanguages.nsh lists it for installer scripts.
struct TableRow {
    std::string tag;                 // the file's base name
    std::string ownName;             // for the language dialog
    std::vector<std::string> ids;    // NSIS ids; the first is the one $LANGUAGE takes
    std::string nsisLanguage;        // NSIS's name of it; empty where NSIS lacks it
    std::vector<std::string> codes;  // the codes that select the file, upper case
};
const std::vector<TableRow>& TableRows();

// The tag's language subtag: "de" for "de-at".
inline std::string PrimarySubtag(const std::string& tag) { return tag.substr(0, tag.find('-')); }
