// Peak heap bytes per input byte for each parser on each input: one parse
// of each file from a cold start, as an installer parses it, counted from the
// first allocation to the release of the tree.
#include <cstdio>

#include "benchmark_inputs.h"
#include "heap_counter.h"
#include "json_peers.h"
#include "parser_table.h"

int main() {
    PrintParserTable("Peak heap bytes per input byte (one parse, tree released)", " %17.2f",
                     [](const BenchmarkInput& input, const JsonParserUnderTest& parser) {
                         // Each file's peak, summed over the input's files.
                         std::size_t peaks = 0;
                         for (const std::string& text : input.texts) {
                             StartHeapCount();
                             parser.parseOnce(text);
                             peaks += StopHeapCount();
                         }
                         return static_cast<double>(peaks) / static_cast<double>(input.bytes);
                     });
    return 0;
}
