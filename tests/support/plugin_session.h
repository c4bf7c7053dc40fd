// A host with a scratch language folder, driving the module's exports the way
// an installer script does. The documents are released after every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/host_simulator.h"
#include "plugin/exports.h"
#include "support/language_folder.h"

class PluginSession : public ::testing::Test {
protected:
    void SetUp() override { SetLocale(nullptr); }
    void TearDown() override {
        host.Call(Exit);
        SetLocale(nullptr);
    }

#if !defined(_WIN32)
    // Sets the environment the native build reads the user's language from;
    // null clears it. Windows asks the system, which a running test cannot change.
    static void SetLocale(const char* language) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
        if (language != nullptr) setenv("LANGUAGE", language, 1);
    }
#else
    static void SetLocale(const char*) {}
#endif

    // A file whose only member "Which" names the file, so a lookup tells which one was loaded.
    void WriteMarked(const std::string& baseName) const {
        folder.Write(baseName + ".json", "{\"Which\": \"" + baseName + "\", \"Only" + baseName + "\": \"yes\"}");
    }

    std::u16string InitWith(const std::u16string& tag) { return host.CallInit(Init, folder.Wide(), tag); }
    std::u16string InitWith(const char* tag) { return InitWith(FromUtf8(tag)); }
    std::string Get(const std::string& key) { return ToUtf8(host.CallGetStr(GetStr, FromUtf8(key))); }

    LanguageFolder folder;
    HostSimulator host;
};
