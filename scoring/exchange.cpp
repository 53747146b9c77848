#include "scoring/exchange.h"

namespace stats {
namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

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
        result.section.push_back(upper(c));
    }
    return result;
}

} // namespace stats
