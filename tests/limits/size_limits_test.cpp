// Files and folders at and beyond any reasonable size or shape: nothing may
// crash, hang or leak, and what can be read is read.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "json/json_document.h"
#include "json/json_parser.h"
#include "plugin/document_slots.h"
#include "support/plugin_session.h"

namespace {

class SizeLimits : public PluginSession {
protected:
    // Writes a file too large to build as a string first.
    template <typename WriteBody>
    void WriteLarge(const std::string& name, WriteBody writeBody) {
        std::ofstream out(folder.path() / name, std::ios::binary);
        writeBody(out);
    }
};

TEST_F(SizeLimits, TwoHundredMegabyteBaseFile) {
    constexpr std::size_t kHugeBytes = 200u << 20;
    WriteLarge("en.json", [&](std::ofstream& out) {
        out << "{\"Small\": \"found\", \"Huge\": \"";
        const std::string block(1 << 20, 'h');
        for (std::size_t written = 0; written < kHugeBytes; written += block.size()) out << block;
        out << "\", \"After\": \"also found\"}";
    });
    EXPECT_EQ(InitWith("xx"), u"0");
    EXPECT_EQ(Get("Small"), "found");
    EXPECT_EQ(Get("After"), "also found");
    EXPECT_EQ(Get("Huge"), std::string(1023, 'h'));
}

TEST_F(SizeLimits, TwoMillionLevelsOfNesting) {
    WriteLarge("en.json", [](std::ofstream& out) {
        for (int i = 0; i < 2000000; ++i) out << (i % 2 == 0 ? "[" : "{\"k\":");
    });
    WriteLarge("de.json", [](std::ofstream& out) { out << "{\"Key\": \"Wert\"}"; });
    EXPECT_NE(InitWith("de"), u"0");
    ASSERT_NE(BaseDocument, nullptr);
    EXPECT_EQ(BaseDocument->Root(), nullptr);  // rejected, not crashed
    EXPECT_EQ(Get("Key"), "Wert");
}

TEST_F(SizeLimits, TenMillionMembers) {
    constexpr int kMembers = 10000000;
    WriteLarge("en.json", [&](std::ofstream& out) {
        out << "{";
        for (int i = 0; i < kMembers; ++i) out << "\"k" << i << "\":\"v" << i << "\",";
        out << "\"Last\": \"end\"}";
    });
    EXPECT_EQ(InitWith("xx"), u"0");
    EXPECT_EQ(Get("k0"), "v0");
    EXPECT_EQ(Get("K9999999"), "v9999999");
    EXPECT_EQ(Get("Last"), "end");
}

TEST_F(SizeLimits, FoldersAndFilesThatCannotBeRead) {
    // A folder that is a file: no file in it can be opened.
    const auto file = folder.Write("plain-file", "{\"Key\": \"x\"}");
    EXPECT_EQ(host.CallInit(Init, FromUtf8(file.u8string()), u"de"), u"0");
    EXPECT_EQ(BaseDocument, nullptr);

    // A named pipe in place of en.json must not make Init wait for a writer.
    ASSERT_EQ(mkfifo((folder.path() / "en.json").c_str(), 0600), 0);
    folder.Write("de.json", "{\"Key\": \"Wert\"}");
    EXPECT_NE(InitWith("de"), u"0");
    EXPECT_EQ(BaseDocument, nullptr);
    EXPECT_EQ(Get("Key"), "Wert");

    // Without read permission (root reads everything, so only others can see this).
    if (geteuid() != 0) {
        folder.Write("fr.json", "{\"Key\": \"Valeur\"}");
        chmod((folder.path() / "fr.json").c_str(), 0);
        InitWith("fr");
        EXPECT_EQ(Get("Key"), "Wert");  // fr.json unreadable: the German document stays
    }
}

}  // namespace
