#include "language/read_file_text.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

namespace {

class OpenFile {
public:
    explicit OpenFile(std::FILE* file) : file_(file) {}
    ~OpenFile() {
        if (file_ != nullptr) std::fclose(file_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    std::FILE* get() const { return file_; }

private:
    std::FILE* file_;
};

}  // namespace

void ReadFileText(const char* utf8Path, ByteString& text) {
    text.Clear();
    const OpenFile file(platform::OpenFileForReading(utf8Path));
    if (file.get() == nullptr) return;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return;
    const long size = std::ftell(file.get());
    std::fseek(file.get(), 0, SEEK_SET);
    if (size <= 0 || !text.Reserve(static_cast<std::size_t>(size))) return;
    // Only the bytes read count, and the text ends at the first zero among them.
    const std::size_t read = std::fread(text.Room(), 1, static_cast<std::size_t>(size), file.get());
    const void* zero = std::memchr(text.Room(), '\0', read);
    text.SetLength(zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - text.c_str()) : read);
}
