#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads a fuzzer's bytes as a stream of small choices; past the end every
// choice is 0.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int64_t int64() {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) value |= std::uint64_t{byte()} << (8 * i);
        return static_cast<std::int64_t>(value);
    }
    // The next `count` bytes, padded with zeros.
    std::vector<std::uint8_t> bytes(std::size_t count) {
        std::vector<std::uint8_t> out(count, 0);
        for (auto& b : out) b = byte();
        return out;
    }
    std::size_t left() const { return at_ < size_ ? size_ - at_ : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
