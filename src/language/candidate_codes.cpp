#include "language/candidate_codes.h"

CandidateLengths CandidateCodesOf(const char16_t* tag, std::size_t length) {
    CandidateLengths codes = {{0, 0, 0}, 0};
    if (length == 0) return codes;
    codes.lengths[codes.count++] = length;
    std::size_t first = 0;
    while (first < length && tag[first] != u'-') ++first;
    if (first == length) return codes;
    std::size_t last = length - 1;
    while (tag[last] != u'-') --last;
    if (last != first) codes.lengths[codes.count++] = last;
    codes.lengths[codes.count++] = first;
    return codes;
}
