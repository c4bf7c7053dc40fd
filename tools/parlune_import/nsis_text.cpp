#include "nsis_text.h"

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

// The closing brace of "${" at open, counting nested ones ("${LANG_${X}}").
std::size_t ClosingBrace(const std::string& text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '{') ++depth;
        else if (text[i] == '}' && --depth == 0) return i;
    }
    return std::string::npos;
}

class Converter {
public:
    void Reference(const std::string& name, const std::string& reference) {
        out_.text += "{{" + name + "}}";
        for (const Placeholder& known : out_.placeholders) {
            if (known.name == name) return;
        }
        out_.placeholders.push_back({name, reference});
    }
    void Text(const std::string& text) { out_.text += text; }
    ConvertedText Result() { return out_; }

private:
    ConvertedText out_;
};

}  // namespace

ConvertedText ConvertNsisText(const std::string& written) {
    Converter out;
    std::size_t i = 0;
    while (i < written.size()) {
        if (written[i] != '$' || i + 1 == written.size()) {
            out.Text(std::string(1, written[i++]));
            continue;
        }
        const char next = written[i + 1];
        std::size_t end = std::string::npos;
        if (next == '$') {
            out.Text("$");
            i += 2;
        } else if (next == '\\' && i + 2 < written.size()) {
            const char escaped = written[i + 2];
            if (escaped == 'r') out.Text("\r");
            else if (escaped == 'n') out.Text("\n");
            else if (escaped == 't') out.Text("\t");
            else if (escaped == '"' || escaped == '\'' || escaped == '`') out.Text(std::string(1, escaped));
            else out.Text(written.substr(i, 3));
            i += 3;
        } else if (next == '(' && (end = written.find(')', i + 2)) != std::string::npos && end > i + 2) {
            const std::string name = written.substr(i + 2, end - i - 2);
            out.Reference(name[0] == '^' && name.size() > 1 ? name.substr(1) : name, written.substr(i, end + 1 - i));
            i = end + 1;
        } else if (next == '{' && (end = ClosingBrace(written, i + 1)) != std::string::npos && end > i + 2) {
            out.Reference(written.substr(i + 2, end - i - 2), written.substr(i, end + 1 - i));
            i = end + 1;
        } else if (next == '%' && (end = written.find('%', i + 2)) != std::string::npos && end > i + 2) {
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
