// What both platform layers must do alike: the two conversions (the system's
// on Windows, the project's own elsewhere) and the bounded copy.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/platform.h"
#include "std_interop.h"
#include "support/allocation_failure.h"

namespace {

std::string Narrow(const char16_t* text, std::size_t units) {
    ByteString out;
    EXPECT_TRUE(platform::WideToUtf8(text, units, out));
    return StdString(out);
}

TEST(PlatformConversions, Utf16ToUtf8ReplacesLoneSurrogates) {
    const char16_t text[] = {u'a', 0xD83D, 0xDE00, 0xDC00, u'b', 0xD800};
    EXPECT_EQ(Narrow(text, 6), "a\xF0\x9F\x98\x80\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    EXPECT_EQ(Narrow(u"\u00E9\u8868", 2), "\xC3\xA9\xE8\xA1\xA8");
    EXPECT_EQ(Narrow(u"", 0), "");
    // Only the units asked for, even with more behind them.
    EXPECT_EQ(Narrow(u"abc", 2), "ab");
}

TEST(PlatformConversions, Utf8ToUtf16ReplacesEachInvalidSequence) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"", u""},
        {"caf\xC3\xA9", u"caf\u00E9"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"a\xFF" "b", u"a\uFFFDb"},
        {"\xC3", u"\uFFFD"},                        // cut short at the end
        {"\xE2\x82" "x", u"\uFFFDx"},               // one replacement for the maximal start
        {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong form
    };
    for (const auto& c : cases) EXPECT_EQ(FromUtf8(c.first), c.second);
}

TEST(PlatformConversions, BothAppendAndWithoutMemoryLeaveTheirOutputAlone) {
    ByteString narrow = HeapCopy("ab");
    WideString wide;
    ASSERT_TRUE(platform::Utf8ToWide("ab", 2, wide));
    ASSERT_TRUE(platform::WideToUtf8(u"\u00E9", 1, narrow));
    ASSERT_TRUE(platform::Utf8ToWide("\xC3\xA9", 2, wide));
    EXPECT_EQ(StdString(narrow), "ab\xC3\xA9");
    EXPECT_EQ(StdString(wide), u"ab\u00E9");

    const std::u16string longWide(300, u'w');
    const std::string longNarrow(300, 'n');
    AllocationFailure noMemory;
    EXPECT_FALSE(platform::WideToUtf8(longWide.data(), longWide.size(), narrow));
    EXPECT_FALSE(platform::Utf8ToWide(longNarrow.data(), longNarrow.size(), wide));
    EXPECT_EQ(StdString(narrow), "ab\xC3\xA9");
    EXPECT_EQ(StdString(wide), u"ab\u00E9");
}

TEST(PlatformConversions, CopyWideBoundedKeepsCapacityMinusOneUnits) {
    char16_t area[4] = {u'x', u'x', u'x', u'x'};
    platform::CopyWideBounded(area, u"abcdef", 4);
    EXPECT_EQ(std::u16string(area), u"abc");
    platform::CopyWideBounded(area, u"q", 0);  // nothing written
    EXPECT_EQ(std::u16string(area), u"abc");
    platform::CopyWideBounded(area, u"q", 1);
    EXPECT_EQ(std::u16string(area), u"");
}

}  // namespace
