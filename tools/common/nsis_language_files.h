// NSIS's own language files: a language's .nlf (NSIS's texts, read by
// position) and its Modern UI .nsh (Modern UI's texts, one LangFileString
// line each), and their texts as plain text, the way a language file holds
// them.
#pragma once

#include <string>
#include <vector>

struct NsisText {
    std::string name;   // "^NextBtn", "MUI_TEXT_WELCOME_INFO_TITLE"
    std::string plain;  // what the installer shows, its references kept ("$(^NameDA)")
};

struct NlfFile {
    std::vector<std::string> lines;  // the file's lines, without a byte-order mark
    std::size_t idLine = 0;          // index in lines of the language id
    std::size_t rtlLine = 0;         // of the RTL field
    std::vector<NsisText> texts;     // in the file's order
    bool complete = false;           // the header and as many texts as names
};

// The lines of a text file, without a byte-order mark and line ends.
std::vector<std::string> TextLines(const std::string& bytes);

// names: the texts' names in order; English.nlf's comments give them.
NlfFile ReadNlf(const std::string& bytes, const std::vector<std::string>* names = nullptr);
// Modern UI's texts in a language .nsh, each name once (its first line).
std::vector<NsisText> ReadModernUiTexts(const std::string& bytes);

// An NSIS string's inside as plain text: $\r $\n $\t, escaped quotes and
// $$ give their characters; references stay.
std::string PlainFromNsisString(const std::string& raw);

// The references in an NSIS text that NSIS fills in when it shows it:
// "$(^NameDA)", "$_CLICK", "$0".
std::vector<std::string> NsisReferences(const std::string& plain);
// The length of the reference that starts at plain[at], a "$"; 0 for none.
std::size_t NsisReferenceLength(const std::string& plain, std::size_t at);
// A plain text as an NSIS string's inside: every "$" escaped, except where
// one of references starts.
std::string NsisStringOf(const std::string& plain, const std::vector<std::string>& references);

// NSIS's English texts that a language file can give: the .nlf's but the
// name and the branding, then Modern UI's.
const std::vector<NsisText>& NsisEnglishTexts();
// The English text of that name, compared ignoring ASCII case; null for none.
const NsisText* FindNsisText(const std::string& name);
// Whether the name is of Modern UI's .nsh rather than the .nlf.
bool IsModernUiText(const NsisText& text);
// English.nlf's and English.nsh's bytes, as the tools were built with them.
const std::string& EmbeddedEnglishNlf();
const std::string& EmbeddedEnglishModernUi();
