// Runs every benchmark, then sets the parsers' speeds side by side: MB/s per
// input and the ratio of Parlune's document to each peer.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "benchmark_inputs.h"
#include "json_peers.h"

namespace {

const char kParsePrefix[] = "Parse/";

void RegisterParseBenchmarks() {
    for (const BenchmarkInput& input : BenchmarkInputs()) {
        for (const JsonParserUnderTest& parser : JsonParsersUnderTest()) {
            const std::string name = std::string(kParsePrefix) + input.name + "/" + parser.name;
            benchmark::RegisterBenchmark(name.c_str(), [&input, &parser](benchmark::State& state) {
                for (auto _ : state) {
                    for (const std::string& text : input.texts) benchmark::DoNotOptimize(parser.parseAndRelease(text));
                }
                state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.bytes));
            })->Unit(benchmark::kMicrosecond);
        }
    }
}

// Keeps the parse speeds as they are reported and prints the comparison last.
class ComparingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const auto speed = run.counters.find("bytes_per_second");
            if (name.rfind(kParsePrefix, 0) != 0 || speed == run.counters.end() || run.run_type != Run::RT_Iteration) continue;
            const std::string rest = name.substr(sizeof(kParsePrefix) - 1);
            const std::size_t slash = rest.find('/');
            megabytesPerSecond_[rest.substr(0, slash)][rest.substr(slash + 1)] = speed->second.value / 1e6;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (megabytesPerSecond_.empty()) return;
        const auto& parsers = JsonParsersUnderTest();
        std::printf("\nParse and release, MB/s (higher is faster)\n%-16s", "input");
        for (const auto& parser : parsers) std::printf(" %17s", parser.name);
        std::printf("\n");
        for (const BenchmarkInput& input : BenchmarkInputs()) {
            std::printf("%-16s", input.name.c_str());
            for (const auto& parser : parsers) std::printf(" %17.1f", Speed(input.name, parser.name));
            std::printf("\n");
        }
        std::printf("\nParlune document speed / peer speed (above 1: Parlune is faster)\n%-16s", "input");
        for (std::size_t peer = 2; peer < parsers.size(); ++peer) std::printf(" %17s", parsers[peer].name);
        std::printf("\n");
        for (const BenchmarkInput& input : BenchmarkInputs()) {
            std::printf("%-16s", input.name.c_str());
            const double ours = Speed(input.name, parsers[1].name);
            for (std::size_t peer = 2; peer < parsers.size(); ++peer) {
                const double theirs = Speed(input.name, parsers[peer].name);
                std::printf(" %17.2f", theirs > 0 ? ours / theirs : 0.0);
            }
            std::printf("\n");
        }
    }

private:
    double Speed(const std::string& input, const std::string& parser) const {
        const auto row = megabytesPerSecond_.find(input);
        if (row == megabytesPerSecond_.end()) return 0;
        const auto cell = row->second.find(parser);
        return cell == row->second.end() ? 0 : cell->second;
    }

    std::map<std::string, std::map<std::string, double>> megabytesPerSecond_;
};

}  // namespace

int main(int argc, char** argv) {
    RegisterParseBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
