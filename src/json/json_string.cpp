// Strings and member names: a pre-scan sizes the buffer, then one pass
// decodes the escapes into it.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/unicode.h"
#include "json/json_parse_routines.h"

namespace {

// Marks (with its high bit) every byte of word that is zero. The result is
// non-zero exactly when some byte is zero; lanes above the first zero byte
// may be marked falsely by a borrow, so only that answer is used.
std::uint64_t ZeroLanes(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    return (word - kOnes) & ~word & kHighBits;
}

// The first quote, backslash or NUL at or after position, taking eight bytes
// at a time while eight remain before textEnd, then byte by byte.
const char* FindStringStop(const char* position, const char* textEnd) {
    constexpr std::uint64_t kQuotes = 0x2222222222222222u;      // '"' in every lane
    constexpr std::uint64_t kBackslashes = 0x5C5C5C5C5C5C5C5Cu;  // '\\' in every lane
    while (textEnd - position >= 8) {
        std::uint64_t word;
        std::memcpy(&word, position, sizeof word);
        if ((ZeroLanes(word) | ZeroLanes(word ^ kQuotes) | ZeroLanes(word ^ kBackslashes)) != 0) break;
        position += 8;
    }
    while (*position != '"' && *position != '\\' && *position != '\0') ++position;
    return position;
}

// Where the string's body ends: its closing quote or the end of the text.
// Counts the units that decoding can turn into at most one byte each; a
// backslash and the byte after it are one unit, but a backslash never takes
// the terminating NUL with it.
const char* PrescanString(const char* body, const char* textEnd, std::size_t* units, bool* escaped) {
    std::size_t count = 0;
    *escaped = false;
    const char* position = body;
    for (;;) {
        const char* stop = FindStringStop(position, textEnd);
        count += static_cast<std::size_t>(stop - position);
        position = stop;
        if (*position != '\\') break;
        *escaped = true;
        position += position[1] != '\0' ? 2 : 1;
        ++count;
    }
    *units = count;
    return position;
}

bool IsHexDigit(char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'f') || (byte >= 'A' && byte <= 'F');
}

unsigned HexValue(char byte) {
    if (byte >= '0' && byte <= '9') return static_cast<unsigned>(byte - '0');
    if (byte >= 'a' && byte <= 'f') return static_cast<unsigned>(byte - 'a' + 10);
    return static_cast<unsigned>(byte - 'A' + 10);
}

bool IsScanfSpace(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

// The hexadecimal number after a \u, read the way a "%4x" conversion reads it
// (leading white space skipped, then at most four hex digits), but never past
// the end of the string body. No digits at all reads as 0, which writes nothing.
unsigned ScanEscapeHex(const char* position, const char* end) {
    while (position < end && IsScanfSpace(*position)) ++position;
    unsigned value = 0;
    for (int digits = 0; digits < 4 && position < end && IsHexDigit(*position); ++digits, ++position) {
        value = value * 16 + HexValue(*position);
    }
    return value;
}

const char* AfterEscapeDigits(const char* digits, const char* end) {
    return end - digits < 4 ? end : digits + 4;
}

// Decodes the escape whose hex digits start at digits; returns where decoding
// resumes. Lone surrogates and U+0000 write nothing.
const char* DecodeUnicodeEscape(const char* digits, const char* end, char** out, const char* outEnd) {
    unsigned code = ScanEscapeHex(digits, end);
    const char* resume = AfterEscapeDigits(digits, end);
    if (IsLowSurrogate(code)) return resume;
    if (IsHighSurrogate(code)) {
        if (end - resume < 2 || resume[0] != '\\' || resume[1] != 'u') return resume;
        const unsigned low = ScanEscapeHex(resume + 2, end);
        resume = AfterEscapeDigits(resume + 2, end);
        if (!IsLowSurrogate(low)) return resume;
        code = CombineSurrogates(code, low);
    }
    if (code != 0 && static_cast<std::size_t>(outEnd - *out) >= Utf8Length(code)) *out = WriteUtf8(*out, code);
    return resume;
}

char SimpleEscape(char letter) {
    switch (letter) {
        case 'b': return '\b';
        case 'f': return '\f';
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        default: return letter;
    }
}

std::size_t DecodeString(const char* position, const char* end, char* out, const char* outEnd) {
    char* const start = out;
    while (position < end) {
        const char* backslash = static_cast<const char*>(std::memchr(position, '\\', static_cast<std::size_t>(end - position)));
        const char* runEnd = backslash != nullptr ? backslash : end;
        // The pre-scan's count bounds the output; the bounds below only make
        // that promise explicit, they never cut a well-formed string.
        const std::size_t run = static_cast<std::size_t>(runEnd - position);
        const std::size_t room = static_cast<std::size_t>(outEnd - out);
        std::memcpy(out, position, run < room ? run : room);
        out += run < room ? run : room;
        position = runEnd;
        if (position == end) break;
        if (position + 1 == end) break;  // a backslash just before the end of the text
        const char letter = position[1];
        position += 2;
        if (letter == 'u') {
            position = DecodeUnicodeEscape(position, end, &out, outEnd);
        } else if (out < outEnd) {
            *out++ = SimpleEscape(letter);
        }
    }
    return static_cast<std::size_t>(out - start);
}

}  // namespace

const char* ParseString(JsonNode* node, const char* position, ParseState* state) {
    const char* body = position + 1;
    std::size_t units = 0;
    bool escaped = false;
    const char* end = PrescanString(body, state->textEnd, &units, &escaped);
    char* buffer = static_cast<char*>(state->arena->Allocate(units + 1));
    if (buffer == nullptr) return nullptr;
    if (!escaped) {
        // Without a backslash the decoded text is the body itself.
        std::memcpy(buffer, body, units);
        buffer[units] = '\0';
    } else {
        buffer[DecodeString(body, end, buffer, buffer + units)] = '\0';
    }
    node->stringValue = buffer;
    node->kind = JsonKind::String;
    if (*end == '"') return end + 1;
    // An unterminated string ends at the NUL; the caller decides whether that is an error.
    state->openString = position;
    return end;
}
