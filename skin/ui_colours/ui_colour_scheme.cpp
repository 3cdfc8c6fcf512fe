// The colour-scheme rule and the default colour-theme word.
#include "skin/ui_colours/ui_colour_scheme.h"

namespace kelvra {

ColourScheme SchemeOfThemeColour(bool scrollbarThemeOpen, uint32_t themeColour) {
  if (!scrollbarThemeOpen) return ColourScheme::Grey;
  const uint32_t r = themeColour & 0xFF, g = (themeColour >> 8) & 0xFF, b = (themeColour >> 16) & 0xFF;
  if (r >= 200 && g >= 200 && b >= 200) return ColourScheme::Silver;
  if (r < 200 && g < 200 && b >= 200) return ColourScheme::Blue;
  if (r >= 200 && g >= 200 && b < 200) return ColourScheme::Olive;
  return ColourScheme::Grey;
}

ColourScheme SchemeOfMode(int32_t mode, ColourScheme detected) {
  if (mode >= kUIColourModeDefaultBlue && mode <= kUIColourModeDefaultGrey) return static_cast<ColourScheme>(mode + 5);
  if (mode >= kUIColourModeCustomBlue && mode <= kUIColourModeCustomGrey) return static_cast<ColourScheme>(mode);
  return detected;
}

int ColumnOfMode(int32_t mode, ColourScheme detected) {
  const ColourScheme scheme = SchemeOfMode(mode, detected);
  return mode >= kUIColourModeCustom ? CustomColumn(scheme) : DefaultColumn(scheme);
}

std::wstring_view SchemeWord(ColourScheme scheme) {
  switch (scheme) {
    case ColourScheme::Blue: return L"blue";
    case ColourScheme::Olive: return L"olive";
    case ColourScheme::Silver: return L"silver";
    case ColourScheme::Grey: break;
  }
  return L"grey";
}

std::wstring_view DefaultColourThemeWord(uint32_t osMajorVersion, std::optional<uint32_t> themeColour) {
  if (osMajorVersion == 0 || osMajorVersion >= 6) return L"blue";
  return SchemeWord(SchemeOfThemeColour(themeColour.has_value(), themeColour.value_or(0)));
}

}  // namespace kelvra
