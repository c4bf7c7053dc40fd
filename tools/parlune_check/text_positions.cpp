#include "text_positions.h"

#include <algorithm>

#include "utf8_text.h"

TextPositions::TextPositions(const std::string& bytes) : bytes_(bytes) {
    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') lineStarts_.push_back(i + 1);
    }
}

LineColumn TextPositions::At(std::size_t offset) const {
    offset = std::min(offset, bytes_.size());
    const auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const std::size_t line = static_cast<std::size_t>(next - lineStarts_.begin());
    std::size_t from = lineStarts_[line - 1];
    std::size_t column = 1;
    if (line == last_.line && offset >= lastOffset_) {
        from = lastOffset_;
        column = last_.column;
    }
    for (std::size_t i = from; i < offset; ++i) {
        if (StartsCharacter(static_cast<unsigned char>(bytes_[i]))) ++column;
    }
    lastOffset_ = offset;
    last_ = {line, column};
    return last_;
}
