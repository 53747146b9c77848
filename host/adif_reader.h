#pragma once

// Reads ADIF 3 logs in their tagged form (.adi). A pure function of the file's bytes, so that it
// can be fuzzed and tested without files. Names and values are views into those bytes, so that a
// log of 100,000 QSOs is read without copying a field.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ubaspring {

struct AdifField {
    std::string_view name;  // as written; ADIF names are case-insensitive
    std::string_view value; // the data bytes, exactly as many as the tag's length says
};

struct AdifRecord {
    std::size_t offset = 0; // byte offset of the record's first tag
    std::span<const AdifField> fields;

    // The value of the first field of that name, in any letter case, or none.
    std::optional<std::string_view> find(std::string_view name) const;
};

// Something wrong with the file that the reader worked around.
struct AdifProblem {
    std::size_t offset = 0;
    std::string message;
};

struct AdifLog {
    bool hasHeader = false;
    std::vector<AdifRecord> records; // their fields are views into fields below
    std::vector<AdifProblem> problems;
    std::vector<AdifField> fields; // the fields of every record, one record after the other
};

// Parses a whole .adi file. Text before the first tag is a header when the file does not start
// with '<'; it ends at <EOH>. Field names are case-insensitive and the data length counts bytes.
// A record that is cut off at the end of the file is kept and reported; a record whose last field
// runs past the end of the file is dropped and reported. The log refers to bytes, which must
// outlive it; moving the log keeps its records valid.
AdifLog parseAdif(std::string_view bytes);

} // namespace ubaspring
