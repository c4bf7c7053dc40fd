// Turns byte offsets of a file into line:column, as editors count them:
// lines from 1, columns from 1 in characters (each UTF-8 sequence one).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct LineColumn {
    std::size_t line;
    std::size_t column;
};

class TextPositions {
public:
    explicit TextPositions(const std::string& bytes);
    LineColumn At(std::size_t offset) const;

private:
    const std::string& bytes_;
    std::vector<std::size_t> lineStarts_;
    // Where the last answer left off: offsets asked in rising order, as a
    // check asks them, each count on from there, so a file on one line
    // stays linear.
    mutable std::size_t lastOffset_ = 0;
    mutable LineColumn last_{1, 1};
};
