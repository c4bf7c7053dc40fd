#include "parse_stop_explanation.h"

#include <cctype>

#include "utf8_text.h"

const std::string kJsonWhiteSpace = [] {
    std::string bytes;
    for (char c = 0x01; c <= 0x20; ++c) bytes += c;
    return bytes;
}();

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberByte(char c) { return IsDigit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'; }

// The whole UTF-8 character at offset, so that a quote never shows a
// broken byte (and --json stays valid UTF-8).
std::string CharacterAt(const std::string& text, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < text.size() && !StartsCharacter(static_cast<unsigned char>(text[end])) && end - offset < 4) ++end;
    return text.substr(offset, end - offset);
}

// What word processors and keyboards type for quotes; JSON delimits texts
// with the straight " alone.
bool IsTypographicQuote(const std::string& character) {
    static const char* const kQuotes[] = {"\u201C", "\u201D", "\u201E", "\u201F", "\u2018", "\u2019",
                                          "\u201A", "\u00AB", "\u00BB", "\u2039", "\u203A", "\uFF02"};
    for (const char* quote : kQuotes) {
        if (character == quote) return true;
    }
    return false;
}

// What stands at offset, as a reader would name it.
std::string Found(const std::string& text, std::size_t offset) {
    if (offset >= text.size()) return "the end of the file";
    const char c = text[offset];
    if (c == '"') return "a text";
    if (c == '\'') return "a single quote (')";
    const std::string character = CharacterAt(text, offset);
    if (IsTypographicQuote(character)) return "a typographic quote (" + character + ")";
    std::size_t end = offset;
    while (end < text.size() && end - offset < 12 &&
           (std::isalnum(static_cast<unsigned char>(text[end])) != 0 || text[end] == '_')) {
        ++end;
    }
    if (end > offset) return "\"" + text.substr(offset, end - offset) + "\"";
    return "\"" + character + "\"";
}

const char kStraightQuotes[] = "; JSON takes straight quotes (\") around a text, and \\\" for one inside it";

// The parser reads "-", "1." and "1e" as numbers and stops just after them;
// a person fixes the number, so the explanation stands at its start.
bool ExplainCutNumber(const std::string& text, std::size_t offset, SyntaxExplanation& out) {
    std::size_t start = offset;
    while (start > 0 && IsNumberByte(text[start - 1])) --start;
    if (start == offset || (text[start] != '-' && !IsDigit(text[start]))) return false;
    const char last = text[offset - 1];
    const char next = offset < text.size() ? text[offset] : '\0';
    out.offset = start;
    if (last == '-' && offset - 1 == start) {
        out.message = "expected digits after the minus sign, found " + Found(text, offset);
    } else if (next == '.' && text.find_first_of(".eE", start) >= offset) {
        out.message = "expected digits after the decimal point of this number";
    } else if (last == 'e' || last == 'E' || ((last == '+' || last == '-') && offset - start >= 2 &&
                                              (text[offset - 2] == 'e' || text[offset - 2] == 'E'))) {
        out.message = "expected digits in the exponent of this number";
    } else {
        return false;
    }
    return true;
}

}  // namespace

SyntaxExplanation ExplainParseStop(const std::string& text, const JsonParseStop& stop) {
    const std::size_t at = stop.offset;
    const char c = at < text.size() ? text[at] : '\0';
    SyntaxExplanation out;
    out.offset = at;
    const auto expected = [&](const std::string& what) {
        out.message = "expected " + what + ", found " + Found(text, at);
        if (IsTypographicQuote(CharacterAt(text, at))) out.message += kStraightQuotes;
    };
    // A closing bracket where an item had to follow a comma: fixed at the comma.
    const std::size_t before = at > 0 ? text.find_last_not_of(kJsonWhiteSpace, at - 1) : std::string::npos;
    const bool closesObject = stop.code == JsonStop::ExpectedKey && c == '}';
    const bool closesArray = stop.code == JsonStop::ExpectedValue && c == ']';
    if ((closesObject || closesArray) && before != std::string::npos && text[before] == ',') {
        const std::string item = closesObject ? "member" : "element";
        out.offset = before;
        out.message = "expected another " + item + " after this comma, found \"" + std::string(1, c) +
                      "\"; JSON allows no comma after the last " + item + ": remove it";
        return out;
    }
    switch (stop.code) {
        case JsonStop::TooDeep:
            out.message = "the file nests objects and arrays deeper than " + std::to_string(kMaxJsonDepth) +
                          " levels; flatten it";
            break;
        case JsonStop::UnterminatedString:
            out.message = "expected the closing quote of the text that starts here, found the end of the file";
            break;
        case JsonStop::ExpectedKey:
            expected(c == '\'' ? "a key in double quotes" : "a key in quotes");
            break;
        case JsonStop::ExpectedColon:
            expected("\":\" after the key");
            break;
        case JsonStop::ExpectedValue:
            if (c == '\'') {
                out.message = "expected a text in double quotes, found a single quote ('); JSON takes double quotes (\") only";
            } else {
                expected("a value (a text in quotes, a number, true, false, null, { or [)");
            }
            break;
        case JsonStop::ExpectedCommaOrBrace:
        case JsonStop::ExpectedCommaOrBracket: {
            if (ExplainCutNumber(text, at, out)) break;
            const std::string closing = stop.code == JsonStop::ExpectedCommaOrBrace ? "\"}\"" : "\"]\"";
            if (c == '"' && before != std::string::npos) {
                out.offset = before + 1;
                out.message = "expected \",\" or " + closing + " after this value, found a text; a comma is missing here";
            } else {
                expected("\",\" or " + closing);
                // "Click "Next" now": the text ended at a quote meant to be in it.
                const std::size_t lineEnd = text.find('\n', at);
                if (before != std::string::npos && text[before] == '"' &&
                    text.find('"', at) < lineEnd && !IsTypographicQuote(CharacterAt(text, at))) {
                    out.message += "; a quote inside a text ends it: write \\\" for a straight quote there, or "
                                   "typographic quotes";
                }
            }
            break;
        }
        default:
            out.message = "the installer's parser stops here";
            break;
    }
    return out;
}
