#include "host/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace ubaspring {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

FileBytes readFileBytes(const std::filesystem::path& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return {std::nullopt, std::strerror(errno)};
    }
    struct stat status {};
    if (::fstat(fileno(file.get()), &status) == 0 && S_ISDIR(status.st_mode)) {
        return {std::nullopt, std::strerror(EISDIR)};
    }
    std::string bytes;
    if (status.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(status.st_size));
    }
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, got);
    }
    if (std::ferror(file.get()) != 0) {
        return {std::nullopt, std::strerror(errno)};
    }
    return {std::move(bytes), {}};
}

} // namespace ubaspring
