#include "language/candidate_codes.h"

std::vector<std::u16string> CandidateCodes(const std::u16string& tag) {
    std::vector<std::u16string> codes;
    if (tag.empty()) return codes;
    codes.push_back(tag);
    const std::size_t first = tag.find(u'-');
    if (first == std::u16string::npos) return codes;
    const std::size_t last = tag.rfind(u'-');
    if (last != first) codes.push_back(tag.substr(0, last));
    codes.push_back(tag.substr(0, first));
    return codes;
}
