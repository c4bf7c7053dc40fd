// The document: lookups with keys taken from the input must answer exactly
// what a plain walk of the tree answers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "json/json_document.h"
#include "json/json_parser.h"
#include "std_interop.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The first top-level member whose name equals key ignoring ASCII case decides.
bool PlainLookup(const JsonNode* root, const std::string& key, std::string& value) {
    if (root == nullptr || root->kind != JsonKind::Object) return false;
    for (const JsonNode* member = root->firstChild; member != nullptr; member = member->nextSibling) {
        std::string a = member->memberName, b = key.c_str();
        for (char& c : a) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        for (char& c : b) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (a != b) continue;
        if (member->kind != JsonKind::String) return false;
        value = member->stringValue;
        return true;
    }
    return false;
}

}  // namespace

// The input is the text; the keys are its member names, parts of them in
// other letter case, and a few fixed ones.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CJSonObject document = Document(text);
    JsonArena arena;
    JsonParseStop stop;
    JsonNode* tree = ParseJsonText(text.c_str(), arena, stop);
    Require((tree == nullptr) == (document.Root() == nullptr));
    Require(document.Root() != nullptr || StdString(document.ErrorMessage()).rfind("prase json string error at ", 0) == 0);

    std::vector<std::string> keys = {"", "a", "Title", text.substr(0, 8)};
    if (tree != nullptr && tree->kind == JsonKind::Object) {
        for (const JsonNode* member = tree->firstChild; member != nullptr && keys.size() < 64; member = member->nextSibling) {
            std::string upper = member->memberName;
            for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
            keys.push_back(member->memberName);
            keys.push_back(upper);
        }
    }
    for (const std::string& key : keys) {
        std::string expected = "untouched";
        ByteString actual = HeapCopy("untouched");
        const bool expectedFound = PlainLookup(tree, key, expected);
        Require(document.GetStringValue(HeapCopy(key), actual) == expectedFound);
        Require(StdString(actual) == expected);
    }
    return 0;
}
