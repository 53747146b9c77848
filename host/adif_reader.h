#pragma once

// Reads ADIF 3 logs in their tagged form (.adi). A pure function of the file's bytes, so that it
// can be fuzzed and tested without files.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ubaspring {

struct AdifField {
    std::string name;  // upper case
    std::string value; // the data bytes, exactly as many as the tag's length says
};

struct AdifRecord {
    std::size_t offset = 0; // byte offset of the record's first tag
    std::vector<AdifField> fields;

    // The value of a field (name in upper case), or null when the record has none.
    const std::string* find(std::string_view upperName) const;
};

// Something wrong with the file that the reader worked around.
struct AdifProblem {
    std::size_t offset = 0;
    std::string message;
};

struct AdifLog {
    bool hasHeader = false;
    std::vector<AdifRecord> records;
    std::vector<AdifProblem> problems;
};

// Parses a whole .adi file. Text before the first tag is a header when the file does not start
// with '<'; it ends at <EOH>. Field names are case-insensitive and the data length counts bytes.
// A record that is cut off at the end of the file is kept and reported; a record whose last field
// runs past the end of the file is dropped and reported.
AdifLog parseAdif(std::string_view bytes);

} // namespace ubaspring
