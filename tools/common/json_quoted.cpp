#include "json_quoted.h"

std::string JsonQuoted(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char byte : text) {
        switch (byte) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 15];
                } else {
                    out += static_cast<char>(byte);
                }
        }
    }
    return out + "\"";
}
