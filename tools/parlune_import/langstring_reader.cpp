#include "langstring_reader.h"

#include "ascii_case.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsQuote(char c) { return c == '"' || c == '\'' || c == '`'; }

// One command's words; a comment ends them, and a block comment may run on
// into later lines.
class LineWords {
public:
    explicit LineWords(bool& inBlockComment) : inBlockComment_(inBlockComment) {}

    std::vector<std::string> Split(const std::string& line) {
        std::vector<std::string> words;
        std::size_t i = 0;
        while (i < line.size()) {
            if (inBlockComment_) {
                const std::size_t end = line.find("*/", i);
                if (end == std::string::npos) break;
                inBlockComment_ = false;
                i = end + 2;
            } else if (IsBlank(line[i])) {
                ++i;
            } else if (line.compare(i, 2, "/*") == 0) {
                inBlockComment_ = true;
                i += 2;
            } else if (line[i] == ';' || line[i] == '#') {
                break;
            } else if (IsQuote(line[i])) {
                words.push_back(Quoted(line, i));
            } else {
                const std::size_t start = i;
                while (i < line.size() && !IsBlank(line[i])) ++i;
                words.push_back(line.substr(start, i - start));
            }
        }
        return words;
    }

private:
    // Up to the matching quote; "$\" followed by a character never ends the
    // text, and "$$" is one character of it.
    static std::string Quoted(const std::string& line, std::size_t& i) {
        const char quote = line[i++];
        const std::size_t start = i;
        while (i < line.size() && line[i] != quote) {
            if (line.compare(i, 2, "$$") == 0) i += 2;
            else if (line.compare(i, 2, "$\\") == 0 && i + 2 < line.size()) i += 3;
            else ++i;
        }
        std::string word = line.substr(start, i - start);
        if (i < line.size()) ++i;  // the closing quote
        return word;
    }

    bool& inBlockComment_;
};

}  // namespace

ScriptLangStrings ReadLangStrings(const std::string& utf8Script) {
    ScriptLangStrings found;
    bool inBlockComment = false;
    LineWords words(inBlockComment);
    std::size_t lineNumber = 0;
    std::size_t position = 0;
    while (position < utf8Script.size()) {
        // A backslash at the end of a line joins the next one to it.
        const std::size_t firstLine = lineNumber + 1;
        std::string joined;
        for (;;) {
            std::size_t end = utf8Script.find('\n', position);
            if (end == std::string::npos) end = utf8Script.size();
            std::string line = utf8Script.substr(position, end - position);
            position = end + 1;
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const bool continues = !line.empty() && line.back() == '\\' && position < utf8Script.size();
            if (continues) line.pop_back();
            joined += line;
            if (!continues) break;
        }
        const std::vector<std::string> parts = words.Split(joined);
        const std::string command = parts.empty() ? "" : AsciiLower(parts[0]);
        if (command == "licenselangstring") found.licenseLines.push_back(firstLine);
        if (command != "langstring") continue;
        if (parts.size() != 4) {
            found.malformedLines.push_back(firstLine);
            continue;
        }
        found.langStrings.push_back({parts[1], parts[2], parts[3], firstLine});
    }
    return found;
}
