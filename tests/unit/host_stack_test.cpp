// Popping and pushing on the host's stack, with entries the way the host makes them.
#include <gtest/gtest.h>

#include "support/host_simulator.h"
#include "plugin/host_stack.h"

namespace {

class HostStack : public ::testing::Test {
protected:
    void Attach(HostSimulator& host) {
        // What every export does first; this stands in for an export call.
        host.Call([](void*, int stringSize, char16_t* variables, HostStackEntry** stackTop, HostExtraParameters*) {
            SaveHostContext(stringSize, variables, stackTop);
        });
    }
    void TearDown() override { SaveHostContext(0, nullptr, nullptr); }
};

TEST_F(HostStack, PopWithoutStackOrFromAnEmptyOneLeavesTheBufferAlone) {
    SaveHostContext(1024, nullptr, nullptr);
    char16_t buffer[4] = {u'x', 0, 0, 0};
    EXPECT_EQ(PopString(buffer, 4), 1);
    EXPECT_EQ(std::u16string(buffer), u"x");

    HostSimulator host;
    Attach(host);
    EXPECT_EQ(PopString(buffer, 4), 1);
    EXPECT_EQ(std::u16string(buffer), u"x");
}

TEST_F(HostStack, PopCutsToCapacityAndStillReleasesTheEntry) {
    HostSimulator host;
    Attach(host);
    host.Push(u"below");
    host.Push(u"abcdef");
    char16_t buffer[4] = {};
    EXPECT_EQ(PopString(buffer, 4), 0);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(host.Depth(), 1u);

    char16_t exact[6] = {};
    EXPECT_EQ(PopString(exact, 6), 0);
    EXPECT_EQ(std::u16string(exact), u"below");
    EXPECT_EQ(host.Depth(), 0u);
}

TEST_F(HostStack, PushCutsToStringSizeAndIsLastInFirstOut) {
    HostSimulator host(8);
    Attach(host);
    PushString(u"first");
    PushString(u"");
    PushString(u"1234567");    // stringSize - 1 units: whole
    PushString(u"123456789");  // longer: cut to stringSize - 1
    EXPECT_EQ(host.Pop(), u"1234567");
    EXPECT_EQ(host.Pop(), u"1234567");
    EXPECT_EQ(host.Pop(), u"");
    EXPECT_EQ(host.Pop(), u"first");
    EXPECT_EQ(host.Pop(), std::nullopt);
}

TEST_F(HostStack, PushWithoutStackOrWithoutRoomDoesNothing) {
    SaveHostContext(1024, nullptr, nullptr);
    PushString(u"lost");  // nothing to check but that nothing crashes or leaks

    HostSimulator host(0);
    Attach(host);
    PushString(u"x");
    EXPECT_EQ(host.Depth(), 0u);
}

TEST_F(HostStack, EntriesAreSizedLikeTheHostsOwn) {
    EXPECT_EQ(StackEntryBytes(1024), 2 * 1024 + 2 * sizeof(void*));
    EXPECT_EQ(offsetof(HostStackEntry, text), sizeof(void*));
}

}  // namespace
