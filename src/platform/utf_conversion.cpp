#include "platform/utf_conversion.h"

#include <cstdint>

#include "base/unicode.h"

namespace platform {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

char16_t* PutUtf16(char16_t* out, char32_t code) {
    if (code < 0x10000) {
        *out++ = static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
    return out;
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

// A unit gives at most three bytes (a pair, two units, gives four).
bool ConvertUtf16ToUtf8(const char16_t* text, std::size_t units, ByteString& out) {
    if (units > static_cast<std::size_t>(-1) / 4 || !out.Reserve(out.size() + 3 * units)) return false;
    char* const start = out.Room();
    char* next = start;
    for (std::size_t i = 0; i < units; ++i) {
        char32_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(text[i + 1])) {
            char32_t low = text[++i];
            next = WriteUtf8(next, CombineSurrogates(unit, low));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            next = WriteUtf8(next, kReplacementCharacter);
        } else {
            next = WriteUtf8(next, unit);
        }
    }
    out.SetLength(out.size() + static_cast<std::size_t>(next - start));
    return true;
}

// An invalid sequence is replaced by one U+FFFD for its longest valid-looking
// start (the "maximal subpart" rule), and decoding resumes right after it.
// A byte gives at most one unit (four bytes, two units).
bool ConvertUtf8ToUtf16(const char* text, std::size_t size, WideString& out) {
    if (!out.Reserve(out.size() + size)) return false;
    char16_t* const start = out.Room();
    char16_t* next = start;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t i = 0;
    while (i < size) {
        const LeadByte lead = ClassifyLeadByte(bytes[i]);
        if (lead.length == 1) {
            *next++ = static_cast<char16_t>(bytes[i++]);
            continue;
        }
        if (lead.length == 0) {
            *next++ = static_cast<char16_t>(kReplacementCharacter);
            ++i;
            continue;
        }
        char32_t code = bytes[i] & (0xFF >> (lead.length + 1));
        std::size_t following = i + 1;
        bool complete = true;
        for (int k = 1; k < lead.length; ++k, ++following) {
            const unsigned char low = k == 1 ? lead.low : 0x80;
            const unsigned char high = k == 1 ? lead.high : 0xBF;
            if (following >= size || bytes[following] < low || bytes[following] > high) {
                complete = false;
                break;
            }
            code = (code << 6) | (bytes[following] & 0x3F);
        }
        next = PutUtf16(next, complete ? code : kReplacementCharacter);
        i = following;
    }
    out.SetLength(out.size() + static_cast<std::size_t>(next - start));
    return true;
}

}  // namespace platform
