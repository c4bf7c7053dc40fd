#include "nsis_quoted.h"

std::string NsisQuoted(const std::string& utf8) {
    std::string quoted;
    for (const char c : utf8) {
        switch (c) {
            case '$': quoted += "$$"; break;
            case '"': quoted += "$\\\""; break;
            case '\n': quoted += "$\\n"; break;
            case '\r': quoted += "$\\r"; break;
            case '\t': quoted += "$\\t"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
        }
    }
    return quoted;
}
