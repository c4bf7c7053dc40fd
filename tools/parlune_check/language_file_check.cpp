#include "language_file_check.h"

#include <cstring>

#include "ascii_case.h"
#include "capacities.h"
#include "file_keys.h"
#include "json/json_parser.h"
#include "parse_stop_explanation.h"
#include "platform/platform.h"
#include "report_text.h"
#include "std_interop.h"
#include "text_positions.h"

namespace {

bool StartsWith(const std::string& bytes, const char* prefix, std::size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}

// UTF-16 or UTF-32: a byte-order mark of either, or a zero byte among the
// first few that plain UTF-8 text would never have.
bool LooksLikeWideText(const std::string& bytes) {
    if (StartsWith(bytes, "\xFF\xFE", 2) || StartsWith(bytes, "\xFE\xFF", 2) || StartsWith(bytes, "\0\0\xFE\xFF", 4)) {
        return true;
    }
    return bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0');
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

std::string Where(const KeyEntry& entry) { return std::to_string(entry.line) + ":" + std::to_string(entry.column); }

class FileChecker {
public:
    FileChecker(const std::string& bytes, int stringSize) : bytes_(bytes), positions_(bytes), stringSize_(stringSize) {}

    LanguageFileCheck Run() {
        if (StartsWith(bytes_, "\xEF\xBB\xBF", 3)) {
            Report(Severity::Error, "byte-order-mark", 0,
                   "The file starts with a UTF-8 byte-order mark, so the installer finds no text in it and shows "
                   "en.json's texts instead; save it as UTF-8 without BOM.");
            return result_;
        }
        if (LooksLikeWideText(bytes_)) {
            Report(Severity::Error, "utf-16", 0,
                   "The file is UTF-16 or UTF-32 text, so the installer finds no text in it and shows en.json's "
                   "texts instead; save it as UTF-8 without BOM.");
            return result_;
        }
        const std::size_t zero = bytes_.find('\0');
        if (zero != std::string::npos) {
            Report(Severity::Error, "nul-byte", zero,
                   "The file holds a zero byte here and the installer stops reading at it; remove it.");
        }
        const std::string text = bytes_.substr(0, zero);
        if (text.empty()) {
            Report(Severity::Error, "empty", 0,
                   "The file has no text before its first zero byte, so the installer skips it as if it were missing.");
            return result_;
        }
        CheckDocument(text);
        return result_;
    }

private:
    void Report(Severity severity, const char* kind, std::size_t offset, std::string message) {
        const LineColumn at = positions_.At(offset);
        result_.problems.push_back({severity, kind, at.line, at.column, std::move(message)});
    }

    void CheckDocument(const std::string& text) {
        JsonArena arena;
        JsonParseStop stop;
        std::vector<ParsedMember> members;
        const JsonMemberObserver observer = {Collect, &members};
        const JsonNode* root = ParseJsonText(text.c_str(), text.size(), arena, stop, &observer);
        if (root == nullptr) {
            // The parser's own message is for the plug-in; the report explains.
            const SyntaxExplanation why = ExplainParseStop(text, stop);
            Report(Severity::Error, "invalid-json", why.offset,
                   "The file is not valid JSON: " + why.message +
                       ". So the installer finds no text in it and shows en.json's texts instead.");
            return;
        }
        if (root->kind != JsonKind::Object) {
            const std::size_t start = text.find_first_not_of(kJsonWhiteSpace);
            Report(Severity::Error, "root-not-object", start == std::string::npos ? 0 : start,
                   "The file's root is not an object, so the installer finds no text in it; put the texts in { }.");
            return;
        }
        result_.readable = true;
        nestedRoot_ = CheckNestedRoot(members);
        for (const ParsedMember& member : members) CheckMember(*member.node, member.nameOffset, member.valueOffset);
        result_.textCount = fileKeys_.TextCount();
        // The parser stopped just after the root's closing brace.
        const LineColumn end = positions_.At(stop.offset - 1);
        result_.endLine = end.line;
        result_.endColumn = end.column;
        const std::size_t after = text.find_first_not_of(kJsonWhiteSpace, stop.offset);
        if (after != std::string::npos) {
            Report(Severity::Warning, "trailing-text", after,
                   "The installer ignores everything after the closing } of the root object; remove it.");
        }
    }

    struct ParsedMember {
        const JsonNode* node;
        std::size_t nameOffset;
        std::size_t valueOffset;
    };

    // Platforms' nested JSON and i18next's {"translation": {…}}: texts one
    // level down, where the installer never looks. Reported once, for the
    // first object, instead of a warning per member.
    bool CheckNestedRoot(const std::vector<ParsedMember>& members) {
        const ParsedMember* firstObject = nullptr;
        std::size_t objects = 0;
        for (const ParsedMember& member : members) {
            if (IsAnnotation(member.node->memberName)) continue;
            if (member.node->kind == JsonKind::String) return false;
            if (member.node->kind != JsonKind::Object) continue;
            if (objects++ == 0) firstObject = &member;
        }
        if (firstObject == nullptr) return false;
        const std::string more = objects > 1 ? " and " + Counted(objects - 1, "more nested object") : "";
        Report(Severity::Error, "nested-root", firstObject->nameOffset,
               "The file's texts are inside " + Quote(firstObject->node->memberName) + " { }" + more +
                   ", and the installer reads only the strings at the root, so it finds no text in this file; "
                   "flatten it to one \"Key\": \"text\" member per text at the root, named as in en.json (Weblate: "
                   "file format \"JSON file\" or \"ARB file\", not \"JSON nested structure file\" or i18next; "
                   "Crowdin: keep en.json flat, its exports follow it).");
        return true;
    }

    static void Collect(void* context, const JsonNode& member, std::size_t nameOffset, std::size_t valueOffset) {
        static_cast<std::vector<ParsedMember>*>(context)->push_back({&member, nameOffset, valueOffset});
    }

    void CheckMember(const JsonNode& member, std::size_t nameOffset, std::size_t valueOffset) {
        const std::string name = member.memberName;
        const bool hasText = member.kind == JsonKind::String;
        const std::size_t earlier = fileKeys_.Add(name, hasText);
        if (earlier != FileKeys::kFirst) {
            const KeyEntry& first = result_.keys[earlier];
            if (first.hasText) {
                Report(Severity::Warning, "repeated-key", nameOffset,
                       "The key " + Quote(name) + " occurs again: the installer uses the first one at " + Where(first) +
                           " and ignores this one; remove one of them.");
            } else {
                Report(Severity::Warning, "hidden-key", nameOffset,
                       "The installer never shows this text: the first " + Quote(first.name) + " at " + Where(first) +
                           " holds no string and hides it; remove the first one.");
            }
            return;
        }
        const LineColumn at = positions_.At(nameOffset);
        result_.keys.push_back({AsciiLower(name), name, at.line, at.column, hasText, hasText ? member.stringValue : ""});

        if (FromUtf8(name).size() > kKeyCapacity - 1) {
            Report(Severity::Warning, "long-key", nameOffset,
                   "The key is longer than " + std::to_string(kKeyCapacity - 1) +
                       " characters; the installer cuts every key it is asked for to that length, so this one is "
                       "never found; shorten it.");
        }
        if (IsAnnotation(name)) {
            CheckNote(member, nameOffset);
            return;
        }
        if (member.kind == JsonKind::Array || member.kind == JsonKind::Object) {
            if (nestedRoot_) return;
            Report(Severity::Warning, "nested", valueOffset,
                   "The installer never looks inside nested objects or arrays, so " + Quote(name) +
                       " has no text; give it a string.");
            return;
        }
        if (!hasText) {
            Report(Severity::Warning, "not-a-string", valueOffset,
                   "The value of " + Quote(name) + " is no string, so the installer shows en.json's text for it; put "
                       "it in quotes.");
            return;
        }
        CheckText(member.stringValue, valueOffset);
    }

    // "@Key": {"description": …, "maxLength": N}; "@@locale" and ARB's
    // other attributes of the whole file pass as they are.
    void CheckNote(const JsonNode& member, std::size_t nameOffset) {
        const std::string name = member.memberName;
        if (name.compare(0, 2, "@@") == 0) return;
        const auto warn = [&](const std::string& what) {
            Report(Severity::Warning, "note", nameOffset, "The note " + Quote(name) + " " + what);
        };
        if (member.kind != JsonKind::Object) {
            warn("is no object, so no platform reads it; write it as " + Quote(name) +
                 ": {\"description\": \"…\", \"maxLength\": 40}.");
            return;
        }
        const LineColumn at = positions_.At(nameOffset);
        TranslatorNote note{name.substr(1), at.line, at.column};
        for (const JsonNode* field = member.firstChild; field != nullptr; field = field->nextSibling) {
            const std::string fieldName = field->memberName;
            if (fieldName == "description" && field->kind != JsonKind::String) {
                warn("has a description that is no string; put it in quotes.");
            } else if (fieldName == "maxLength") {
                if (field->kind != JsonKind::Integer || field->integerValue < 1) {
                    warn("has a maxLength that is no whole number above 0, so nothing checks the texts' length; "
                         "write it as a number without quotes, for example 40.");
                } else {
                    note.maxLength = static_cast<std::size_t>(field->integerValue);
                }
            }
        }
        result_.notes.push_back(note);
    }

    void CheckText(const std::string& value, std::size_t valueOffset) {
        const std::u16string wide = FromUtf8(value);
        if (ToUtf8(wide) != value) {
            Report(Severity::Warning, "invalid-utf8", valueOffset,
                   "The text is not valid UTF-8; the installer shows U+FFFD (\xEF\xBF\xBD) for the broken bytes; save "
                   "the file as UTF-8.");
        }
        CheckNsisEscapes(value, valueOffset);
        CheckRawControls(valueOffset);
        const std::size_t room = stringSize_ > 1 ? static_cast<std::size_t>(stringSize_) - 1 : 0;
        if (wide.size() > room) {
            Report(Severity::Warning, "long-text", valueOffset,
                   "The text has " + std::to_string(wide.size()) + " UTF-16 characters; the installer cuts it to " +
                       std::to_string(room) + "; shorten it.");
        }
    }

    // "$\r$\n" copied from a LangString: JSON reads \r as the character, and
    // the installer shows the $ (or, written $\\r, all three characters).
    void CheckNsisEscapes(const std::string& value, std::size_t valueOffset) {
        for (std::size_t i = 0; i + 1 < value.size(); ++i) {
            if (value[i] != '$') continue;
            std::string escape;
            const char next = value[i + 1];
            if (next == '\r' || next == '\n' || next == '\t' || next == '"') {
                escape = next == '\r' ? "$\\r" : next == '\n' ? "$\\n" : next == '\t' ? "$\\t" : "$\\\"";
            } else if (next == '\\' && i + 2 < value.size() && std::strchr("rnt\"", value[i + 2]) != nullptr) {
                escape = value.substr(i, 3);
            } else {
                continue;
            }
            Report(Severity::Warning, "nsis-escape", valueOffset,
                   "The text holds the NSIS escape " + escape +
                       ", but the installer reads no NSIS escapes and shows the $; in JSON write \\r, \\n, \\t or \\\" without the $.");
            return;
        }
    }

    // JSON forbids control characters inside a text; the installer reads
    // them, but translate-toolkit and the platforms reject the whole file.
    void CheckRawControls(std::size_t valueOffset) {
        for (std::size_t i = valueOffset + 1; i < bytes_.size() && bytes_[i] != '"'; ++i) {
            const unsigned char c = static_cast<unsigned char>(bytes_[i]);
            if (c == '\\') {
                ++i;
            } else if (c < 0x20) {
                const std::string what = c == '\n' || c == '\r' ? "a line break" : c == '\t' ? "a tab" : "a control character";
                Report(Severity::Warning, "control-character", i,
                       "The text holds " + what + " as it is; the installer shows it, but JSON forbids it, and "
                       "translate-toolkit and translation platforms reject the whole file; write \\n (\\r\\n for "
                       "a Windows line break), \\t or \\u00XX instead.");
                return;
            }
        }
    }

    const std::string& bytes_;
    TextPositions positions_;
    int stringSize_;
    LanguageFileCheck result_;
    bool nestedRoot_ = false;
    FileKeys fileKeys_;
};

}  // namespace

LanguageFileCheck CheckLanguageFile(const std::string& bytes, int stringSize) {
    return FileChecker(bytes, stringSize).Run();
}

std::size_t CountTexts(const LanguageFileCheck& check) { return check.textCount; }
