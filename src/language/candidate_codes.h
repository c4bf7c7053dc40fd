#pragma once

#include <cstddef>

// The codes tried for a language tag, most specific first: the whole tag, the
// tag before its last "-" (only when that is not also its first "-"), and the
// tag before its first "-". Each code is the tag's first lengths[i] units, so
// nothing is copied. An empty tag gives none.
struct CandidateLengths {
    static constexpr std::size_t kMaxCount = 3;
    std::size_t lengths[kMaxCount];
    std::size_t count;
};

CandidateLengths CandidateCodesOf(const char16_t* tag, std::size_t length);
