// Growable NUL-terminated strings on the plug-in's heap: ByteString for UTF-8
// and file texts, WideString for UTF-16. Every operation that needs memory
// says whether it got it; when it did not, the string is as it was.
#pragma once

#include <cstddef>
#include <cstring>

#include "base/heap.h"

template <typename Unit>
class HeapString {
public:
    HeapString() = default;
    ~HeapString() { HeapRelease(units_); }
    HeapString(HeapString&& other) noexcept : units_(other.units_), length_(other.length_), capacity_(other.capacity_) {
        other.units_ = nullptr;
        other.length_ = other.capacity_ = 0;
    }
    HeapString& operator=(HeapString&& other) noexcept {
        if (this != &other) {
            HeapRelease(units_);
            units_ = other.units_;
            length_ = other.length_;
            capacity_ = other.capacity_;
            other.units_ = nullptr;
            other.length_ = other.capacity_ = 0;
        }
        return *this;
    }
    HeapString(const HeapString&) = delete;
    HeapString& operator=(const HeapString&) = delete;

    const Unit* c_str() const { return units_ != nullptr ? units_ : &kNoUnits; }
    const Unit* data() const { return c_str(); }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }
    Unit operator[](std::size_t index) const { return units_[index]; }
    Unit back() const { return units_[length_ - 1]; }

    // Room for length units and the terminator.
    bool Reserve(std::size_t length) {
        if (length + 1 == 0) return false;
        return GrowHeapBlock(reinterpret_cast<void**>(&units_), &capacity_, length + 1, sizeof(Unit));
    }
    // units must not lie inside this string.
    bool Append(const Unit* units, std::size_t count) {
        if (count > static_cast<std::size_t>(-1) - 1 - length_ || !Reserve(length_ + count)) return false;
        if (count != 0) std::memcpy(units_ + length_, units, count * sizeof(Unit));
        SetLength(length_ + count);
        return true;
    }
    bool Append(Unit unit) { return Append(&unit, 1); }
    bool Append(const HeapString& other) { return Append(other.c_str(), other.size()); }
    bool Assign(const Unit* units, std::size_t count) {
        if (!Reserve(count)) return false;
        length_ = 0;
        return Append(units, count);
    }

    // For a reader that fills the reserved room itself: the units past the
    // current length, then SetLength to what it wrote (at most what was reserved).
    Unit* Room() { return units_ + length_; }
    void SetLength(std::size_t length) {
        length_ = length;
        units_[length] = 0;
    }
    void Clear() {
        if (units_ != nullptr) SetLength(0);
    }

private:
    static constexpr Unit kNoUnits = 0;

    Unit* units_ = nullptr;
    std::size_t length_ = 0;
    std::size_t capacity_ = 0;  // in units, terminator included
};

using ByteString = HeapString<char>;
using WideString = HeapString<char16_t>;

// Length of a NUL-terminated UTF-16 text.
inline std::size_t WideLength(const char16_t* text) {
    std::size_t length = 0;
    while (text[length] != 0) ++length;
    return length;
}
