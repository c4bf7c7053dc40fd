#include "support/language_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>

#include "support/host_simulator.h"

namespace {

std::atomic<int> folderCount{0};

}  // namespace

LanguageFolder::LanguageFolder() {
    const auto base = std::filesystem::temp_directory_path();
    // The clock keeps test processes that run side by side apart.
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = base / ("parlune-test-" + std::to_string(ticks) + "-" + std::to_string(folderCount++));
    std::filesystem::create_directories(path_);
}

LanguageFolder::~LanguageFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path LanguageFolder::Write(const std::string& name, const std::string& bytes) const {
    const auto file = path_ / std::filesystem::u8path(name);
    WriteFile(file.u8string(), bytes);
    return file;
}

void LanguageFolder::WriteFile(const std::string& utf8Path, const std::string& bytes) {
    std::ofstream out(std::filesystem::u8path(utf8Path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void LanguageFolder::Remove(const std::string& name) const { std::filesystem::remove(path_ / std::filesystem::u8path(name)); }

std::u16string LanguageFolder::Wide() const { return FromUtf8(path_.u8string()); }
