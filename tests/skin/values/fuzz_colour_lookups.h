// The look-ups behind the colour parser in the fuzz targets: predictable answers
// (as in the pure tests) but the real colour-name map, so every name a skin may
// write is reached.
#pragma once

#include "skin/values/colour_name_map.h"
#include "tests/skin/values/fake_colour_lookups.h"

namespace kelvra::test {

class FuzzColourLookups final : public ColourLookups {
 public:
  int32_t SystemColour(int32_t index) const override { return fake_.SystemColour(index); }
  int32_t UIColourIndex(std::wstring_view name) const override { return fake_.UIColourIndex(name); }
  int32_t UIColour(int32_t style, int32_t index, int32_t mode) const override { return fake_.UIColour(style, index, mode); }
  std::optional<uint32_t> NamedColour(std::wstring_view name) const override { return FindColourName(name); }

 private:
  FakeColourLookups fake_;
};

}  // namespace kelvra::test
