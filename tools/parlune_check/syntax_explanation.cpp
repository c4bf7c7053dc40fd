#include "syntax_explanation.h"

#include <cctype>
#include <cstring>

#include "json/json_parser.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class Explainer {
public:
    explicit Explainer(const std::string& text) : text_(text) {}

    bool Run(SyntaxExplanation& out) {
        SkipSpace();
        if (Value(1)) return false;  // text after the root is only a warning
        out = found_;
        return true;
    }

private:
    char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }
    void SkipSpace() {
        while (position_ < text_.size() && IsSpace(text_[position_])) ++position_;
    }

    // What stands at the position, as a reader would name it.
    std::string Found() const {
        if (position_ >= text_.size()) return "the end of the file";
        const char c = text_[position_];
        if (c == '"') return "a text";
        if (c == '\'') return "a single quote (')";
        std::size_t end = position_;
        while (end < text_.size() && end - position_ < 12 &&
               (std::isalnum(static_cast<unsigned char>(text_[end])) != 0 || text_[end] == '_')) {
            ++end;
        }
        if (end > position_) return "\"" + text_.substr(position_, end - position_) + "\"";
        return "\"" + std::string(1, c) + "\"";
    }

    bool Fail(std::size_t offset, std::string message) {
        found_.offset = offset;
        found_.message = std::move(message);
        return false;
    }

    bool Expected(const char* what) { return Fail(position_, std::string("expected ") + what + ", found " + Found()); }

    bool Value(int depth) {
        if (depth > kMaxJsonDepth) {
            return Fail(position_, "the file nests objects and arrays deeper than " + std::to_string(kMaxJsonDepth) +
                                       " levels; flatten it");
        }
        switch (Peek()) {
            case '{': return Members(depth);
            case '[': return Elements(depth);
            case '"': return String();
            case '\'': return Fail(position_, "expected a text in double quotes, found a single quote ('); JSON "
                                              "takes double quotes (\") only");
            default: return Literal();
        }
    }

    // After a comma: a trailing comma is fixed at the comma itself.
    bool AfterComma(std::size_t comma, char closing) {
        if (Peek() == closing) {
            const char* item = closing == '}' ? "member" : "element";
            return Fail(comma, std::string("expected another ") + item + " after this comma, found \"" + closing +
                                   "\"; JSON allows no comma after the last " + item + ": remove it");
        }
        return true;
    }

    bool Members(int depth) {
        ++position_;
        SkipSpace();
        if (Peek() == '}') return ++position_, true;
        for (;;) {
            if (Peek() != '"') return Expected(Peek() == '\'' ? "a key in double quotes" : "a key in quotes");
            if (!String()) return false;
            SkipSpace();
            if (Peek() != ':') return Expected("\":\" after the key");
            ++position_;
            SkipSpace();
            if (!Value(depth + 1)) return false;
            const std::size_t valueEnd = position_;
            SkipSpace();
            if (Peek() == '}') return ++position_, true;
            if (Peek() == '"') {
                return Fail(valueEnd, "expected \",\" or \"}\" after this value, found " + Found() +
                                          "; a comma is missing here");
            }
            if (Peek() != ',') return Expected("\",\" or \"}\"");
            const std::size_t comma = position_++;
            SkipSpace();
            if (!AfterComma(comma, '}')) return false;
        }
    }

    bool Elements(int depth) {
        ++position_;
        SkipSpace();
        if (Peek() == ']') return ++position_, true;
        for (;;) {
            if (!Value(depth + 1)) return false;
            SkipSpace();
            if (Peek() == ']') return ++position_, true;
            if (Peek() != ',') return Expected("\",\" or \"]\"");
            const std::size_t comma = position_++;
            SkipSpace();
            if (!AfterComma(comma, ']')) return false;
        }
    }

    bool String() {
        const std::size_t opening = position_++;
        while (position_ < text_.size()) {
            const unsigned char c = static_cast<unsigned char>(text_[position_]);
            if (c == '"') return ++position_, true;
            if (c == '\n' || c == '\r') {
                return Fail(position_, "expected the closing quote of the text, found a line break; write \\n for "
                                       "a line break inside a text");
            }
            if (c < 0x20) return Fail(position_, "expected a character of the text, found a control character; "
                                                 "write it as an escape such as \\t");
            if (c == '\\') {
                const char escape = position_ + 1 < text_.size() ? text_[position_ + 1] : '\0';
                if (escape == 'u') {
                    for (std::size_t k = 2; k < 6; ++k) {
                        if (position_ + k >= text_.size() || std::isxdigit(static_cast<unsigned char>(text_[position_ + k])) == 0) {
                            return Fail(position_, "expected four hexadecimal digits after \\u; write \\u followed "
                                                   "by a code such as 00E9");
                        }
                    }
                    position_ += 6;
                    continue;
                }
                if (std::strchr("\"\\/bfnrt", escape) == nullptr || escape == '\0') {
                    return Fail(position_, std::string("expected an escape (\\n, \\t, \\\", \\\\, \\/, \\uXXXX), "
                                                       "found \\") + escape + "; write \\\\ for a backslash");
                }
                position_ += 2;
                continue;
            }
            ++position_;
        }
        return Fail(opening, "expected the closing quote of the text that starts here, found the end of the file");
    }

    bool Literal() {
        for (const char* word : {"true", "false", "null"}) {
            const std::size_t length = std::strlen(word);
            if (text_.compare(position_, length, word) == 0) return position_ += length, true;
        }
        if (Peek() == '-' || IsDigit(Peek())) return Number();
        return Expected("a value (a text in quotes, a number, true, false, null, { or [)");
    }

    bool Number() {
        const std::size_t start = position_;
        if (Peek() == '-') ++position_;
        if (Peek() == '0') {
            ++position_;
        } else if (IsDigit(Peek())) {
            while (IsDigit(Peek())) ++position_;
        } else {
            return Fail(start, "expected digits after the minus sign, found " + Found());
        }
        if (Peek() == '.') {
            ++position_;
            if (!IsDigit(Peek())) return Fail(start, "expected digits after the decimal point of this number");
            while (IsDigit(Peek())) ++position_;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++position_;
            if (Peek() == '+' || Peek() == '-') ++position_;
            if (!IsDigit(Peek())) return Fail(start, "expected digits in the exponent of this number");
            while (IsDigit(Peek())) ++position_;
        }
        return true;
    }

    const std::string& text_;
    std::size_t position_ = 0;
    SyntaxExplanation found_;
};

}  // namespace

bool ExplainSyntaxError(const std::string& text, SyntaxExplanation& explanation) {
    return Explainer(text).Run(explanation);
}
