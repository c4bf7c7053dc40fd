#include "nsis_text.h"

#include <set>

namespace {

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The end of a variable name at start: letters, digits, "_", and a "." only
// between them (Parlune.Language), so "$INSTDIR." ends before the period.
std::size_t VariableEnd(const std::string& text, std::size_t start) {
    std::size_t end = start;
    while (end < text.size() &&
           (IsNameCharacter(text[end]) || (text[end] == '.' && end > start && end + 1 < text.size() &&
                                           IsNameCharacter(text[end + 1])))) {
        ++end;
    }
    return end;
}

// Where each "{" of the text closes, counting nested ones ("${LANG_${X}}"),
// found in one pass so that a text full of unclosed braces stays linear.
class Braces {
public:
    explicit Braces(const std::string& text) {
        if (text.find("${") == std::string::npos) return;
        closing_.assign(text.size(), std::string::npos);
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '{') {
                open.push_back(i);
            } else if (text[i] == '}' && !open.empty()) {
                closing_[open.back()] = i;
                open.pop_back();
            }
        }
    }
    std::size_t Closing(std::size_t open) const { return open < closing_.size() ? closing_[open] : std::string::npos; }

private:
    std::vector<std::size_t> closing_;
};

// The next c at or after a position; once none is left, no search runs again.
class NextOf {
public:
    NextOf(const std::string& text, char c) : text_(text), c_(c) {}
    std::size_t From(std::size_t from) {
        if (!searched_ || (at_ != std::string::npos && at_ < from)) at_ = text_.find(c_, from);
        searched_ = true;
        return at_;
    }

private:
    const std::string& text_;
    char c_;
    bool searched_ = false;
    std::size_t at_ = std::string::npos;
};

class Converter {
public:
    void Reference(const std::string& name, const std::string& reference) {
        out_.text += "{{" + name + "}}";
        if (named_.insert(name).second) out_.placeholders.push_back({name, reference});
    }
    void Text(const std::string& text) { out_.text += text; }
    void Text(char c) { out_.text += c; }
    ConvertedText Result() { return out_; }

private:
    ConvertedText out_;
    std::set<std::string> named_;
};

}  // namespace

ConvertedText ConvertNsisText(const std::string& written) {
    Converter out;
    const Braces braces(written);
    NextOf parenthesis(written, ')'), percent(written, '%');
    std::size_t i = 0;
    while (i < written.size()) {
        if (written[i] != '$' || i + 1 == written.size()) {
            out.Text(written[i++]);
            continue;
        }
        const char next = written[i + 1];
        std::size_t end = std::string::npos;
        if (next == '$') {
            out.Text("$");
            i += 2;
        } else if (next == '\\' && i + 2 < written.size()) {
            const char escaped = written[i + 2];
            if (escaped == 'r') out.Text('\r');
            else if (escaped == 'n') out.Text('\n');
            else if (escaped == 't') out.Text('\t');
            else if (escaped == '"' || escaped == '\'' || escaped == '`') out.Text(escaped);
            else out.Text(written.substr(i, 3));
            i += 3;
        } else if (next == '(' && (end = parenthesis.From(i + 2)) != std::string::npos && end > i + 2) {
            const std::string name = written.substr(i + 2, end - i - 2);
            out.Reference(name[0] == '^' && name.size() > 1 ? name.substr(1) : name, written.substr(i, end + 1 - i));
            i = end + 1;
        } else if (next == '{' && (end = braces.Closing(i + 1)) != std::string::npos && end > i + 2) {
            out.Reference(written.substr(i + 2, end - i - 2), written.substr(i, end + 1 - i));
            i = end + 1;
        } else if (next == '%' && (end = percent.From(i + 2)) != std::string::npos && end > i + 2) {
            out.Reference(written.substr(i + 2, end - i - 2), written.substr(i, end + 1 - i));
            i = end + 1;
        } else if ((end = VariableEnd(written, i + 1)) > i + 1) {
            out.Reference(written.substr(i + 1, end - i - 1), written.substr(i, end - i));
            i = end;
        } else {
            out.Text("$");
            ++i;
        }
    }
    return out.Result();
}
