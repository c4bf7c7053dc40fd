// Peak heap bytes per input byte for each parser on each input: one parse
// of each file from a cold start, as an installer parses it, counted from the
// first allocation to the release of the tree.
#include <cstdio>

#include "benchmark_inputs.h"
#include "heap_counter.h"
#include "json_peers.h"

int main() {
    const auto& parsers = JsonParsersUnderTest();
    std::printf("Peak heap bytes per input byte (one parse, tree released)\n%-16s", "input");
    for (const auto& parser : parsers) std::printf(" %17s", parser.name);
    std::printf("\n");
    for (const BenchmarkInput& input : BenchmarkInputs()) {
        std::printf("%-16s", input.name.c_str());
        for (const auto& parser : parsers) {
            // Each file's peak, summed over the input's files.
            std::size_t peaks = 0;
            for (const std::string& text : input.texts) {
                StartHeapCount();
                parser.parseOnce(text);
                peaks += StopHeapCount();
            }
            std::printf(" %17.2f", static_cast<double>(peaks) / static_cast<double>(input.bytes));
        }
        std::printf("\n");
    }
    return 0;
}
