// The inputs every parser reads in the comparisons: generated files of four
// sizes and the example installer's files.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct BenchmarkInput {
    std::string name;
    std::vector<std::string> texts;  // parsed one after the other
    std::size_t bytes;
};

const std::vector<BenchmarkInput>& BenchmarkInputs();
