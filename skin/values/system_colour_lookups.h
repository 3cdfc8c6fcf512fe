// The colour parser's look-ups as the running library answers them: system
// colours, the UI colour tables and the colour-name map.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/values/colour_string.h"

namespace kelvra {

const ColourLookups& SystemColourLookups();

// ColourFromString with the running library's look-ups.
inline int32_t ColourFromString(std::wstring_view text) { return ColourFromString(text, SystemColourLookups()); }

}  // namespace kelvra
