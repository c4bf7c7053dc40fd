#include "platform/utf_conversion.h"

#include <cstdint>

namespace platform {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

// Length of the sequence that a lead byte announces, and the range its first
// continuation byte must lie in (this rules out overlong forms, surrogates
// and code points above U+10FFFF). 0 for a byte that cannot start a sequence.
struct LeadByte {
    int length;
    unsigned char low;
    unsigned char high;
};

LeadByte ClassifyLeadByte(unsigned char byte) {
    if (byte < 0x80) return {1, 0, 0};
    if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
    if (byte == 0xE0) return {3, 0xA0, 0xBF};
    if (byte == 0xED) return {3, 0x80, 0x9F};
    if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
    if (byte == 0xF0) return {4, 0x90, 0xBF};
    if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
    if (byte == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

}  // namespace

std::string ConvertUtf16ToUtf8(const char16_t* text, std::size_t units) {
    std::string out;
    out.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        char32_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(text[i + 1])) {
            char32_t low = text[++i];
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(out, kReplacementCharacter);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

// An invalid sequence is replaced by one U+FFFD for its longest valid-looking
// start (the "maximal subpart" rule), and decoding resumes right after it.
std::u16string ConvertUtf8ToUtf16(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const LeadByte lead = ClassifyLeadByte(bytes[i]);
        if (lead.length == 1) {
            out += static_cast<char16_t>(bytes[i++]);
            continue;
        }
        if (lead.length == 0) {
            out += static_cast<char16_t>(kReplacementCharacter);
            ++i;
            continue;
        }
        char32_t code = bytes[i] & (0xFF >> (lead.length + 1));
        std::size_t next = i + 1;
        bool complete = true;
        for (int k = 1; k < lead.length; ++k, ++next) {
            const unsigned char low = k == 1 ? lead.low : 0x80;
            const unsigned char high = k == 1 ? lead.high : 0xBF;
            if (next >= size || bytes[next] < low || bytes[next] > high) {
                complete = false;
                break;
            }
            code = (code << 6) | (bytes[next] & 0x3F);
        }
        AppendUtf16(out, complete ? code : kReplacementCharacter);
        i = next;
    }
    return out;
}

}  // namespace platform
