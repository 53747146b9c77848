#include "host/portable_call.h"

#include "platform/text.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ubaspring {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Suffixes that say how a station operates, not where.
bool isOperatingSuffix(std::string_view part) {
    static constexpr std::array<std::string_view, 9> kSuffixes = {"P", "M",   "MM",   "AM", "A",
                                                                  "B", "QRP", "QRPP", "LH"};
    for (std::string_view suffix : kSuffixes) {
        if (part == suffix) {
            return true;
        }
    }
    return false;
}

std::string withCallArea(std::string_view call, char area) {
    std::string changed(call);
    for (std::size_t i = 1; i < changed.size(); ++i) {
        if (isDigit(changed[i])) {
            changed[i] = area;
            break;
        }
    }
    return changed;
}

} // namespace

std::string normalCall(std::string_view call) {
    return stats::text::upperCase(stats::text::trim(call));
}

std::string countryPart(std::string_view call) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= call.size()) {
        const std::size_t slash = std::min(call.find('/', start), call.size());
        const std::string_view part = call.substr(start, slash - start);
        if (!part.empty() && !isOperatingSuffix(part)) {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    if (parts.empty()) {
        return std::string(call);
    }
    if (parts.size() == 1) {
        return std::string(parts[0]);
    }
    const std::string_view first = parts[0];
    const std::string_view second = parts[1];
    if (second.size() == 1 && isDigit(second[0])) {
        return withCallArea(first, second[0]);
    }
    return std::string(second.size() < first.size() ? second : first);
}

} // namespace ubaspring
