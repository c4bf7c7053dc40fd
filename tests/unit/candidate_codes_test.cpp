#include <gtest/gtest.h>

#include "std_interop.h"
#include "language/candidate_codes.h"

namespace {

using Codes = std::vector<std::u16string>;

TEST(CandidateCodes, MostSpecificFirst) {
    EXPECT_EQ(CandidateCodes(u"sr-Latn-RS"), (Codes{u"sr-Latn-RS", u"sr-Latn", u"sr"}));
    EXPECT_EQ(CandidateCodes(u"zh-Hans-CN"), (Codes{u"zh-Hans-CN", u"zh-Hans", u"zh"}));
    EXPECT_EQ(CandidateCodes(u"a-b-c-d"), (Codes{u"a-b-c-d", u"a-b-c", u"a"}));
    EXPECT_EQ(CandidateCodes(u"de-DE"), (Codes{u"de-DE", u"de"}));
    EXPECT_EQ(CandidateCodes(u"de-"), (Codes{u"de-", u"de"}));
    EXPECT_EQ(CandidateCodes(u"-de"), (Codes{u"-de", u""}));
    EXPECT_EQ(CandidateCodes(u"fil"), (Codes{u"fil"}));
    EXPECT_EQ(CandidateCodes(u""), Codes{});
}

}  // namespace
