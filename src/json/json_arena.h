// Where a document's nodes and decoded strings live: a few large blocks from
// the plug-in's heap, handed out front to back and released all at once, so
// a large file costs a handful of allocations instead of three per member.
#pragma once

#include <cstddef>

// The smallest block, for short texts and for a tree that outgrows the first
// block sized from its text.
constexpr std::size_t kFirstArenaBlock = 4096;
// The first block holds this many bytes per byte of text: a language file's
// nodes, names and texts take about 1.7.
constexpr std::size_t kArenaBytesPerTextByte = 2;
// A larger request is refused without asking the heap, which keeps the block
// sizes' doubling from overflowing.
constexpr std::size_t kLargestArenaRequest = static_cast<std::size_t>(-1) / 4;

class JsonArena {
public:
    JsonArena() = default;
    ~JsonArena() { Release(); }
    JsonArena(const JsonArena&) = delete;
    JsonArena& operator=(const JsonArena&) = delete;

    // Sizes the first block for a text of length bytes; no effect once a
    // block is taken.
    void ExpectText(std::size_t length);

    // bytes of memory, aligned for a JsonNode, that stay until Release; null
    // when memory runs out. Each block after the first is twice
    // the one before, or as large as the request needs.
    void* Allocate(std::size_t bytes);

    void Release();

private:
    void* AllocateFromNewBlock(std::size_t bytes);

    void* newestBlock_ = nullptr;  // each block starts with the address of the one before
    char* free_ = nullptr;
    char* end_ = nullptr;
    std::size_t nextBlockBytes_ = kFirstArenaBlock;
};
