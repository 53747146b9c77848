// The INI editing behind the settings file, on arbitrary file contents: after every store the
// stored value reads back (as far as the format can hold it) and every other key found in the
// file, or stored before, keeps its value.
#include "fuzz/byte_stream.h"
#include "fuzz/require.h"
#include "platform/ini_text.h"
#include "platform/text.h"

#include <optional>
#include <string>
#include <vector>

namespace stats::fuzz {
namespace {

using text::trim;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// A name the format can hold: one line, no blanks at its ends, no "=" (the key's end), no "]"
// (a section name's end) and not starting with "[" (a section line).
std::string nameFrom(std::string_view bytes) {
    std::string name(bytes);
    for (char& c : name) {
        if (c == '\r' || c == '\n' || c == '=' || c == ']') {
            c = '_';
        }
    }
    name = std::string(trim(name));
    if (name.empty() || name.front() == '[') {
        name.insert(0, "k");
    }
    return name;
}

// What reading gives back for a stored value: line breaks were written as blanks, blanks at both
// ends are not part of a value, and a value in matching quotes reads without them.
std::string readBack(std::string_view value) {
    std::string single(value);
    for (char& c : single) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    std::string_view read = trim(single);
    if (read.size() >= 2 && (read.front() == '"' || read.front() == '\'') &&
        read.back() == read.front()) {
        read = read.substr(1, read.size() - 2);
    }
    return std::string(read);
}

struct Probe {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

// Section and key names as they appear in the file, to watch while other keys are stored.
std::vector<Probe> probesOf(std::string_view content) {
    std::vector<Probe> probes;
    std::string section;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        const std::string_view line = trim(content.substr(0, end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (!line.empty() && line.front() == '[') {
            section = std::string(trim(line.substr(1, line.find(']') - 1)));
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            probes.push_back({section, std::string(trim(line.substr(0, equals))), {}});
        }
    }
    return probes;
}

} // namespace
} // namespace stats::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace stats::fuzz;
    ByteStream in({data, size});
    std::string content(in.raw(in.integral<std::uint16_t>()));
    std::vector<Probe> probes = probesOf(content);
    for (Probe& probe : probes) {
        probe.value = stats::ini::find(content, probe.section, probe.key);
    }

    for (int writes = 0; writes < 16 && !in.empty(); ++writes) {
        const std::uint8_t lengths = in.byte();
        const std::string section =
            lengths & 0x80 ? nameFrom(in.raw(lengths & 0x0F)) : std::string("Settings");
        const std::string key = nameFrom(in.raw((lengths >> 4) & 0x07));
        const std::string value(in.raw(in.byte()));

        content = stats::ini::store(content, section, key, value);
        require(stats::ini::find(content, section, key) == readBack(value),
                "a stored value does not read back");
        for (Probe& probe : probes) {
            if (sameName(probe.section, section) && sameName(probe.key, key)) {
                probe.value = readBack(value);
            }
            require(stats::ini::find(content, probe.section, probe.key) == probe.value,
                    "storing one key changed another");
        }
        probes.push_back({section, key, readBack(value)});
    }
    return 0;
}
