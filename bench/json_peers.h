// The same job done by Parlune's parser and by the JSON libraries an
// installer author could pick instead: read a language file's text into a
// tree and release it again.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct JsonParserUnderTest {
    const char* name;
    // Parses text, releases what it built; returns a number taken from the
    // tree, so that the work cannot be optimized away.
    std::size_t (*parseAndRelease)(const std::string& text);
    // The same from a cold start: for a parser that keeps buffers between
    // documents, with a new parser.
    std::size_t (*parseOnce)(const std::string& text);
};

// Parlune's entries first: the bare parser, the document, and the document
// with the index its first lookup builds; then the peers.
constexpr std::size_t kFirstPeer = 3;
const std::vector<JsonParserUnderTest>& JsonParsersUnderTest();

// What an installer would do with RapidJSON instead of Init: read the file
// whole and build its DOM. Returns its member count, 0 when it does not parse.
std::size_t RapidJsonReadFileAndDom(const std::string& path);
