// A pack sink that keeps what the pack writer writes in memory, for the pack's
// tests, its fuzz target and the seed writer. Pure: no <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/files/skin_pack.h"

namespace kelvra::test {

class VectorPackSink final : public PackSink {
 public:
  bool Write(const void* bytes, std::size_t size) override {
    const auto* at = static_cast<const uint8_t*>(bytes);
    out.insert(out.end(), at, at + size);
    return true;
  }
  std::vector<uint8_t> out;
};

}  // namespace kelvra::test
