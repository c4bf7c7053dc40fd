// A scratch folder of language files that disappears with the test.
#pragma once

#include <filesystem>
#include <string>

class LanguageFolder {
public:
    LanguageFolder();
    ~LanguageFolder();
    LanguageFolder(const LanguageFolder&) = delete;
    LanguageFolder& operator=(const LanguageFolder&) = delete;

    // Writes the bytes as they are; returns the file's path.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const;
    void Remove(const std::string& name) const;
    static void WriteFile(const std::string& utf8Path, const std::string& bytes);

    const std::filesystem::path& path() const { return path_; }
    std::u16string Wide() const;  // the folder's path as the host would pass it

private:
    std::filesystem::path path_;
};
