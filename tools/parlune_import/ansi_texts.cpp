#include "ansi_texts.h"

#include <map>

#include "console.h"
#include "std_interop.h"

namespace {

constexpr char32_t kFirstMark = 0xF780;  // the mark of byte 0x80
constexpr char32_t kLastMark = 0xF7FF;

bool IsMark(char32_t c) { return c >= kFirstMark && c <= kLastMark; }

std::u32string Characters(const std::string& utf8) {
    const std::u16string wide = FromUtf8(utf8);
    std::u32string characters;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t unit = wide[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < wide.size()) {
            characters += static_cast<char32_t>(0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00));
            ++i;
        } else {
            characters += unit;
        }
    }
    return characters;
}

std::string Utf8Of(char32_t c) {
    std::u16string wide;
    if (c >= 0x10000) {
        wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        wide += static_cast<char16_t>(c);
    }
    return ToUtf8(wide);
}

}  // namespace

int AnsiCodePageOfLanguage(const std::string& nsisId) {
    // From "Contrib/Language files/*.nlf" of NSIS 3.08; English and
    // Esperanto name none there and are shown in Western Windows' 1252.
    static const std::map<std::string, int> codePages = {
        {"1078", 1252}, {"1052", 1250}, {"1025", 1256}, {"9997", 1252}, {"1069", 1252}, {"1059", 1251},
        {"5146", 1250}, {"1150", 1252}, {"1026", 1251}, {"1027", 1252}, {"1155", 1252}, {"1050", 1250},
        {"1029", 1250}, {"1030", 1252}, {"1043", 1252}, {"1033", 1252}, {"9998", 1252}, {"1061", 1257},
        {"1065", 1256}, {"1035", 1252}, {"1036", 1252}, {"1110", 1252}, {"1031", 1252}, {"1032", 1253},
        {"1037", 1255}, {"1038", 1250}, {"1039", 1252}, {"1057", 1252}, {"2108", 1252}, {"1040", 1252},
        {"1041", 932},  {"1042", 949},  {"9999", 1254}, {"1062", 1257}, {"1063", 1257}, {"4103", 1252},
        {"1071", 1251}, {"1086", 1252}, {"1104", 1251}, {"1044", 1252}, {"2068", 1252}, {"1123", 1256},
        {"1045", 1250}, {"2070", 1252}, {"1046", 1252}, {"1048", 1250}, {"1049", 1251}, {"1169", 1252},
        {"3098", 1251}, {"2074", 1250}, {"2052", 936},  {"1051", 1250}, {"1060", 1250}, {"1034", 1252},
        {"3082", 1252}, {"1053", 1252}, {"1092", 1251}, {"1054", 874},  {"1028", 950},  {"1055", 1254},
        {"1058", 1251}, {"1091", 1252}, {"1066", 1258}, {"1106", 1252},
    };
    const auto found = codePages.find(nsisId);
    return found == codePages.end() ? 0 : found->second;
}

std::string MarkAnsiBytes(const std::string& bytes) {
    std::string utf8;
    utf8.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const unsigned char value = static_cast<unsigned char>(byte);
        utf8 += value < 0x80 ? std::string(1, byte) : Utf8Of(kFirstMark + (value - 0x80));
    }
    return utf8;
}

bool HasAnsiMarks(const std::string& utf8) {
    for (const char32_t c : Characters(utf8)) {
        if (IsMark(c)) return true;
    }
    return false;
}

bool DecodeAnsiMarks(const std::string& utf8, int codePage, std::string& decoded) {
    const std::u32string characters = Characters(utf8);
    std::string out;
    for (std::size_t i = 0; i < characters.size();) {
        if (characters[i] >= 0x80 && !IsMark(characters[i])) {
            out += Utf8Of(characters[i++]);
            continue;
        }
        // a run of marks and ASCII: the bytes of one stretch of the file
        std::string bytes;
        bool marked = false;
        for (; i < characters.size() && (characters[i] < 0x80 || IsMark(characters[i])); ++i) {
            marked = marked || IsMark(characters[i]);
            bytes += static_cast<char>(IsMark(characters[i]) ? characters[i] - kFirstMark + 0x80 : characters[i]);
        }
        std::string run;
        if (!marked) {
            run = bytes;
        } else if (codePage == 0 || !console::FromCodePage(bytes, codePage, run)) {
            return false;
        }
        out += run;
    }
    decoded.swap(out);
    return true;
}
