#include "platform/ini_text.h"

#include "platform/text.h"

#include <vector>

namespace stats::ini {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using text::equalIgnoringCase;
using text::trim;

// One line of the file, its terminator included.
struct Line {
    std::string_view raw;
    std::string_view body() const { return trim(raw); }
};

std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        const std::size_t length = end == std::string_view::npos ? content.size() : end + 1;
        lines.push_back({content.substr(0, length)});
        content.remove_prefix(length);
    }
    return lines;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view body) {
    if (body.empty() || body.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = body.find(']');
    return trim(
        body.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

// The key of a "key=value" line, or nothing for any other line.
std::optional<std::string_view> keyName(std::string_view body) {
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos || sectionName(body)) {
        return std::nullopt;
    }
    return trim(body.substr(0, equals));
}

std::string_view valueOf(std::string_view body) {
    std::string_view value = trim(body.substr(body.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view withoutByteOrderMark(std::string_view content) {
    if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        content.remove_prefix(kByteOrderMark.size());
    }
    return content;
}

} // namespace

std::optional<std::string> find(std::string_view content, std::string_view section,
                                std::string_view key) {
    bool inSection = false;
    for (const Line& line : splitLines(withoutByteOrderMark(content))) {
        const std::string_view body = line.body();
        if (const auto name = sectionName(body)) {
            inSection = equalIgnoringCase(*name, section);
        } else if (inSection) {
            if (const auto name = keyName(body); name && equalIgnoringCase(*name, key)) {
                return std::string(valueOf(body));
            }
        }
    }
    return std::nullopt;
}

std::string store(std::string_view content, std::string_view section, std::string_view key,
                  std::string_view value) {
    const std::string newLine = std::string(key) + "=" + text::withoutLineBreaks(value) + "\r\n";
    const std::vector<Line> lines = splitLines(content);

    // Where the key's line is, or after which line of the section a new one goes.
    std::optional<std::size_t> keyLine;
    std::optional<std::size_t> lastOfSection;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size() && !keyLine; ++i) {
        const std::string_view body =
            i == 0 ? trim(withoutByteOrderMark(lines[i].raw)) : lines[i].body();
        if (const auto name = sectionName(body)) {
            if (lastOfSection && inSection) {
                break; // the first section of that name takes the key
            }
            inSection = equalIgnoringCase(*name, section);
            if (inSection) {
                lastOfSection = i;
            }
        } else if (inSection) {
            if (const auto name = keyName(body); name && equalIgnoringCase(*name, key)) {
                keyLine = i;
            } else if (!body.empty()) {
                lastOfSection = i;
            }
        }
    }

    std::string result;
    result.reserve(content.size() + newLine.size() + section.size() + 8);
    auto appendLine = [&result](std::string_view raw) {
        result += raw;
        if (!raw.empty() && raw.back() != '\n') {
            result += "\r\n"; // the file's last line had no line break
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (keyLine && i == *keyLine) {
            result += newLine;
            continue;
        }
        appendLine(lines[i].raw);
        if (!keyLine && lastOfSection && i == *lastOfSection) {
            result += newLine;
        }
    }
    if (!keyLine && !lastOfSection) {
        if (!result.empty() && !trim(lines.back().raw).empty()) {
            result += "\r\n";
        }
        result.append("[").append(section).append("]\r\n").append(newLine);
    }
    return result;
}

} // namespace stats::ini
