#include "plugin/settings_file.h"

#include "platform/profile.h"

#include <climits>

#if !defined(_WIN32)
#include "platform/ini_text.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#endif

namespace stats {
namespace {

#if !defined(_WIN32)
// True when storing the value would give the file exactly the bytes it has: then the write, a
// whole new file and a rename, is left out. Intake writes "Mode" on every QSO, and that value
// rarely changes. A value already stored in another spelling ("mode = CW") still gets written,
// since storing it also brings its line into the written form.
bool storingChangesNothing(const std::string& path, std::string_view section, std::string_view key,
                           std::string_view value) {
    std::string native = path;
    for (char& c : native) {
        c = c == '\\' ? '/' : c;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(native, error)) {
        return false;
    }
    std::ifstream in(native, std::ios::binary);
    if (!in) {
        return false;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ini::store(content, section, key, value) == content;
}
#else
// The system's profile functions keep their own file format; every write goes to them.
bool storingChangesNothing(const std::string&, std::string_view, std::string_view,
                           std::string_view) {
    return false;
}
#endif

} // namespace

int parseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

std::string SettingsFile::readText(std::string_view key, std::string_view fallback) const {
    return platform::readProfileString(section_, key, fallback, path_);
}

int SettingsFile::readInt(std::string_view key) const {
    return parseLeadingInt(readText(key));
}

void SettingsFile::writeText(std::string_view key, std::string_view value) const {
    if (storingChangesNothing(path_, section_, key, value)) {
        return;
    }
    platform::writeProfileString(section_, key, value, path_);
}

void SettingsFile::writeInt(std::string_view key, int value) const {
    writeText(key, std::to_string(value));
}

} // namespace stats
