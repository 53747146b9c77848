// The command-line host's country-file reader and its lookups on arbitrary text: the first part
// of the input is the file, every further line a callsign to look up.
#include "fuzz/require.h"
#include "host/country_file.h"

#include <cstdint>
#include <string_view>

using stats::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // A zero byte ends the file; what follows are the calls.
    const std::size_t end = input.find('\0');
    const ubaspring::CountryFile file = ubaspring::CountryFile::parse(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    for (int calls = 0; calls < 64 && !input.empty(); ++calls) {
        const std::size_t lineEnd = input.find('\n');
        const std::string_view call = input.substr(0, lineEnd);
        input.remove_prefix(lineEnd == std::string_view::npos ? input.size() : lineEnd + 1);
        if (const auto prefix = file.prefixOf(call)) {
            require(!prefix->empty() && file.entityCount() > 0, "an empty primary prefix");
        }
        require(ubaspring::guessPrefix(call).size() <= call.size(), "a guess longer than the call");
    }
    return 0;
}
