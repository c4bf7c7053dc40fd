#include "script_encoding.h"

#include "ansi_texts.h"
#include "console.h"
#include "std_interop.h"

namespace {

constexpr int kWindows1252 = 1252;

// Windows-1252's 0x80..0x9F; the rest of its upper half is Latin-1's.
// Unassigned bytes map to themselves, as Windows maps them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string LineOf(std::size_t line) { return "line " + std::to_string(line); }

// UTF-16LE units from offset on, as UTF-8; a lone surrogate is refused
// with its line and column.
bool DecodeUtf16le(const std::string& bytes, std::size_t offset, std::string& utf8, std::string& complaint) {
    if ((bytes.size() - offset) % 2 != 0) {
        complaint = "it is UTF-16LE but ends in half a character";
        return false;
    }
    std::u16string wide;
    wide.reserve((bytes.size() - offset) / 2);
    for (std::size_t i = offset; i < bytes.size(); i += 2) {
        wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < wide.size(); ++i, ++column) {
        const char16_t unit = wide[i];
        if (unit == u'\n') {
            ++line;
            column = 0;
        } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                   wide[i + 1] <= 0xDFFF) {
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            complaint = "it is UTF-16LE, but " + LineOf(line) + ", character " + std::to_string(column) +
                        " is half of a surrogate pair, which no character is";
            return false;
        }
    }
    utf8 = ToUtf8(wide);
    return true;
}

// The first line whose bytes are not UTF-8: the converters put U+FFFD where
// bytes break it, so a round trip shows it. 0 when all are.
std::size_t FirstLineNotUtf8(const std::string& text) {
    std::size_t line = 1;
    for (std::size_t start = 0; start < text.size(); ++line) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string piece = text.substr(start, end - start);
        if (ToUtf8(FromUtf8(piece)) != piece) return line;
        start = end + 1;
    }
    return 0;
}

std::string FromWindows1252(const std::string& text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (unsigned char byte : text) {
        wide += byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : static_cast<char16_t>(byte);
    }
    return ToUtf8(wide);
}

// A zero byte ends a C string: no key or text of the installer can hold one.
bool HasNoZero(const std::string& utf8, std::string& complaint) {
    const std::size_t zero = utf8.find('\0');
    if (zero == std::string::npos) return true;
    std::size_t line = 1;
    for (std::size_t i = 0; i < zero; ++i) line += utf8[i] == '\n' ? 1 : 0;
    complaint = LineOf(line) + " holds a zero character, which no NSIS text can hold; remove it";
    return false;
}

bool DecodeBytes(const std::string& bytes, int codePage, std::string& utf8, std::string& complaint,
                 ScriptCharset& found) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0) {
        found = ScriptCharset::Utf16le;
        return DecodeUtf16le(bytes, 2, utf8, complaint);
    }
    if (bytes.compare(0, 2, "\xFE\xFF") == 0) {
        complaint = "it is UTF-16BE, which makensis does not read; save it as UTF-8";
        return false;
    }
    // An ASCII character and a zero byte: UTF-16LE that lost its mark.
    if (bytes.size() >= 2 && bytes[0] != '\0' && bytes[1] == '\0') {
        found = ScriptCharset::Utf16leWithoutBom;
        return DecodeUtf16le(bytes, 0, utf8, complaint);
    }
    const std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    const std::size_t broken = FirstLineNotUtf8(text);
    if (broken == 0) {
        found = ScriptCharset::Utf8;
        utf8 = text;
        return true;
    }
    if (codePage == kNoCodePage) {
        found = ScriptCharset::AnsiMarked;
        utf8 = MarkAnsiBytes(text);
        return true;
    }
    found = ScriptCharset::CodePage;
    if (codePage == kWindows1252) {
        utf8 = FromWindows1252(text);
        return true;
    }
    if (console::FromCodePage(text, codePage, utf8)) return true;
    complaint = LineOf(broken) + " is not UTF-8, and its bytes are no text in code page " + std::to_string(codePage) +
                " (--codepage); name the code page the file is in, or leave --codepage out to read each "
                "language's texts in that language's code page";
    return false;
}

}  // namespace

bool DecodeScript(const std::string& bytes, int codePage, std::string& utf8, std::string& complaint,
                  ScriptCharset* charset) {
    ScriptCharset ignored;
    std::string decoded;
    if (!DecodeBytes(bytes, codePage, decoded, complaint, charset != nullptr ? *charset : ignored) ||
        !HasNoZero(decoded, complaint)) {
        return false;
    }
    utf8.swap(decoded);
    return true;
}
