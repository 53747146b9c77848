#include "host/adif_reader.h"

#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace ubaspring {
namespace {

bool isFieldNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::optional<std::size_t> parseLength(std::string_view digits) {
    std::size_t length = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return length;
}

class Parser {
  public:
    explicit Parser(std::string_view bytes) : bytes_(bytes) {}

    AdifLog run() {
        // Without a leading '<' the text up to <EOH> is the header (ADIF's own rule).
        inHeader_ = !bytes_.empty() && bytes_.front() != '<';
        log_.hasHeader = inHeader_;
        // Every field starts with '<': one pass of counting saves growing the array many times.
        log_.fields.reserve(
            static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '<')));
        std::size_t position = 0;
        while ((position = bytes_.find('<', position)) != std::string_view::npos) {
            if (!readTag(position)) {
                return finish(false);
            }
        }
        return finish(true);
    }

  private:
    void problem(std::size_t offset, std::string message) {
        log_.problems.push_back({offset, std::move(message)});
    }

    // Reads the tag at '<' and its data; moves position past them. False when the file ends
    // inside the tag or its data.
    bool readTag(std::size_t& position) {
        const std::size_t start = position;
        const std::size_t close = bytes_.find('>', start + 1);
        if (close == std::string_view::npos) {
            if (!inHeader_) {
                problem(start, "a tag is not closed with '>' before the end of the file");
            }
            position = bytes_.size();
            return false;
        }
        const std::string_view inside = bytes_.substr(start + 1, close - start - 1);
        position = close + 1;

        const std::size_t colon = inside.find(':');
        const std::string_view name = inside.substr(0, colon);
        if (name.empty() || !std::all_of(name.begin(), name.end(), isFieldNameChar)) {
            if (!inHeader_) {
                problem(start, "text '<" + std::string(inside.substr(0, 20)) +
                                   "' is not a field tag; ignored");
            }
            return true;
        }
        if (colon == std::string_view::npos) {
            markerTag(start, name);
            return true;
        }

        const std::string_view specifier = inside.substr(colon + 1);
        const std::optional<std::size_t> length =
            parseLength(specifier.substr(0, specifier.find(':')));
        if (!length) {
            problem(start, "field " + std::string(name) + " has no valid length; ignored");
            return true;
        }
        if (*length > bytes_.size() - position) {
            problem(start, "field " + std::string(name) + " is " + std::to_string(*length) +
                               " bytes long but the file ends first; record dropped");
            dropCurrent();
            position = bytes_.size();
            return false;
        }
        if (fieldCount() == 0) {
            currentOffset_ = start;
        }
        log_.fields.push_back({name, bytes_.substr(position, *length)});
        position += *length;
        return true;
    }

    std::size_t fieldCount() const { return log_.fields.size() - currentFirst_; }
    void dropCurrent() { log_.fields.resize(currentFirst_); }

    // Records keep index ranges while fields grow; spans are made once the fields stay put.
    void endRecord() {
        if (fieldCount() > 0) {
            ranges_.push_back({currentOffset_, currentFirst_, fieldCount()});
        }
        currentFirst_ = log_.fields.size();
    }

    void markerTag(std::size_t start, std::string_view name) {
        if (stats::text::equalIgnoringCase(name, "EOH")) {
            inHeader_ = false;
            dropCurrent(); // the header's own fields
        } else if (stats::text::equalIgnoringCase(name, "EOR")) {
            if (inHeader_) {
                // Stray text before the first tag, but no header: the fields were a record.
                problem(0, "text before the first tag but no <EOH>; read as records");
                inHeader_ = false;
                log_.hasHeader = false;
            }
            endRecord();
        } else if (!inHeader_) {
            problem(start, "tag <" + std::string(name) + "> has no length; ignored");
        }
    }

    AdifLog finish(bool complete) {
        if (inHeader_) {
            problem(0, "the header has no <EOH>");
        } else if (complete && fieldCount() > 0) {
            problem(currentOffset_, "the last record has no <EOR>; read as it is");
            endRecord();
        }
        dropCurrent();
        log_.records.reserve(ranges_.size());
        const std::span<const AdifField> all(log_.fields);
        for (const Range& range : ranges_) {
            log_.records.push_back({range.offset, all.subspan(range.first, range.count)});
        }
        return std::move(log_);
    }

    struct Range {
        std::size_t offset;
        std::size_t first;
        std::size_t count;
    };

    std::string_view bytes_;
    AdifLog log_;
    std::vector<Range> ranges_;
    std::size_t currentFirst_ = 0; // index in log_.fields of the current record's first field
    std::size_t currentOffset_ = 0;
    bool inHeader_ = false;
};

} // namespace

std::optional<std::string_view> AdifRecord::find(std::string_view name) const {
    for (const AdifField& field : fields) {
        if (stats::text::equalIgnoringCase(field.name, name)) {
            return field.value;
        }
    }
    return std::nullopt;
}

AdifLog parseAdif(std::string_view bytes) {
    return Parser(bytes).run();
}

} // namespace ubaspring
