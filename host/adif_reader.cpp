#include "host/adif_reader.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace ubaspring {
namespace {

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

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
        const std::string upperName = upperAscii(name);
        if (colon == std::string_view::npos) {
            markerTag(start, upperName);
            return true;
        }

        const std::string_view specifier = inside.substr(colon + 1);
        const std::optional<std::size_t> length =
            parseLength(specifier.substr(0, specifier.find(':')));
        if (!length) {
            problem(start, "field " + upperName + " has no valid length; ignored");
            return true;
        }
        if (*length > bytes_.size() - position) {
            problem(start, "field " + upperName + " is " + std::to_string(*length) +
                               " bytes long but the file ends first; record dropped");
            current_.fields.clear();
            position = bytes_.size();
            return false;
        }
        if (current_.fields.empty()) {
            current_.offset = start;
        }
        current_.fields.push_back({upperName, std::string(bytes_.substr(position, *length))});
        position += *length;
        return true;
    }

    void markerTag(std::size_t start, const std::string& upperName) {
        if (upperName == "EOH") {
            inHeader_ = false;
            current_.fields.clear(); // the header's own fields
        } else if (upperName == "EOR") {
            if (inHeader_) {
                // Stray text before the first tag, but no header: the fields were a record.
                problem(0, "text before the first tag but no <EOH>; read as records");
                inHeader_ = false;
                log_.hasHeader = false;
            }
            if (!current_.fields.empty()) {
                log_.records.push_back(std::move(current_));
            }
            current_ = AdifRecord{};
        } else if (!inHeader_) {
            problem(start, "tag <" + upperName + "> has no length; ignored");
        }
    }

    AdifLog finish(bool complete) {
        if (inHeader_) {
            problem(0, "the header has no <EOH>");
        } else if (complete && !current_.fields.empty()) {
            problem(current_.offset, "the last record has no <EOR>; read as it is");
            log_.records.push_back(std::move(current_));
        }
        return std::move(log_);
    }

    std::string_view bytes_;
    AdifLog log_;
    AdifRecord current_;
    bool inHeader_ = false;
};

} // namespace

const std::string* AdifRecord::find(std::string_view upperName) const {
    for (const AdifField& field : fields) {
        if (field.name == upperName) {
            return &field.value;
        }
    }
    return nullptr;
}

AdifLog parseAdif(std::string_view bytes) {
    return Parser(bytes).run();
}

} // namespace ubaspring
