#include "file_keys.h"

#include "ascii_case.h"
#include "json/json_parser.h"

std::size_t FileKeys::Add(const std::string& name, bool holdsString) {
    std::string folded = AsciiLower(name);
    const auto found = first_.find(folded);
    if (found != first_.end()) return found->second;
    first_.emplace(folded, keys_.size());
    keys_.emplace_back(std::move(folded), holdsString);
    textCount_ += holdsString ? 1 : 0;
    return kFirst;
}

std::vector<std::string> FileKeys::FoundKeys() const {
    std::vector<std::string> found;
    for (const auto& key : keys_) {
        if (key.second) found.push_back(key.first);
    }
    return found;
}

FileKeys ReadFileKeys(const std::string& text) {
    FileKeys keys;
    JsonArena arena;
    JsonParseStop stop;
    const JsonNode* root = ParseJsonText(text.c_str(), text.size(), arena, stop);
    if (root == nullptr || root->kind != JsonKind::Object) return keys;
    for (const JsonNode* member = root->firstChild; member != nullptr; member = member->nextSibling) {
        keys.Add(member->memberName, member->kind == JsonKind::String);
    }
    return keys;
}
