// DetectDefaultColourTheme: the default colour-theme word from the system.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvra {

// Sets DefaultGlobalSkinColourTheme from the system's version and theme colour
// (RGB, red in the low byte); with no theme colour the word still gets a value
// ("grey" before NT 6). ChooseDefaultColourTheme of the skin seam is this rule.
void DetectDefaultColourTheme(std::optional<uint32_t> themeColour);

}  // namespace kelvra
