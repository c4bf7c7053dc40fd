#include "json/json_document.h"

#include <cstring>

CJSonObject::CJSonObject(const char* text, std::size_t length) { ParseText(text, length); }

CJSonObject::CJSonObject(const char* text) { Parse(text); }

CJSonObject::~CJSonObject() { Clear(); }

CJSonObject* CJSonObject::Create(const ByteString& text) { return new (HeapTag{}) CJSonObject(text); }

bool CJSonObject::Parse(const char* text) { return ParseText(text, text != nullptr ? std::strlen(text) : 0); }

bool CJSonObject::ParseText(const char* text, std::size_t length) {
    Clear();
    root = ParseJsonText(text, length, arena, parseStop);
    traversalCursor = root;
    if (root != nullptr) return true;
    // Without a syntax stop (no memory, no text) the message is the prefix
    // alone, and so it is for a string left open, found at the end of the
    // text; without memory for the message it stays empty, which nothing in
    // the plug-in reads.
    const bool atTextEnd = parseStop.code == JsonStop::UnterminatedString;
    if (errorMessage.Assign(kParseErrorPrefix, sizeof kParseErrorPrefix - 1) &&
        parseStop.code >= JsonStop::ExpectedValue && !atTextEnd) {
        const char* position = text + parseStop.offset;
        errorMessage.Append(position, std::strlen(position));
    }
    return false;
}

void CJSonObject::Clear() {
    externalNode = nullptr;
    traversalCursor = nullptr;
    memberIndex.Clear();
    indexAttempted = false;
    root = nullptr;
    arena.Release();
    ReleaseChildren();
}

void CJSonObject::ReleaseChildren() {
    for (IndexedChild& entry : indexedChildren) {
        delete entry.child;
        entry.child = nullptr;
    }
    indexedChildren.Release();
    indexedCursor = indexedChildren.size();
    for (NamedChild& entry : namedChildren) {
        delete entry.child;
        entry.child = nullptr;
        HeapRelease(entry.key);
    }
    namedChildren.Release();
    namedCursor = namedChildren.size();
}

const char* CJSonObject::FindStringValue(const char* key) const {
    const JsonNode* searched = root != nullptr ? root : externalNode;
    if (searched == nullptr || searched->kind != JsonKind::Object) return nullptr;
    // The index is built at the first lookup: the base document of a complete
    // translation is never asked, and never pays for one.
    if (searched == root && !indexAttempted) {
        indexAttempted = true;
        memberIndex.Build(root);
    }
    const JsonNode* match = nullptr;
    if (searched == root && memberIndex.Built()) {
        match = memberIndex.Find(key);
    } else {
        match = searched->firstChild;
        while (match != nullptr && CaseInsensitiveCompare(match->memberName, key) != 0) match = match->nextSibling;
    }
    if (match == nullptr || match->kind != JsonKind::String) return nullptr;
    return match->stringValue;
}

bool CJSonObject::GetStringValue(const ByteString& key, ByteString& value) const {
    const char* found = FindStringValue(key.c_str());
    return found != nullptr && value.Assign(found, std::strlen(found));
}
