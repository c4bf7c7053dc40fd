// Peak heap bytes per input byte for each parser on each input: one parse
// of each file from a cold start, as an installer parses it, counted from the
// first allocation to the release of the tree. Then what one Init asks of the
// heap for en.json and de.json of each size.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "benchmark_inputs.h"
#include "heap_counter.h"
#include "json_peers.h"
#include "language_text.h"
#include "parser_table.h"
#include "plugin/exports.h"
#include "support/host_simulator.h"

namespace {

void PrintInitRequests() {
    namespace fs = std::filesystem;
    std::printf("\nHeap requests and peak bytes of one Init (en.json and de.json, the first lookup's index)\n"
                "%-8s %10s %10s %14s\n", "keys", "file", "requests", "peak / byte");
    HostSimulator host;
    for (int keys : {10, 100, 1000, 10000, 100000}) {
        const fs::path folder = fs::temp_directory_path() / ("parlune-heap-usage-" + std::to_string(keys));
        fs::create_directories(folder);
        const std::string text = MakeLanguageText(keys);
        for (const char* name : {"en.json", "de.json"}) std::ofstream(folder / name, std::ios::binary) << text;
        StartHeapCount();
        host.CallInit(Init, FromUtf8(folder.u8string()), u"de-DE");
        host.CallGetStr(GetStr, FromUtf8(LanguageKey(0)));
        const std::size_t peak = StopHeapCount();
        const long requests = CountedRequests();
        host.Call(Exit);
        std::printf("%-8d %7.1f KB %10ld %14.2f\n", keys, static_cast<double>(text.size()) / 1000, requests,
                    static_cast<double>(peak) / static_cast<double>(2 * text.size()));
        fs::remove_all(folder);
    }
}

}  // namespace

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
    PrintInitRequests();
    return 0;
}
