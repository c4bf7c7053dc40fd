#include "langstring_reader.h"

#include <algorithm>
#include <cstdlib>

#include "ascii_case.h"

namespace {

// Passes of ${NAME} filling per line: enough for defines built of defines,
// and a bound for ones that name themselves.
constexpr int kDefinePasses = 16;

// What parts a script line's words; a newline ends the line instead.
bool IsWordSeparator(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool IsQuote(char c) { return c == '"' || c == '\'' || c == '`'; }

struct Word {
    std::string text;
    char quote;
};

// One command's words. A line break outside quotes ends them; a comment ends
// them too, and a block comment may run on into later commands.
class WordSplitter {
public:
    // Words from text[i] on; i ends after the command's line break. False
    // when a quote is still open at the end of the command.
    bool Split(const std::string& text, std::size_t& i, std::vector<Word>& words) {
        words.clear();
        while (i < text.size()) {
            const char c = text[i];
            if (inBlockComment_) {
                const std::size_t end = text.find("*/", i);
                if (end == std::string::npos) {
                    i = text.size();
                    break;
                }
                inBlockComment_ = false;
                i = end + 2;
            } else if (c == '\n') {
                ++i;
                break;
            } else if (IsWordSeparator(c)) {
                ++i;
            } else if (text.compare(i, 2, "/*") == 0) {
                inBlockComment_ = true;
                i += 2;
            } else if (c == ';' || c == '#') {
                const std::size_t end = text.find('\n', i);
                i = end == std::string::npos ? text.size() : end;
            } else if (IsQuote(c)) {
                if (!Quoted(text, i, words)) return false;
            } else {
                const std::size_t start = i;
                while (i < text.size() && !IsWordSeparator(text[i]) && text[i] != '\n') ++i;
                words.push_back({text.substr(start, i - start), '\0'});
            }
        }
        return true;
    }

private:
    // Up to the matching quote; "$\" followed by a character never ends the
    // text, and "$$" is one character of it.
    static bool Quoted(const std::string& text, std::size_t& i, std::vector<Word>& words) {
        const char quote = text[i++];
        const std::size_t start = i;
        while (i < text.size() && text[i] != quote) {
            if (text.compare(i, 2, "$$") == 0) i += 2;
            else if (text.compare(i, 2, "$\\") == 0 && i + 2 < text.size()) i += 3;
            else ++i;
        }
        if (i >= text.size()) return false;
        words.push_back({text.substr(start, i - start), quote});
        ++i;  // the closing quote
        return true;
    }

    bool inBlockComment_ = false;
};

bool IsNumber(const std::string& text, long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 0);
    return *end == '\0';
}

// The preprocessor's view of one file: defines, the branch it is in, macro
// bodies it cannot expand, and the language a LangFile.nsh file declares.
class SourceReader {
public:
    explicit SourceReader(ScriptDefines& defines) : defines_(defines) {}

    ScriptLangStrings Read(const std::string& script) {
        if (script.find('\n') == std::string::npos && script.find('\r') != std::string::npos) {
            found_.errors.push_back({1, "its lines end in CR alone, which makensis reads as one line; "
                                        "save it with CR LF or LF line ends"});
            return found_;
        }
        std::size_t position = 0, lineNumber = 0;
        while (position < script.size()) {
            const std::size_t firstLine = lineNumber + 1;
            const std::string line = LogicalLine(script, position, lineNumber);
            Command(line, firstLine);
        }
        return found_;
    }

private:
    // A backslash at the end of a line joins the next one to it, without the
    // next line's leading blanks, as makensis joins them.
    static std::string LogicalLine(const std::string& script, std::size_t& position, std::size_t& lineNumber) {
        std::string joined;
        bool continued = false;
        for (;;) {
            std::size_t end = script.find('\n', position);
            if (end == std::string::npos) end = script.size();
            std::size_t start = position;
            if (continued) {
                while (start < end && (script[start] == ' ' || script[start] == '\t')) ++start;
            }
            std::size_t stop = end;
            if (stop > start && script[stop - 1] == '\r') --stop;
            position = end + 1;
            ++lineNumber;
            continued = stop > start && script[stop - 1] == '\\' && position < script.size();
            joined.append(script, start, stop - start - (continued ? 1 : 0));
            if (!continued) return joined;
        }
    }

    bool Active() const { return branches_.empty() || branches_.back().active; }

    void Command(const std::string& rawLine, std::size_t lineNumber) {
        const std::string line = Active() ? Substituted(rawLine) : rawLine;
        std::vector<Word> words;
        std::size_t i = 0;
        if (!splitter_.Split(line, i, words)) {
            if (Active() && !inMacro_) {
                found_.errors.push_back({lineNumber, "a string is not closed (makensis: \"unterminated string\")"});
            }
            return;
        }
        if (words.empty()) return;
        const std::string command = AsciiLower(words[0].text);
        if (Conditional(command, words, lineNumber) || !Active()) return;
        const bool isLangFileString = command == "${langfilestring}";
        if (inMacro_) {
            if (command == "!macroend") inMacro_ = false;
            else if (command == "langstring" || isLangFileString) found_.macroLangStringLines.push_back(lineNumber);
            return;
        }
        if (command == "!macro") {
            inMacro_ = true;
        } else if (command == "!include") {
            found_.includeLines.push_back(lineNumber);
        } else if (command == "!define") {
            Define(words);
        } else if (command == "!undef" && words.size() > 1) {
            defines_.erase(words.back().text);
        } else if (command == "!insertmacro" && words.size() > 2 &&
                   (words[1].text == "LANGFILE" || words[1].text == "LANGFILE_EXT")) {
            langFileLanguage_ = words[2].text;
        } else if (command == "licenselangstring") {
            found_.licenseLines.push_back(lineNumber);
        } else if (command == "langstring" && words.size() == 4) {
            found_.langStrings.push_back({words[1].text, words[2].text, words[3].text, words[3].quote, lineNumber});
        } else if (isLangFileString && words.size() == 3 && !langFileLanguage_.empty()) {
            found_.langStrings.push_back(
                {words[1].text, "${LANG_" + langFileLanguage_ + "}", words[2].text, words[2].quote, lineNumber});
        } else if (command == "langstring" || isLangFileString) {
            found_.malformedLines.push_back(lineNumber);
        }
    }

    // !ifdef, !ifndef, !if, !else and !endif; true when the line was one.
    bool Conditional(const std::string& command, const std::vector<Word>& words, std::size_t lineNumber) {
        if (command.compare(0, 3, "!if") == 0) {
            const bool parentActive = Active();
            const bool holds = parentActive && Holds(command, words, 1, lineNumber);
            branches_.push_back({parentActive, holds, holds});
            return true;
        }
        if (branches_.empty()) return false;
        Branch& branch = branches_.back();
        if (command == "!endif") {
            branches_.pop_back();
        } else if (command == "!else") {
            const bool holds = branch.parentActive && !branch.taken &&
                               (words.size() < 2 || Holds(AsciiLower("!" + words[1].text), words, 2, lineNumber));
            branch.active = holds;
            branch.taken = branch.taken || holds;
        } else {
            return false;
        }
        return true;
    }

    // The condition from words[first] on; one it cannot decide holds, and is noted.
    bool Holds(const std::string& command, const std::vector<Word>& words, std::size_t first, std::size_t lineNumber) {
        const std::size_t count = words.size() - std::min(first, words.size());
        // A language file's features (!ifdef MUI_WELCOMEPAGE) are the including
        // script's to define: each of its texts is one some installer holds.
        const bool featureOfLangFile = !langFileLanguage_.empty() && command == "!ifdef";
        if ((command == "!ifdef" || command == "!ifndef") && count == 1 &&
            !(featureOfLangFile && defines_.count(words[first].text) == 0)) {
            return (defines_.count(words[first].text) != 0) == (command == "!ifdef");
        }
        long left = 0, right = 0;
        if (command == "!if" && count == 1 && IsNumber(words[first].text, left)) return left != 0;
        if (command == "!if" && count == 3) {
            const std::string& a = words[first].text;
            const std::string& op = words[first + 1].text;
            const std::string& b = words[first + 2].text;
            if (op == "==") return a == b;
            if (op == "!=") return a != b;
            if (IsNumber(a, left) && IsNumber(b, right)) {
                if (op == "<") return left < right;
                if (op == ">") return left > right;
                if (op == "<=") return left <= right;
                if (op == ">=") return left >= right;
            }
        }
        found_.unevaluatedConditions.push_back(lineNumber);
        return true;
    }

    void Define(const std::vector<Word>& words) {
        std::size_t at = 1;
        bool onlyIfNew = false;
        for (; at < words.size() && words[at].quote == '\0' && words[at].text.compare(0, 1, "/") == 0; ++at) {
            const std::string flag = AsciiLower(words[at].text);
            if (flag == "/ifndef") onlyIfNew = true;
            else if (flag != "/redef") return;  // /math, /date, /file: values only makensis knows
        }
        if (at >= words.size()) return;
        const std::string& name = words[at].text;
        if (onlyIfNew && defines_.count(name) != 0) return;
        defines_[name] = at + 1 < words.size() ? words[at + 1].text : std::string();
    }

    // ${NAME} of a known define becomes its value; unknown ones stay.
    std::string Substituted(const std::string& line) const {
        if (defines_.empty()) return line;
        std::string current = line;
        for (int pass = 0; pass < kDefinePasses; ++pass) {
            std::string next;
            bool changed = false;
            std::size_t i = 0;
            while (i < current.size()) {
                if (current.compare(i, 2, "$$") == 0) {
                    next += "$$";
                    i += 2;
                    continue;
                }
                if (current.compare(i, 2, "${") == 0) {
                    const std::size_t close = current.find('}', i + 2);
                    if (close != std::string::npos) {
                        const auto define = defines_.find(current.substr(i + 2, close - i - 2));
                        if (define != defines_.end()) {
                            next += define->second;
                            i = close + 1;
                            changed = true;
                            continue;
                        }
                    }
                }
                next += current[i++];
            }
            current.swap(next);
            if (!changed) break;
        }
        return current;
    }

    struct Branch {
        bool parentActive;
        bool taken;   // some branch of this !if held
        bool active;  // the current branch holds
    };

    ScriptLangStrings found_;
    WordSplitter splitter_;
    ScriptDefines& defines_;
    std::vector<Branch> branches_;
    bool inMacro_ = false;
    std::string langFileLanguage_;
};

// makensis's output needs no preprocessing: only its commands are read.
ScriptLangStrings ReadPreprocessed(const std::string& script) {
    ScriptLangStrings found;
    WordSplitter splitter;
    std::vector<Word> words;
    std::size_t position = 0;
    while (position < script.size()) {
        if (!splitter.Split(script, position, words)) {
            found.errors.push_back({0, "a string is not closed (makensis: \"unterminated string\")"});
            break;
        }
        if (words.empty()) continue;
        const std::string command = AsciiLower(words[0].text);
        if (command == "licenselangstring") {
            found.licenseLines.push_back(0);
        } else if (command == "langstring" && words.size() == 4) {
            found.langStrings.push_back({words[1].text, words[2].text, words[3].text, words[3].quote, 0});
        } else if (command == "langstring") {
            found.malformedLines.push_back(0);
        }
    }
    return found;
}

}  // namespace

ScriptLangStrings ReadLangStrings(const std::string& utf8Script, ScriptForm form, ScriptDefines* defines) {
    if (form == ScriptForm::Preprocessed) return ReadPreprocessed(utf8Script);
    ScriptDefines own;
    return SourceReader(defines != nullptr ? *defines : own).Read(utf8Script);
}
