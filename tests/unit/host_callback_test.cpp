// Registering with the host so that the module stays loaded between calls,
// and releasing the documents when the host says it unloads the module.
#include "platform/platform.h"
#include "plugin/document_slots.h"
#include "plugin/host_callback.h"
#include "support/plugin_session.h"

namespace {

struct FakeHostRegistry {
    static int registrations;
    static void* module;
    static HostPluginCallback callback;
    static int answer;

    static int PARLUNE_HOST_CALL Register(void* registeredModule, HostPluginCallback registeredCallback) {
        ++registrations;
        module = registeredModule;
        callback = registeredCallback;
        return answer;
    }
};
int FakeHostRegistry::registrations = 0;
void* FakeHostRegistry::module = nullptr;
HostPluginCallback FakeHostRegistry::callback = nullptr;
int FakeHostRegistry::answer = 0;

class HostCallback : public PluginSession {
protected:
    void SetUp() override {
        PluginSession::SetUp();
        ForgetHostRegistration();
        FakeHostRegistry::registrations = 0;
        FakeHostRegistry::callback = nullptr;
        FakeHostRegistry::answer = 0;
        flags.pluginApiVersion = kFirstCallbackApiVersion;
        extra.execFlags = &flags;
        extra.registerPluginCallback = FakeHostRegistry::Register;
        host.SetExtraParameters(&extra);
        folder.Write("en.json", R"({"Key": "base"})");
    }
    void TearDown() override {
        PluginSession::TearDown();
        ForgetHostRegistration();
    }

    HostExecFlags flags{};
    HostExtraParameters extra{};
};

TEST_F(HostCallback, RegistersOnceAndReleasesTheDocumentsOnUnload) {
    InitWith("xx");
    EXPECT_EQ(Get("Key"), "base");
    EXPECT_EQ(FakeHostRegistry::registrations, 1);
    EXPECT_EQ(FakeHostRegistry::module, platform::ThisModule());
    ASSERT_NE(FakeHostRegistry::callback, nullptr);

    EXPECT_EQ(FakeHostRegistry::callback(kHostGuiUnloadMessage), 0u);
    EXPECT_EQ(Get("Key"), "base");
    EXPECT_EQ(FakeHostRegistry::callback(kHostUnloadMessage), 0u);
    EXPECT_EQ(BaseDocument, nullptr);
}

TEST_F(HostCallback, LeavesOlderHostsAlone) {
    flags.pluginApiVersion = kFirstCallbackApiVersion - 1;
    InitWith("xx");
    extra.execFlags = nullptr;
    EXPECT_EQ(Get("Key"), "base");
    host.SetExtraParameters(nullptr);
    EXPECT_EQ(Get("Key"), "base");
    EXPECT_EQ(FakeHostRegistry::registrations, 0);
}

TEST_F(HostCallback, TriesAgainAfterAFailedRegistration) {
    FakeHostRegistry::answer = -1;
    InitWith("xx");
    FakeHostRegistry::answer = 1;  // already registered counts as registered
    Get("Key");
    Get("Key");
    EXPECT_EQ(FakeHostRegistry::registrations, 2);
}

}  // namespace
