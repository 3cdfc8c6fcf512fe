// The colour-scheme rule: which scheme the theme colour names, which column of a
// UI colour table a mode reads, and the default colour-theme word. Pure code: no
// <windows.h>; the caller supplies what it read from the system.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "skin/ui_colours/ui_style.h"

namespace kelvra {

// The scheme the theme colour (COLORREF, red in the low byte) names; grey when no
// "scrollbar" visual-style theme is open.
ColourScheme SchemeOfThemeColour(bool scrollbarThemeOpen, uint32_t themeColour);

// The scheme a mode (0 to 9) uses: modes 0 and 5 take `detected`.
ColourScheme SchemeOfMode(int32_t mode, ColourScheme detected);

// The table column a mode (0 to 9) reads: default columns for 0 to 4, custom
// columns for 5 to 9; modes 0 and 5 in the column of `detected`.
int ColumnOfMode(int32_t mode, ColourScheme detected);

// "blue", "olive", "silver" or "grey".
std::wstring_view SchemeWord(ColourScheme scheme);

// The default colour-theme word: "blue" from NT 6 on (a major version of 0 means
// it could not be read, which counts as later); before, the word of the theme
// colour's scheme, grey with no theme colour.
std::wstring_view DefaultColourThemeWord(uint32_t osMajorVersion, std::optional<uint32_t> themeColour);

}  // namespace kelvra
