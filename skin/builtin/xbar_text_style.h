// Where the system-look explorer bar skin takes its text font and colours from.
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

struct XBarTextStyle {
  std::wstring face;
  int points = 8;
  uint32_t headerRgb = 0;  // Win32 colours (red in the low byte)
  uint32_t itemRgb = 0;
};

// The explorer-bar theme's font and text colour when that theme is open; otherwise
// the default UI font's face and size, headers in the window-text colour and items
// in the hot-light colour.
XBarTextStyle ReadXBarTextStyle();

}  // namespace kelvra
