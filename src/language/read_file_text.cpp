#include "language/read_file_text.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "platform/platform.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string ReadFileText(const std::string& utf8Path) {
    const std::unique_ptr<std::FILE, FileCloser> file(platform::OpenFileForReading(utf8Path));
    if (!file) return std::string();
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return std::string();
    const long size = std::ftell(file.get());
    std::fseek(file.get(), 0, SEEK_SET);
    if (size <= 0) return std::string();

    std::string text;
    try {
        text.assign(static_cast<std::size_t>(size), '\0');
    } catch (const std::bad_alloc&) {
        return std::string();
    }
    // A short read leaves zeros behind, and the text ends at the first zero.
    std::fread(&text[0], 1, text.size(), file.get());
    text.resize(std::strlen(text.c_str()));
    return text;
}
