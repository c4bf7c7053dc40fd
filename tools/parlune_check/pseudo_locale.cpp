#include "pseudo_locale.h"

#include <cstring>

#include "ascii_case.h"
#include "json_quoted.h"
#include "nsis_language_files.h"
#include "utf8_text.h"

namespace {

// Each ASCII letter that has an accented look-alike, and the look-alike.
const char* AccentedLetter(char letter) {
    static const char* const kLower[26] = {"á", "ƀ", "ç", "ð", "é", "ƒ", "ğ", "ĥ", "î", "ĵ", "ķ", "ļ", "ɱ",
                                           "ñ", "ö", "þ", "ǫ", "ŕ", "š", "ţ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};
    static const char* const kUpper[26] = {"Å", "Ɓ", "Ç", "Ð", "É", "Ƒ", "Ĝ", "Ĥ", "Î", "Ĵ", "Ķ", "Ļ", "Ṁ",
                                           "Ñ", "Ö", "Þ", "Ǫ", "Ŕ", "Š", "Ţ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};
    if (letter >= 'a' && letter <= 'z') return kLower[letter - 'a'];
    if (letter >= 'A' && letter <= 'Z') return kUpper[letter - 'A'];
    return nullptr;
}

// Tildes in words of seven, so that the padding wraps as text does instead
// of overflowing a control of several lines as one unbreakable word.
std::string Padding(std::size_t length) {
    std::string padding;
    while (padding.size() < length) padding += padding.size() % 8 == 7 ? ' ' : '~';
    if (padding.back() == ' ') padding.back() = '~';
    return padding;
}

}  // namespace

std::string PseudoText(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsTextWhiteSpace(text[begin])) ++begin;
    while (end > begin && IsTextWhiteSpace(text[end - 1])) --end;
    if (begin == end) return text;

    std::string core;
    for (std::size_t i = begin; i < end; ++i) {
        if (text.compare(i, 2, "{{") == 0) {
            const std::size_t close = text.find("}}", i + 2);
            if (close != std::string::npos && close + 2 <= end) {
                core += text.substr(i, close + 2 - i);
                i = close + 1;
                continue;
            }
        }
        // NSIS's references and printf's %s are filled in, never shown.
        const std::size_t reference = text[i] == '$' ? NsisReferenceLength(text, i) : 0;
        if (reference > 0 && i + reference <= end) {
            core += text.substr(i, reference);
            i += reference - 1;
            continue;
        }
        // A letter after a backslash, a $ or a % belongs to an escape.
        const bool escaped = i > begin && (text[i - 1] == '\\' || text[i - 1] == '$' || text[i - 1] == '%');
        const char* accented = escaped ? nullptr : AccentedLetter(text[i]);
        core += accented != nullptr ? std::string(accented) : std::string(1, text[i]);
    }
    // A third more: the brackets, then a space and tildes for the rest.
    const std::size_t extra = (CharacterCount(text.substr(begin, end - begin)) + 1) / 3;
    const std::string tail = extra > 3 ? " " + Padding(extra - 3) : "";
    return text.substr(0, begin) + "[" + core + tail + "]" + text.substr(end);
}

std::string PseudoLocaleFile(const LanguageFileCheck& english) {
    std::string out = "{";
    const char* separator = "\n";
    for (const KeyEntry& key : english.keys) {
        if (!key.hasText || IsAnnotation(key.name)) continue;  // "@@locale" is en.json's alone
        const bool keepsValue = key.foldedName == "nsislanguageid";
        out += separator;
        out += "  " + JsonQuoted(key.name) + ": " + JsonQuoted(keepsValue ? key.text : PseudoText(key.text));
        separator = ",\n";
    }
    // NSIS's and Modern UI's own texts too, so that every text on a page
    // that does not come from a file shows as English.
    for (const NsisText& text : NsisEnglishTexts()) {
        bool inEnglish = false;
        for (const KeyEntry& key : english.keys) inEnglish = inEnglish || AsciiLower(key.name) == AsciiLower(text.name);
        if (inEnglish) continue;
        out += separator;
        out += "  " + JsonQuoted(text.name) + ": " + JsonQuoted(PseudoText(text.plain));
        separator = ",\n";
    }
    return out + "\n}\n";
}
