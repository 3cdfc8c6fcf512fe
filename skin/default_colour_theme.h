// The rule that picks the default UI colour theme from the system's theme colour.
#pragma once

#include <cstdint>

namespace kelvra {

// Given the active-caption colour (RGB, red in the low byte) of the visual style's
// "scrollbar" theme when the visual-styles interface is bound.
void ChooseDefaultColourTheme(uint32_t themeColour);

}  // namespace kelvra
