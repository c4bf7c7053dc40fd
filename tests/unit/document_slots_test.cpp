// What the module does with its documents when Windows reports threads and
// the process to it.
#include "plugin/document_slots.h"
#include "support/plugin_session.h"

namespace {

class ModuleEvents : public PluginSession {
protected:
    void SetUp() override {
        PluginSession::SetUp();
        folder.Write("en.json", R"({"Key": "base"})");
        folder.Write("fr.json", R"({"Key": "langue"})");
        InitWith("fr");
    }
};

TEST_F(ModuleEvents, ThreadsComingAndGoingKeepTheDocuments) {
    OnModuleEvent(ModuleEvent::ThreadAttach);
    EXPECT_EQ(Get("Key"), "langue");
    OnModuleEvent(ModuleEvent::ThreadDetach);
    EXPECT_EQ(Get("Key"), "langue");
}

TEST_F(ModuleEvents, UnloadingReleasesBothDocuments) {
    OnModuleEvent(ModuleEvent::ProcessUnload);
    EXPECT_EQ(LanguageDocument, nullptr);
    EXPECT_EQ(BaseDocument, nullptr);
    EXPECT_EQ(Get("Key"), "");
}

TEST_F(ModuleEvents, ProcessExitTouchesNothing) {
    CJSonObject* language = LanguageDocument;
    CJSonObject* base = BaseDocument;
    OnModuleEvent(ModuleEvent::ProcessExit);
    EXPECT_EQ(LanguageDocument, language);
    EXPECT_EQ(BaseDocument, base);
}

}  // namespace
