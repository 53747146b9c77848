#include "scoring/exchange.h"

#include "platform/text.h"

namespace stats {
using text::isLetter;
using text::toUpper;
using text::trim;

std::string normaliseSerial(std::string_view received) {
    std::string serial(received);
    if (!serial.empty() && serial.size() < 3) {
        serial.insert(0, 3 - serial.size(), '0');
    }
    return serial;
}

ReceivedExchange normaliseBelgianExchange(std::string_view received) {
    const std::string_view text = trim(received);
    std::size_t letters = 0;
    while (letters < text.size() && isLetter(text[text.size() - 1 - letters])) {
        ++letters;
    }
    const std::string_view section = text.substr(text.size() - letters);
    const std::string serial = normaliseSerial(trim(text.substr(0, text.size() - letters)));

    ReceivedExchange result;
    result.normalised = serial;
    if (!serial.empty() && !section.empty()) {
        result.normalised += ' ';
    }
    result.normalised += section;
    for (char c : section) {
        result.section.push_back(toUpper(c));
    }
    return result;
}

} // namespace stats
