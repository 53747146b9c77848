#pragma once

// Reads a fuzzer's input front to back as a sequence of small decisions. Once the bytes run out
// every read answers zero or empty, so any input decodes to some finite sequence of calls.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace stats::fuzz {

class ByteStream {
  public:
    explicit ByteStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool empty() const { return bytes_.empty(); }

    std::uint8_t byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t value = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return value;
    }

    // A value made of sizeof(T) bytes, little-endian; missing bytes count as zero.
    template <typename T> T integral() {
        std::uint8_t raw[sizeof(T)] = {};
        for (std::uint8_t& b : raw) {
            b = byte();
        }
        T value;
        std::memcpy(&value, raw, sizeof value);
        return value;
    }

    // Up to length bytes, as they are.
    std::string_view raw(std::size_t length) {
        length = length < bytes_.size() ? length : bytes_.size();
        const std::string_view taken(reinterpret_cast<const char*>(bytes_.data()), length);
        bytes_ = bytes_.subspan(length);
        return taken;
    }

    // The rest of the input.
    std::string_view rest() { return raw(bytes_.size()); }

  private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace stats::fuzz
