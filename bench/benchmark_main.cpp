// Runs every benchmark, then sets the parsers' speeds side by side: MB/s per
// input and the ratio of Parlune's document to each peer.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "benchmark_inputs.h"
#include "json_peers.h"
#include "language_text.h"
#include "parser_table.h"

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

// One figure per benchmark: the median when the run was repeated, the single
// run's value otherwise.
class Figures {
public:
    void Record(const benchmark::BenchmarkReporter::Run& run, double value) {
        using Run = benchmark::BenchmarkReporter::Run;
        const std::string name = run.run_name.str();
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            medians_[name] = value;
        } else if (run.run_type == Run::RT_Iteration) {
            singles_[name] = value;
        }
    }
    double Get(const std::string& name) const {
        const auto median = medians_.find(name);
        if (median != medians_.end()) return median->second;
        const auto single = singles_.find(name);
        return single != singles_.end() ? single->second : 0;
    }
    bool Empty() const { return medians_.empty() && singles_.empty(); }

private:
    std::map<std::string, double> medians_, singles_;
};

// Prints the usual table as the runs come, then the parse speeds side by side
// and the cost of one GetStr across document sizes.
class ComparingReporter : public benchmark::ConsoleReporter {
public:
    ComparingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            const auto speed = run.counters.find("bytes_per_second");
            if (name.rfind(kParsePrefix, 0) == 0 && speed != run.counters.end()) parse_.Record(run, speed->second.value / 1e6);
            const auto perCall = run.counters.find("per_GetStr");
            if (perCall != run.counters.end()) lookup_.Record(run, perCall->second.value * 1e9);
            if (name.rfind("InitOnly/", 0) == 0 || name.rfind("RapidJsonReadAndDom/", 0) == 0) {
                loading_.Record(run, run.GetAdjustedRealTime());
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (!parse_.Empty()) PrintParseTables();
        if (!lookup_.Empty()) PrintLookupTable();
        if (!loading_.Empty()) PrintLoadingTable();
    }

private:
    double Speed(const std::string& input, const std::string& parser) const {
        return parse_.Get(kParsePrefix + input + "/" + parser);
    }

    void PrintParseTables() const {
        PrintParserTable("\nParse and release, MB/s (higher is faster)", " %17.1f",
                         [this](const BenchmarkInput& input, const JsonParserUnderTest& parser) {
                             return Speed(input.name, parser.name);
                         });
        const auto& parsers = JsonParsersUnderTest();
        std::printf("\nParlune speed / peer speed (above 1: Parlune is faster)\n%-16s %-17s", "input", "Parlune");
        for (std::size_t peer = kFirstPeer; peer < parsers.size(); ++peer) std::printf(" %17s", parsers[peer].name);
        std::printf("\n");
        for (const BenchmarkInput& input : BenchmarkInputs()) {
            for (std::size_t ours = 1; ours < kFirstPeer; ++ours) {
                std::printf("%-16s %-17s", ours == 1 ? input.name.c_str() : "", parsers[ours].name);
                for (std::size_t peer = kFirstPeer; peer < parsers.size(); ++peer) {
                    const double theirs = Speed(input.name, parsers[peer].name);
                    std::printf(" %17.2f", theirs > 0 ? Speed(input.name, parsers[ours].name) / theirs : 0.0);
                }
                std::printf("\n");
            }
        }
    }

    void PrintLookupTable() const {
        std::printf("\nTime per GetStr, ns (and against 100 keys)\n%-8s %26s %26s\n", "keys",
                    "Init + GetStr every key", "GetStr every key");
        const double initBase = lookup_.Get("InitAndGetEveryKey/100"), sweepBase = lookup_.Get("GetEveryKey/100");
        for (const char* keys : {"100", "1000", "10000", "100000"}) {
            const double init = lookup_.Get(std::string("InitAndGetEveryKey/") + keys);
            const double sweep = lookup_.Get(std::string("GetEveryKey/") + keys);
            std::printf("%-8s %18.0f (%5.2fx) %18.0f (%5.2fx)\n", keys, init, initBase > 0 ? init / initBase : 0.0, sweep,
                        sweepBase > 0 ? sweep / sweepBase : 0.0);
        }
    }

    void PrintLoadingTable() const {
        std::printf("\nLoading en.json and de.json, ms: Init against RapidJSON (read + DOM)\n%-8s %10s %10s %10s %18s\n",
                    "keys", "file", "Init", "RapidJSON", "RapidJSON / Init");
        for (const char* keys : {"10", "100", "1000", "10000", "100000"}) {
            const double init = loading_.Get(std::string("InitOnly/") + keys);
            const double rapid = loading_.Get(std::string("RapidJsonReadAndDom/") + keys);
            const double kilobytes = static_cast<double>(MakeLanguageText(std::atoi(keys)).size()) / 1000;
            std::printf("%-8s %7.1f KB %10.3f %10.3f %18.2f\n", keys, kilobytes, init, rapid, init > 0 ? rapid / init : 0.0);
        }
    }

    Figures parse_, lookup_, loading_;
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
