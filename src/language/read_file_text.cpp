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
    long size = 0;
    const OpenFile file(platform::OpenFileForReading(utf8Path, &size));
    if (file.get() == nullptr || size <= 0 || !text.Reserve(static_cast<std::size_t>(size))) return;
    // Read once and whole, straight into the text: the stream needs no buffer.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    // Only the bytes read count, and the text ends at the first zero among them.
    const std::size_t read = std::fread(text.Room(), 1, static_cast<std::size_t>(size), file.get());
    const void* zero = std::memchr(text.Room(), '\0', read);
    text.SetLength(zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - text.c_str()) : read);
}
