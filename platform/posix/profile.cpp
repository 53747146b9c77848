// Private-profile files on POSIX systems, with the semantics of the Windows functions. A write
// replaces the file atomically (a temporary file in the same folder, then rename), so a process
// killed at any moment leaves either the old or the new settings.
#include "platform/profile.h"
#include "platform/ini_text.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace stats::platform {
namespace {

std::string nativePath(std::string_view path) {
    std::string native(path);
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return native;
}

std::optional<std::string> readFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string content;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return content;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view fallback, std::string_view path) {
    const std::optional<std::string> content = readFile(nativePath(path));
    if (!content) {
        return std::string(fallback);
    }
    return ini::find(*content, section, key).value_or(std::string(fallback));
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view path) {
    const std::string target = nativePath(path);
    mode_t mode = 0644;
    struct stat status {};
    std::string content;
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (exists) {
        // A file without write permission counts as read-only, for root too, as on Windows.
        if (!S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0) {
            return false;
        }
        mode = status.st_mode & 07777;
        std::optional<std::string> existing = readFile(target);
        if (!existing) {
            return false; // never replace a file whose content could not be read
        }
        content = std::move(*existing);
    }
    const std::string updated = ini::store(content, section, key, value);
    if (exists && updated == content) {
        return true; // already stored in the written form: a new file would be the same bytes
    }

    std::string temporary = folderOf(target) + "/.settings-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    bool stored = ::fchmod(fd, mode) == 0 && writeAll(fd, updated);
    stored = (::close(fd) == 0) && stored;
    stored = stored && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!stored) {
        ::unlink(temporary.c_str());
    }
    return stored;
}

} // namespace stats::platform
