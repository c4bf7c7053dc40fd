#include "json/json_document.h"

#include <cstring>

#include "json/json_parser.h"

CJSonObject::CJSonObject(const std::string& text)
    : indexedCursor(indexedChildren.end()), namedCursor(namedChildren.end()) {
    // The string knows its length, so the parser need not look for its end.
    ParseText(text.c_str(), text.size());
}

CJSonObject::~CJSonObject() { Clear(); }

bool CJSonObject::Parse(const char* text) { return ParseText(text, text != nullptr ? std::strlen(text) : 0); }

bool CJSonObject::ParseText(const char* text, std::size_t length) {
    Clear();
    root = ParseJsonText(text, length, &errorPosition);
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
    memberIndex.Clear();
    indexAttempted = false;
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
    // The index is built at the first lookup: the base document of a complete
    // translation is never asked, and never pays for one.
    if (searched == root && !indexAttempted) {
        indexAttempted = true;
        memberIndex.Build(root);
    }
    const JsonNode* match = nullptr;
    if (searched == root && memberIndex.Built()) {
        match = memberIndex.Find(key.c_str());
    } else {
        match = searched->firstChild;
        while (match != nullptr && CaseInsensitiveCompare(match->memberName, key.c_str()) != 0) match = match->nextSibling;
    }
    if (match == nullptr || match->kind != JsonKind::String) return false;
    value = match->stringValue;
    return true;
}
