#include "plugin/settings_file.h"

#include "platform/profile.h"
#include "platform/text.h"

#include <climits>

namespace stats {

int parseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text::isBlank(text[i])) {
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
    platform::writeProfileString(section_, key, value, path_);
}

void SettingsFile::writeInt(std::string_view key, int value) const {
    writeText(key, std::to_string(value));
}

} // namespace stats
