#include "host/country_file.h"

#include "host/portable_call.h"

#include <algorithm>

namespace ubaspring {
namespace {

constexpr std::string_view kBlank = " \t\r\n";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

// An alias may carry zone, position and continent overrides after it: "=RA9M/6(17)[30]".
std::string_view withoutOverrides(std::string_view alias) {
    return alias.substr(0, alias.find_first_of("([<{~"));
}

} // namespace

CountryFile CountryFile::parse(std::string_view text) {
    CountryFile file;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(';', start), text.size());
        const std::string_view entry = text.substr(start, end - start);
        start = end + 1;

        // Eight header fields end with ':'; the eighth is the primary prefix.
        std::size_t colon = std::string_view::npos;
        std::size_t fieldStart = 0;
        std::string_view primary;
        for (int field = 0; field < 8; ++field) {
            fieldStart = colon + 1;
            colon = entry.find(':', fieldStart);
            if (colon == std::string_view::npos) {
                break;
            }
        }
        if (colon == std::string_view::npos) {
            continue;
        }
        primary = trimmed(entry.substr(fieldStart, colon - fieldStart));
        if (!primary.empty() && primary.front() == '*') {
            primary.remove_prefix(1);
        }
        if (primary.empty()) {
            continue;
        }
        const std::size_t entity = file.primaryPrefixes_.size();
        file.primaryPrefixes_.emplace_back(primary);

        std::string_view aliases = entry.substr(colon + 1);
        while (!aliases.empty()) {
            const std::size_t comma = std::min(aliases.find(','), aliases.size());
            std::string_view alias = withoutOverrides(trimmed(aliases.substr(0, comma)));
            aliases.remove_prefix(std::min(comma + 1, aliases.size()));
            if (!alias.empty() && alias.front() == '=') {
                alias.remove_prefix(1);
                if (!alias.empty()) {
                    file.exactCalls_.try_emplace(normalCall(alias), entity);
                }
            } else if (!alias.empty()) {
                file.prefixes_.try_emplace(normalCall(alias), entity);
                file.longestPrefix_ = std::max(file.longestPrefix_, alias.size());
            }
        }
    }
    return file;
}

std::optional<std::size_t> CountryFile::longestPrefixMatch(std::string_view call) const {
    std::string key(call.substr(0, std::min(call.size(), longestPrefix_)));
    while (!key.empty()) {
        const auto found = prefixes_.find(key);
        if (found != prefixes_.end()) {
            return found->second;
        }
        key.pop_back();
    }
    return std::nullopt;
}

std::optional<std::string> CountryFile::prefixOf(std::string_view call) const {
    const std::string normal = normalCall(call);
    if (const auto exact = exactCalls_.find(normal); exact != exactCalls_.end()) {
        return primaryPrefixes_[exact->second];
    }
    const std::string part = countryPart(normal);
    if (const auto exact = exactCalls_.find(part); exact != exactCalls_.end()) {
        return primaryPrefixes_[exact->second];
    }
    if (const std::optional<std::size_t> entity = longestPrefixMatch(part)) {
        return primaryPrefixes_[*entity];
    }
    return std::nullopt;
}

std::string guessPrefix(std::string_view call) {
    const std::string part = countryPart(normalCall(call));
    if (part.size() >= 2 && part[0] == 'O' && part[1] >= 'N' && part[1] <= 'T') {
        return "ON";
    }
    std::size_t end = part.empty() ? 0 : 1;
    while (end < part.size() && !(part[end] >= '0' && part[end] <= '9')) {
        ++end;
    }
    return part.substr(0, end);
}

} // namespace ubaspring
