#pragma once

#include <string>
#include <string_view>

// ASCII text helpers shared by the settings format, the contest rules, the dialogs and the host.
// Host texts are in an 8-bit code page: only ASCII letters change case, other bytes stay as
// they are, whatever the C locale says.
namespace stats::text {

constexpr bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr char toUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char toLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Without the blanks at both ends.
constexpr std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

constexpr bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (toLower(text[i]) != toLower(prefix[i])) {
            return false;
        }
    }
    return true;
}

constexpr bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

// Alphabetical order, letter case ignored.
constexpr bool lessIgnoringCase(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const auto x = static_cast<unsigned char>(toLower(a[i]));
        const auto y = static_cast<unsigned char>(toLower(b[i]));
        if (x != y) {
            return x < y;
        }
    }
    return a.size() < b.size();
}

// Copies with every ASCII letter in lower or in upper case.
inline std::string lowerCase(std::string_view text) {
    std::string copy(text);
    for (char& c : copy) {
        c = toLower(c);
    }
    return copy;
}

inline std::string upperCase(std::string_view text) {
    std::string copy(text);
    for (char& c : copy) {
        c = toUpper(c);
    }
    return copy;
}

// The text on one line: every CR and LF becomes a blank, so that it cannot start a line of its
// own in a line-oriented file.
inline std::string withoutLineBreaks(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

} // namespace stats::text
