// ColourNameMap: the colour names a skin may write ("navy", "lightgrey"), each
// with its value 0xRRGGBB (red in bits 16 to 23). Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kelvra {

struct ColourName {
  std::string_view name;  // lower case
  uint32_t rgb;           // 0xRRGGBB
};

// Every name in the map, sorted by name.
std::span<const ColourName> ColourNames();

// The value of a colour name, compared case-blind; nothing for an unknown name.
// The name is taken as it stands: the caller trims it.
std::optional<uint32_t> FindColourName(std::wstring_view name);

}  // namespace kelvra
