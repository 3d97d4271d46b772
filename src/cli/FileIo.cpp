#include "cli/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace zenbelts::cli {

namespace fs = std::filesystem;

namespace {

std::string ErrnoText(int code)
{
    std::string text = std::strerror(code);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

bool ReadFileBytes(const fs::path& path, std::vector<std::uint8_t>& bytes, std::string& error)
{
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "it is a folder, not a file";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot open it: " + ErrnoText(errno);
        return false;
    }
    bytes.clear();
    std::uint8_t buffer[4096];
    std::size_t n;
    // A set-up is 544 bytes; nothing past a few kilobytes is ever needed.
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0 && bytes.size() < (1u << 20))
        bytes.insert(bytes.end(), buffer, buffer + n);
    const bool failed = std::ferror(file);
    const int code = errno;
    std::fclose(file);
    if (failed) {
        error = "cannot read it: " + ErrnoText(code);
        return false;
    }
    return true;
}

bool WriteFileAtomically(const fs::path& path, const std::vector<std::uint8_t>& bytes,
                         std::string& error)
{
    std::random_device random;
    fs::path temporary = path;
    temporary += ".tmp" + std::to_string(random() % 1000000);

    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file) {
        error = "cannot write it: " + ErrnoText(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int code = errno;
    const bool closed = std::fclose(file) == 0;
    if (!closed)
        code = errno;
    std::error_code ec;
    if (written && closed) {
        fs::rename(temporary, path, ec);
        if (!ec)
            return true;
        error = "cannot write it: " + ec.message();
    } else {
        error = "cannot write it: " + ErrnoText(code);
    }
    fs::remove(temporary, ec);
    return false;
}

}  // namespace zenbelts::cli
