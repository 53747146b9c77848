// The command-line host's ADIF reader on arbitrary bytes: it returns, and what it returns is
// made of the input (names and values are views into it, offsets inside it).
#include "fuzz/require.h"
#include "host/adif_reader.h"

#include <cstdint>
#include <string_view>

using stats::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto inside = [&bytes](std::string_view part) {
        return part.empty() || (part.data() >= bytes.data() &&
                                part.data() + part.size() <= bytes.data() + bytes.size());
    };
    const ubaspring::AdifLog log = ubaspring::parseAdif(bytes);
    for (const ubaspring::AdifRecord& record : log.records) {
        require(!record.fields.empty(), "a record without fields");
        require(record.offset < size && bytes[record.offset] == '<', "record offset");
        for (const ubaspring::AdifField& field : record.fields) {
            require(!field.name.empty() && inside(field.name) && inside(field.value),
                    "a field that is not part of the input");
            require(record.find(field.name).has_value(), "a field its record cannot find");
        }
    }
    for (const ubaspring::AdifProblem& problem : log.problems) {
        require(problem.offset <= size && !problem.message.empty(), "problem report");
    }
    return 0;
}
