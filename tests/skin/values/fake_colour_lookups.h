// Look-ups with answers a test can predict, for the pure colour and grammar tests.
#pragma once

#include "skin/values/colour_string.h"
#include "skin/values/skin_text.h"

namespace kelvra::test {

class FakeColourLookups final : public ColourLookups {
 public:
  int32_t SystemColour(int32_t index) const override { return static_cast<int32_t>(0x100u + static_cast<uint32_t>(index)); }
  int32_t UIColourIndex(std::wstring_view name) const override {
    if (EqualsCaseBlind(name, L"menuhotborder")) return 8;
    if (EqualsCaseBlind(name, L"toolbarseparatorshadow")) return 55;
    return -1;
  }
  // Style, index and mode packed so a test can read all three back.
  int32_t UIColour(int32_t style, int32_t index, int32_t mode) const override {
    const int32_t styleCode = style == 5 ? 1 : style == 0x1000000 ? 2 : style == 0x2000000 ? 3 : style == 0 ? 0 : 15;
    // In unsigned arithmetic: the same bits, and no overflow for any index a fuzzer gives.
    return static_cast<int32_t>(static_cast<uint32_t>(styleCode) << 12 | static_cast<uint32_t>(index) << 4 |
                                static_cast<uint32_t>(mode));
  }
  std::optional<uint32_t> NamedColour(std::wstring_view name) const override {
    if (EqualsCaseBlind(name, L"white")) return 0xFFFFFF;
    if (EqualsCaseBlind(name, L"navy")) return 0x000080;
    if (EqualsCaseBlind(name, L"red")) return 0xFF0000;
    return std::nullopt;
  }
};

inline int32_t FakeUIColour(int32_t style, int32_t index, int32_t mode) {
  return FakeColourLookups().UIColour(style, index, mode);
}

}  // namespace kelvra::test
