// ColourFromString: every colour notation a skin value may use ("rgba(...)",
// "rgb(...)", "getuicolour(...)", "#rrggbb", "COLOR_..." system colours and
// colour names). Pure code: no <windows.h>; what only the system or the UI colour
// tables know is asked through ColourLookups.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvra {

inline constexpr int32_t kNoColour = -1;

// The answers the parser cannot compute itself.
class ColourLookups {
 public:
  // The system colour of a Win32 colour index (GetSysColor).
  virtual int32_t SystemColour(int32_t index) const = 0;
  // The UIColourIndex of a UI colour keyword ("menuhotborder"); -1 for none.
  virtual int32_t UIColourIndex(std::wstring_view name) const = 0;
  // The UI colour of a style, index and mode, in COLORREF form.
  virtual int32_t UIColour(int32_t style, int32_t index, int32_t mode) const = 0;
  // The 0xRRGGBB value of a colour name; nothing for an unknown name.
  virtual std::optional<uint32_t> NamedColour(std::wstring_view name) const = 0;

 protected:
  ~ColourLookups() = default;
};

// The colour of a text, or kNoColour. The notations are tried in a fixed order and
// the first that applies decides: rgba, rgb, getuicolour, "#", system colour
// name, colour name. A top byte of 0 is a Win32 RGB colour (red in the low byte),
// any other an ARGB colour. A parsed colour is never -1: opaque white rgba comes
// back as RGB white.
int32_t ColourFromString(std::wstring_view text, const ColourLookups& lookups);

// The Win32 system colour index of a "COLOR_..." name, compared case-blind; -1
// for none.
int32_t SystemColourIndexOfName(std::wstring_view name);

// A colour as the readers give it in text: signed decimal.
std::wstring ColourToText(int32_t colour);

}  // namespace kelvra
