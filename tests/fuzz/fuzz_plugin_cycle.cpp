// The whole cycle through the exports, as a script drives it: language files,
// a tag, keys and stack contents from the input, any string size from 1 to
// 9,000, sometimes an empty stack or none at all.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "capacities.h"
#include "json/json_document.h"
#include "plugin/document_slots.h"
#include "plugin/exports.h"
#include "support/host_simulator.h"

namespace {

namespace fs = std::filesystem;

const char* const kFileNames[] = {"en.json", "de.json", "sr.json", "sr-latn.json", "zh-cn.json", "fr.json"};

void Require(bool condition) {
    if (!condition) std::abort();
}

const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / ("parlune-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

std::u16string Wide(FuzzedDataProvider& input, std::size_t maxBytes) {
    const std::string bytes = input.ConsumeRandomLengthString(maxBytes);
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return text;
}

// A string the script would pass: plain text most of the time, any UTF-16 units otherwise.
std::u16string ScriptString(FuzzedDataProvider& input, std::size_t maxBytes) {
    return input.ConsumeBool() ? FromUtf8(input.ConsumeRandomLengthString(maxBytes)) : Wide(input, maxBytes);
}

// What GetStr must answer for a key, worked out from the documents directly:
// the language document's string, else the base document's, converted whole,
// then cut to the host's room but never inside a surrogate pair.
std::u16string ExpectedAnswer(std::u16string key, int stringSize) {
    key = key.substr(0, key.find(u'\0')).substr(0, kKeyCapacity - 1);
    if (key.empty()) return u"";
    const std::string narrowKey = ToUtf8(key);
    std::string value;
    const bool found = (LanguageDocument != nullptr && GetStringValue(*LanguageDocument, narrowKey, value)) ||
                       (BaseDocument != nullptr && GetStringValue(*BaseDocument, narrowKey, value));
    if (!found) return u"";
    std::u16string text = FromUtf8(value);
    const std::size_t room = static_cast<std::size_t>(stringSize - 1);
    if (text.size() > room) {
        std::size_t cut = room;
        if (cut > 0 && text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF && text[cut] >= 0xDC00 && text[cut] <= 0xDFFF) {
            --cut;
        }
        text.resize(cut);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int stringSize = input.ConsumeIntegralInRange<int>(1, 9000);
    for (const char* name : kFileNames) {
        const fs::path path = Folder() / name;
        if (input.ConsumeBool()) {
            std::ofstream(path, std::ios::binary | std::ios::trunc) << input.ConsumeRandomLengthString(2048);
        } else {
            fs::remove(path);
        }
    }

    HostSimulator host(stringSize);
    const int stackShape = input.ConsumeIntegralInRange<int>(0, 3);
    for (int i = input.ConsumeIntegralInRange<int>(0, 3); i > 0; --i) host.Push(ScriptString(input, 64));
    if (stackShape == 0) {
        host.CallWithoutStack(Init);
    } else if (stackShape == 1) {
        while (host.Pop()) {
        }
        host.Call(Init);  // an empty stack: nothing popped, nothing pushed
        Require(host.Depth() == 0);
    } else {
        const std::size_t depth = host.Depth();
        host.Push(ScriptString(input, 160));  // the tag
        const std::u16string folder = stackShape == 2 ? FromUtf8(Folder().u8string()) : ScriptString(input, 600);
        host.Push(folder);
        host.Call(Init);
        Require(host.Depth() == depth + 1);  // the handle, or without a folder the tag left behind
        host.Pop();
    }

    while (input.remaining_bytes() > 0) {
        const std::size_t depth = host.Depth();
        if (input.ConsumeIntegralInRange<int>(0, 15) == 0) {
            host.CallWithoutStack(GetStr);
            Require(host.Depth() == depth);
            continue;
        }
        std::u16string key = ScriptString(input, 300);
        key = key.substr(0, static_cast<std::size_t>(stringSize - 1));  // what the host's entry holds
        host.Push(key);
        const std::u16string expected = ExpectedAnswer(key, stringSize);
        host.Call(GetStr);
        Require(host.Depth() == depth + 1);
        Require(host.Pop().value() == expected);
        if (input.ConsumeIntegralInRange<int>(0, 31) == 0) host.Call(Exit);
    }
    host.Call(Exit);
    return 0;
}
