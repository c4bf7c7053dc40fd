// The keys of one language file as GetStr sees them: names compare ignoring
// ASCII case, and the first member with a name decides, so a later one is
// hidden. Both tools count a file's texts this way, so they give one number.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class FileKeys {
public:
    static constexpr std::size_t kFirst = static_cast<std::size_t>(-1);

    // Takes the next member in text order. Returns kFirst for the first member
    // of its name, else the number of that first one (in the order of the
    // first members, from 0).
    std::size_t Add(const std::string& name, bool holdsString);

    // The texts GetStr finds: keys whose first member holds a string.
    std::size_t TextCount() const { return textCount_; }
    // Their names in ASCII lower case, in text order.
    std::vector<std::string> FoundKeys() const;

private:
    std::unordered_map<std::string, std::size_t> first_;
    std::vector<std::pair<std::string, bool>> keys_;  // folded name, holds a string
    std::size_t textCount_ = 0;
};

// The keys of a language file's text, read with the installer's parser; empty
// when the text is not a JSON object.
FileKeys ReadFileKeys(const std::string& text);
