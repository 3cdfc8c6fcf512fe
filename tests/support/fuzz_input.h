// Reading a fuzz target's bytes as the values of a pure parser: numbers first,
// then text. Text is one character a byte (so the dictionaries' ASCII words stay
// words), and 0xFF followed by two bytes is any UTF-16 unit, surrogates included.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace kelvra::test {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // The next 32 bits (0 past the end).
  int32_t Int() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(Byte()) << (8 * i);
    return static_cast<int32_t>(value);
  }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool Flag() { return Byte() & 1; }

  // The rest of the bytes as text.
  std::wstring Text() {
    std::wstring text;
    text.reserve(size_ - at_);
    while (at_ < size_) {
      const uint8_t c = data_[at_++];
      if (c != 0xFF || size_ - at_ < 2) {
        text.push_back(static_cast<wchar_t>(c));
        continue;
      }
      text.push_back(static_cast<wchar_t>(data_[at_] | (data_[at_ + 1] << 8)));
      at_ += 2;
    }
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace kelvra::test
