#include "nsis_language_files.h"

#include <sstream>

#include "ascii_case.h"

namespace {

#include "nsis_english_files.inc"

bool IsNlfComment(const std::string& line) { return !line.empty() && (line[0] == '#' || line[0] == ';'); }

// An .nlf value: quotes around it keep its spaces; \r \n \t are escapes.
std::string PlainFromNlf(std::string raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
    std::string plain;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char next = i + 1 < raw.size() ? raw[i + 1] : '\0';
        if (raw[i] == '\\' && (next == 'r' || next == 'n' || next == 't' || next == '\\')) {
            plain += next == 'r' ? '\r' : next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
            ++i;
        } else {
            plain += raw[i];
        }
    }
    return plain;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::vector<std::string> TextLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string PlainFromNsisString(const std::string& raw) {
    std::string plain;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '$' || i + 1 == raw.size()) {
            plain += raw[i];
        } else if (raw[i + 1] == '$') {
            plain += '$';
            ++i;
        } else if (raw[i + 1] == '\\' && i + 2 < raw.size()) {
            const char escaped = raw[i + 2];
            plain += escaped == 'r' ? '\r' : escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
            i += 2;
        } else {
            plain += raw[i];
        }
    }
    return plain;
}

std::size_t NsisReferenceLength(const std::string& text, std::size_t at) {
    if (text.compare(at, 2, "$(") == 0) {
        const std::size_t close = text.find(')', at + 2);
        return close == std::string::npos ? 0 : close + 1 - at;
    }
    if (text.compare(at, 7, "$_CLICK") == 0) return 7;
    if (at + 1 < text.size() && IsDigit(text[at + 1])) return 2;
    if (at + 2 < text.size() && text[at + 1] == 'R' && IsDigit(text[at + 2])) return 3;
    return 0;
}

NlfFile ReadNlf(const std::string& bytes, const std::vector<std::string>* names) {
    NlfFile nlf;
    nlf.lines = TextLines(bytes);
    // The header's values: "NLF v6", the id, the font and its size, the
    // code page and RTL; then one line per text, each after its "# ^Name".
    constexpr std::size_t kHeaderValues = 6;
    std::size_t values = 0;
    std::string lastName;
    for (std::size_t i = 0; i < nlf.lines.size(); ++i) {
        const std::string& line = nlf.lines[i];
        if (IsNlfComment(line)) {
            if (line.compare(0, 3, "# ^") == 0) lastName = line.substr(2);
            continue;
        }
        if (values == 1) nlf.idLine = i;
        if (values == 5) nlf.rtlLine = i;
        if (values >= kHeaderValues) {
            const std::size_t index = values - kHeaderValues;
            std::string name = lastName;
            if (names != nullptr) name = index < names->size() ? (*names)[index] : std::string();
            if (name.empty()) break;
            nlf.texts.push_back({name, PlainFromNlf(line)});
        }
        lastName.clear();
        ++values;
    }
    nlf.complete = values > kHeaderValues && (names == nullptr || nlf.texts.size() == names->size());
    return nlf;
}

std::vector<NsisText> ReadModernUiTexts(const std::string& bytes) {
    std::vector<NsisText> texts;
    const std::string command = "${LangFileString}";
    for (const std::string& line : TextLines(bytes)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, command.size(), command) != 0) continue;
        const std::size_t nameStart = line.find_first_not_of(" \t", start + command.size());
        const std::size_t nameEnd = line.find_first_of(" \t", nameStart);
        const std::size_t open = line.find('"', nameEnd == std::string::npos ? line.size() : nameEnd);
        const std::size_t close = line.rfind('"');
        if (nameStart == std::string::npos || open == std::string::npos || close <= open) continue;
        const std::string name = line.substr(nameStart, nameEnd - nameStart);
        bool seen = false;
        for (const NsisText& text : texts) seen = seen || text.name == name;
        if (!seen) texts.push_back({name, PlainFromNsisString(line.substr(open + 1, close - open - 1))});
    }
    return texts;
}

std::vector<std::string> NsisReferences(const std::string& plain) {
    std::vector<std::string> references;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] != '$') continue;
        const std::size_t length = NsisReferenceLength(plain, i);
        if (length == 0) continue;
        references.push_back(plain.substr(i, length));
        i += length - 1;
    }
    return references;
}

std::string NsisStringOf(const std::string& plain, const std::vector<std::string>& references) {
    std::string out;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        if (c == '$') {
            const std::size_t length = NsisReferenceLength(plain, i);
            bool kept = false;
            for (const std::string& reference : references) kept = kept || plain.compare(i, length, reference) == 0;
            if (length > 0 && kept) {
                out += plain.substr(i, length);
                i += length - 1;
            } else {
                out += "$$";
            }
        } else if (c == '"') {
            out += "$\\\"";
        } else if (c == '\r' || c == '\n' || c == '\t') {
            out += c == '\r' ? "$\\r" : c == '\n' ? "$\\n" : "$\\t";
        } else if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
        }
    }
    return out;
}

const std::string& EmbeddedEnglishNlf() {
    static const std::string bytes = kEnglish_nlf;
    return bytes;
}

const std::string& EmbeddedEnglishModernUi() {
    static const std::string bytes = kEnglish_nsh;
    return bytes;
}

const std::vector<NsisText>& NsisEnglishTexts() {
    static const std::vector<NsisText> texts = [] {
        // The script's Name and BrandingText set these two, and makensis
        // fills NSIS's version into the .nlf's branding alone.
        std::vector<NsisText> all;
        for (NsisText& text : ReadNlf(EmbeddedEnglishNlf()).texts) {
            if (text.name != "^Name" && text.name != "^Branding") all.push_back(std::move(text));
        }
        for (NsisText& text : ReadModernUiTexts(EmbeddedEnglishModernUi())) all.push_back(std::move(text));
        return all;
    }();
    return texts;
}

const NsisText* FindNsisText(const std::string& name) {
    const std::string folded = AsciiLower(name);
    for (const NsisText& text : NsisEnglishTexts()) {
        if (AsciiLower(text.name) == folded) return &text;
    }
    return nullptr;
}

bool IsModernUiText(const NsisText& text) { return text.name.empty() || text.name[0] != '^'; }
