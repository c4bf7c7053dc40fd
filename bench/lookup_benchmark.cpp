// What a script pays per text: Init on a folder whose files hold N keys, then
// GetStr for every key, through the exported functions as the host calls them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/host_simulator.h"
#include "json_peers.h"
#include "language_text.h"
#include "plugin/exports.h"

namespace {

namespace fs = std::filesystem;

struct LookupFolder {
    fs::path path;
    std::vector<std::u16string> keys;
};

// en.json and de.json with the same N keys, so every lookup finds its text in
// the language document.
const LookupFolder& FolderWithKeys(int keyCount) {
    static std::vector<std::pair<int, LookupFolder>> made;
    for (const auto& entry : made) {
        if (entry.first == keyCount) return entry.second;
    }
    LookupFolder folder;
    folder.path = fs::temp_directory_path() / ("parlune-lookup-benchmark-" + std::to_string(keyCount));
    fs::create_directories(folder.path);
    const std::string text = MakeLanguageText(keyCount);
    for (const char* name : {"en.json", "de.json"}) std::ofstream(folder.path / name, std::ios::binary) << text;
    for (int index = 0; index < keyCount; ++index) folder.keys.push_back(FromUtf8(LanguageKey(index)));
    made.emplace_back(keyCount, std::move(folder));
    return made.back().second;
}

void SetTimePerGetStr(benchmark::State& state, std::size_t keyCount) {
    state.counters["per_GetStr"] = benchmark::Counter(static_cast<double>(keyCount),
                                                      benchmark::Counter::kIsIterationInvariantRate |
                                                          benchmark::Counter::kInvert);
}

void InitAndGetEveryKey(benchmark::State& state) {
    const LookupFolder& folder = FolderWithKeys(static_cast<int>(state.range(0)));
    const std::u16string directory = FromUtf8(folder.path.u8string());
    HostSimulator host;
    for (auto _ : state) {
        host.CallInit(Init, directory, u"de-DE");
        for (const std::u16string& key : folder.keys) benchmark::DoNotOptimize(host.CallGetStr(GetStr, key));
        host.Call(Exit);
    }
    SetTimePerGetStr(state, folder.keys.size());
}
BENCHMARK(InitAndGetEveryKey)->RangeMultiplier(10)->Range(100, 100000)->Unit(benchmark::kMillisecond);

// Init alone, which reads and parses en.json and de.json, against reading and
// parsing the same two files with RapidJSON.
void InitOnly(benchmark::State& state) {
    const LookupFolder& folder = FolderWithKeys(static_cast<int>(state.range(0)));
    const std::u16string directory = FromUtf8(folder.path.u8string());
    HostSimulator host;
    for (auto _ : state) {
        benchmark::DoNotOptimize(host.CallInit(Init, directory, u"de-DE"));
        host.Call(Exit);
    }
}
// From about 1 KB (10 keys) to about 9 MB (100,000 keys).
BENCHMARK(InitOnly)->RangeMultiplier(10)->Range(10, 100000)->Unit(benchmark::kMillisecond);

void RapidJsonReadAndDom(benchmark::State& state) {
    const LookupFolder& folder = FolderWithKeys(static_cast<int>(state.range(0)));
    const std::string paths[] = {(folder.path / "en.json").string(), (folder.path / "de.json").string()};
    for (auto _ : state) {
        for (const std::string& path : paths) benchmark::DoNotOptimize(RapidJsonReadFileAndDom(path));
    }
}
BENCHMARK(RapidJsonReadAndDom)->RangeMultiplier(10)->Range(10, 100000)->Unit(benchmark::kMillisecond);

void GetEveryKey(benchmark::State& state) {
    const LookupFolder& folder = FolderWithKeys(static_cast<int>(state.range(0)));
    HostSimulator host;
    host.CallInit(Init, FromUtf8(folder.path.u8string()), u"de-DE");
    for (auto _ : state) {
        for (const std::u16string& key : folder.keys) benchmark::DoNotOptimize(host.CallGetStr(GetStr, key));
    }
    host.Call(Exit);
    SetTimePerGetStr(state, folder.keys.size());
}
BENCHMARK(GetEveryKey)->RangeMultiplier(10)->Range(100, 100000)->Unit(benchmark::kMillisecond);

}  // namespace
