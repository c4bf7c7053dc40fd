// parlune-check on a large folder: 60 language files of 5,000 keys each.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "folder_check.h"
#include "language/language_code_table.h"

namespace {

namespace fs = std::filesystem;

constexpr int kKeysPerFile = 5000;

// Writes every language file the table names, each translating every key.
fs::path MakeFolder() {
    const fs::path folder = fs::temp_directory_path() / "parlune-check-benchmark";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string previous;
    for (const LanguageCodeRow& row : LanguageCodeRows()) {
        if (previous == row.baseName) continue;
        previous = row.baseName;
        std::ofstream out(folder / (previous + ".json"), std::ios::binary);
        out << "{\n";
        for (int key = 0; key < kKeysPerFile; ++key) {
            out << "  \"Page" << key / 20 << "Text" << key % 20 << "\": \"" << previous << " text number " << key
                << " with an accent \\u00e9 and \\\"quotes\\\"\"" << (key + 1 < kKeysPerFile ? ",\n" : "\n");
        }
        out << "}\n";
    }
    return folder;
}

void CheckLargeFolder(benchmark::State& state) {
    static const fs::path folder = MakeFolder();
    std::size_t files = 0;
    for (auto _ : state) {
        const FolderReport report = CheckFolder(folder.u8string(), 1024);
        files = report.files.size();
        benchmark::DoNotOptimize(report.warnings);
    }
    state.counters["files"] = static_cast<double>(files);
    state.counters["keys_per_file"] = kKeysPerFile;
}
BENCHMARK(CheckLargeFolder)->Unit(benchmark::kMillisecond);

}  // namespace

