#include "json/json_document.h"

#include "json/json_parser.h"

CJSonObject::CJSonObject(const std::string& text)
    : indexedCursor(indexedChildren.end()), namedCursor(namedChildren.end()) {
    Parse(text.c_str());
}

CJSonObject::~CJSonObject() { Clear(); }

bool CJSonObject::Parse(const char* text) {
    Clear();
    root = ParseJsonText(text, &errorPosition);
    traversalCursor = root;
    if (root != nullptr) return true;
    // Without a position (no memory) the message is the prefix alone.
    errorMessage = kParseErrorPrefix;
    if (errorPosition != nullptr) errorMessage += errorPosition;
    return false;
}

void CJSonObject::Clear() {
    externalNode = nullptr;
    traversalCursor = nullptr;
    FreeJsonTree(root);
    root = nullptr;
    for (auto& entry : indexedChildren) {
        delete entry.second;
        entry.second = nullptr;
    }
    indexedChildren.clear();
    indexedCursor = indexedChildren.end();
    for (auto& entry : namedChildren) {
        delete entry.second;
        entry.second = nullptr;
    }
    namedChildren.clear();
    namedCursor = namedChildren.end();
}

bool CJSonObject::GetStringValue(const std::string& key, std::string& value) const {
    const JsonNode* searched = root != nullptr ? root : externalNode;
    if (searched == nullptr || searched->kind != JsonKind::Object) return false;
    for (const JsonNode* member = searched->firstChild; member != nullptr; member = member->nextSibling) {
        if (CaseInsensitiveCompare(member->memberName, key.c_str()) != 0) continue;
        if (member->kind != JsonKind::String) return false;
        value = member->stringValue;
        return true;
    }
    return false;
}
