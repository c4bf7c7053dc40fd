// A growable array on the plug-in's heap, for elements that may be moved
// byte by byte (no constructors or destructors run).
#pragma once

#include <cstddef>
#include <cstring>

#include "base/heap.h"

template <typename Item>
class HeapArray {
public:
    HeapArray() = default;
    ~HeapArray() { HeapRelease(items_); }
    HeapArray(const HeapArray&) = delete;
    HeapArray& operator=(const HeapArray&) = delete;

    // New items are zero-filled; false (array unchanged) when memory runs out.
    bool Resize(std::size_t count) {
        if (!GrowHeapBlock(reinterpret_cast<void**>(&items_), &capacity_, count, sizeof(Item))) return false;
        if (count > size_) std::memset(static_cast<void*>(items_ + size_), 0, (count - size_) * sizeof(Item));
        size_ = count;
        return true;
    }
    bool Append(const Item& item) {
        if (!GrowHeapBlock(reinterpret_cast<void**>(&items_), &capacity_, size_ + 1, sizeof(Item))) return false;
        items_[size_++] = item;
        return true;
    }
    // Gives the memory back, too.
    void Release() {
        HeapRelease(items_);
        items_ = nullptr;
        size_ = capacity_ = 0;
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Item& operator[](std::size_t index) { return items_[index]; }
    const Item& operator[](std::size_t index) const { return items_[index]; }
    Item* begin() { return items_; }
    Item* end() { return items_ + size_; }
    const Item* begin() const { return items_; }
    const Item* end() const { return items_ + size_; }

private:
    Item* items_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};
