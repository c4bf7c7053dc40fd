#include "script_encoding.h"

#include "std_interop.h"

bool DecodeScript(const std::string& bytes, std::string& utf8, std::string& complaint) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0) {
        if (bytes.size() % 2 != 0) {
            complaint = "it starts as UTF-16LE but ends in half a character";
            return false;
        }
        std::u16string wide;
        for (std::size_t i = 2; i < bytes.size(); i += 2) {
            wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                          static_cast<unsigned char>(bytes[i + 1]) << 8);
        }
        utf8 = ToUtf8(wide);
        return true;
    }
    if (bytes.compare(0, 2, "\xFE\xFF") == 0) {
        complaint = "it is UTF-16BE, which makensis does not read; save it as UTF-8";
        return false;
    }
    const std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    // The converters put U+FFFD where bytes break UTF-8: a round trip shows it.
    if (ToUtf8(FromUtf8(text)) != text) {
        complaint = "it is neither UTF-8 nor UTF-16LE with a byte-order mark (an ANSI code page?); "
                    "save it as UTF-8, which makensis reads with /INPUTCHARSET UTF8";
        return false;
    }
    utf8 = text;
    return true;
}
