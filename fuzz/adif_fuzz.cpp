// The command-line host's ADIF reader on arbitrary bytes: it returns, and what it returns is
// made of the input (offsets inside it, values no longer than it, names in upper case).
#include "host/adif_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ubaspring::AdifLog log = ubaspring::parseAdif(bytes);
    for (const ubaspring::AdifRecord& record : log.records) {
        require(!record.fields.empty(), "a record without fields");
        require(record.offset < size && bytes[record.offset] == '<', "record offset");
        for (const ubaspring::AdifField& field : record.fields) {
            require(!field.name.empty() && field.value.size() <= size, "field size");
            for (const char c : field.name) {
                require(!(c >= 'a' && c <= 'z'), "field name not in upper case");
            }
            require(record.find(field.name) != nullptr, "a field its record cannot find");
        }
    }
    for (const ubaspring::AdifProblem& problem : log.problems) {
        require(problem.offset <= size && !problem.message.empty(), "problem report");
    }
    return 0;
}
