// The document that the plug-in keeps for one loaded language file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/heap.h"
#include "base/heap_array.h"
#include "base/heap_string.h"
#include "json/json_arena.h"
#include "json/json_node.h"
#include "json/json_parser.h"
#include "json/member_index.h"

// A rejected text's message: this prefix, then the text from where parsing stopped.
constexpr char kParseErrorPrefix[] = "prase json string error at ";

class CJSonObject {
public:
    // Never fails for bad text: a text that does not parse gives a document
    // that finds no key. The parser sees text[0, length) up to its first NUL;
    // text[length] must be a readable NUL.
    CJSonObject(const char* text, std::size_t length);
    explicit CJSonObject(const ByteString& text) : CJSonObject(text.c_str(), text.size()) {}
    explicit CJSonObject(const char* text);
    virtual ~CJSonObject();

    CJSonObject(const CJSonObject&) = delete;
    CJSonObject& operator=(const CJSonObject&) = delete;

    // A document on the plug-in's heap, or null when memory runs out. Released
    // with delete, through the virtual destructor.
    static CJSonObject* Create(const ByteString& text);
    static void* operator new(std::size_t bytes, HeapTag) noexcept { return HeapAllocate(bytes); }
    static void operator delete(void* block) { HeapRelease(block); }
    static void operator delete(void* block, HeapTag) { HeapRelease(block); }

    // Looks up a top-level member of an object root, ignoring ASCII case. The
    // first member with a matching name decides: when it holds a string, the
    // answer is its NUL-terminated bytes, owned by the document; otherwise
    // null. The first lookup builds an index that answers this and every later
    // one in constant time; without memory for it, the members are walked with
    // the same result.
    const char* FindStringValue(const char* key) const;

    // The same answer copied into value. False when the key finds no string,
    // and when value cannot hold it for lack of memory; value then stays as
    // it was.
    bool GetStringValue(const ByteString& key, ByteString& value) const;

    bool Parse(const char* text);
    void Clear();

    const JsonNode* Root() const { return root; }
    // Empty while the document has a tree; for a rejected text, the prefix
    // and as much of the rest as memory allowed.
    const ByteString& ErrorMessage() const { return errorMessage; }

private:
    // Child documents under a number or a name. Nothing in the plug-in adds
    // one; the document owns whatever they hold and releases it in Clear.
    struct IndexedChild {
        std::uint32_t key;
        CJSonObject* child;
    };
    struct NamedChild {
        char* key;  // owned, NUL-terminated
        CJSonObject* child;
    };

    bool ParseText(const char* text, std::size_t length);
    void ReleaseChildren();

    JsonArena arena;  // holds every node and decoded string of the tree
    JsonNode* root = nullptr;
    JsonNode* externalNode = nullptr;  // searched when root is null; nothing sets it
    JsonNode* traversalCursor = nullptr;
    JsonParseStop parseStop;
    ByteString errorMessage;
    // Over the root's members; built by the first lookup, which is why a const
    // lookup may change them.
    mutable MemberIndex memberIndex;
    mutable bool indexAttempted = false;
    // In ascending key order; a cursor at the array's size stands at its end.
    HeapArray<IndexedChild> indexedChildren;
    std::size_t indexedCursor = 0;
    HeapArray<NamedChild> namedChildren;
    std::size_t namedCursor = 0;
};
