#include "file_reading.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

namespace fs = std::filesystem;

std::string WhyNoFile(const fs::path& path, const std::error_code& error) {
    if (error == std::errc::too_many_symbolic_link_levels) return "a symbolic link that loops";
    if (error == std::errc::no_such_file_or_directory) {
        std::error_code ignored;
        return fs::is_symlink(fs::symlink_status(path, ignored)) ? "a symbolic link to nothing" : "no such file";
    }
    if (error == std::errc::permission_denied) return "permission denied";
    return error.message();
}

std::string WhyNotRegular(fs::file_type type) {
    switch (type) {
    case fs::file_type::directory: return "a folder, not a file";
    case fs::file_type::fifo: return "a FIFO, not a file";
    case fs::file_type::socket: return "a socket, not a file";
    case fs::file_type::block:
    case fs::file_type::character: return "a device, not a file";
    default: return "not a regular file";
    }
}

std::string LastError(const char* fallback) {
    return errno != 0 ? std::generic_category().message(errno) : std::string(fallback);
}

}  // namespace

bool ReadWholeFile(const std::string& utf8Path, std::string& bytes, std::string& reason) {
    const fs::path path = fs::u8path(utf8Path);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        reason = error ? WhyNoFile(path, error) : "no such file";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        reason = WhyNotRegular(status.type());
        return false;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = LastError("it cannot be opened");
        return false;
    }
    bytes.clear();
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        reason = "reading failed: " + LastError("an input error");
        return false;
    }
    return true;
}
