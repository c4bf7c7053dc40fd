// The document that the plug-in keeps for one loaded language file.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "json/json_node.h"
#include "json/member_index.h"

// A rejected text's message: this prefix, then the text from where parsing stopped.
constexpr char kParseErrorPrefix[] = "prase json string error at ";

class CJSonObject {
public:
    // Never fails for bad text: a text that does not parse gives a document
    // that finds no key. Only std::bad_alloc can leave the constructor.
    explicit CJSonObject(const std::string& text);
    virtual ~CJSonObject();

    CJSonObject(const CJSonObject&) = delete;
    CJSonObject& operator=(const CJSonObject&) = delete;

    // Looks up a top-level member of an object root, ignoring ASCII case. The
    // first member with a matching name decides: when it holds a string, value
    // receives its bytes and the answer is true; otherwise value is untouched.
    // The first lookup builds an index that answers this and every later one
    // in constant time; without memory for it, the members are walked with
    // the same result.
    bool GetStringValue(const std::string& key, std::string& value) const;

    bool Parse(const char* text);
    void Clear();

    const JsonNode* Root() const { return root; }
    const std::string& ErrorMessage() const { return errorMessage; }

private:
    bool ParseText(const char* text, std::size_t length);

    JsonNode* root = nullptr;
    JsonNode* externalNode = nullptr;  // searched when root is null; nothing sets it
    JsonNode* traversalCursor = nullptr;
    const char* errorPosition = nullptr;  // valid only while Parse runs
    std::string errorMessage;
    // Over the root's members; built by the first lookup, which is why a const
    // lookup may change them.
    mutable MemberIndex memberIndex;
    mutable bool indexAttempted = false;
    std::map<std::uint32_t, CJSonObject*> indexedChildren;
    std::map<std::uint32_t, CJSonObject*>::iterator indexedCursor;
    std::map<std::string, CJSonObject*> namedChildren;
    std::map<std::string, CJSonObject*>::iterator namedCursor;
};
