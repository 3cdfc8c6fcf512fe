// The default contents of the UI colour tables as data: one row per UIColourIndex,
// each value in the form the table holds it (COLORREF 0x00BBGGRR, or ARGB
// 0xAARRGGBB with a non-zero alpha). Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <span>

#include "skin/ui_colours/ui_style.h"

namespace kelvra {

struct DefaultUIColourRow {
  uint32_t whidbey[4];     // blue, olive, silver, grey
  uint32_t office2003[4];  // blue, olive, silver, grey
  uint32_t office2007[3];  // blue, silver, grey (olive is blue)
};

std::span<const DefaultUIColourRow, kUIColourNames> DefaultUIColourRows();

}  // namespace kelvra
