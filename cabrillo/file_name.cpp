#include "cabrillo/cabrillo_header.h"

#include "platform/text.h"

#include <algorithm>
#include <array>

namespace stats {
namespace {

bool isUnsafe(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

// Windows opens a device, not a file, for these names, whatever the extension.
bool isDeviceName(std::string_view name) {
    static constexpr std::array<std::string_view, 26> kDevices = {
        "CON",  "PRN",  "AUX",  "NUL",  "CONIN$", "CONOUT$", "COM0", "COM1", "COM2",
        "COM3", "COM4", "COM5", "COM6", "COM7",   "COM8",    "COM9", "LPT0", "LPT1",
        "LPT2", "LPT3", "LPT4", "LPT5", "LPT6",   "LPT7",    "LPT8", "LPT9"};
    const std::string_view stem = name.substr(0, name.find('.'));
    for (std::string_view device : kDevices) {
        if (text::equalIgnoringCase(stem, device)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string fileBaseNameFor(std::string_view callsign) {
    std::string name(text::trim(callsign));
    for (char& c : name) {
        if (isUnsafe(c)) {
            c = '_';
        }
    }
    if (name.empty()) {
        return "KOVA";
    }
    if (isDeviceName(name)) {
        const std::size_t stemEnd = std::min(name.find('.'), name.size());
        name = name.substr(0, stemEnd) + "_" + name.substr(stemEnd);
    }
    return name;
}

} // namespace stats
