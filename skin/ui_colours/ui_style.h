// The value sets of the UI styles: style numbers, colour modes, colour schemes,
// look-up requests, and the eight colour columns of a UI colour table entry.
// Pure values: no <windows.h>.
#pragma once

#include <cstdint>

namespace kelvra {

// UIStyle. Menu records hold Office 2003 as 6; internal look-ups take both.
inline constexpr uint32_t kUIStyleWhidbey = 5;
inline constexpr uint32_t kUIStyleOffice2003 = 0x1000000;
inline constexpr uint32_t kUIStyleOffice2003Record = 6;
inline constexpr uint32_t kUIStyleOffice2007 = 0x2000000;

// UIColourMode: 0 and 5 follow the scheme detected from the theme colour.
inline constexpr int32_t kUIColourModeDefault = 0;
inline constexpr int32_t kUIColourModeDefaultBlue = 1;
inline constexpr int32_t kUIColourModeDefaultOlive = 2;
inline constexpr int32_t kUIColourModeDefaultSilver = 3;
inline constexpr int32_t kUIColourModeDefaultGrey = 4;
inline constexpr int32_t kUIColourModeCustom = 5;
inline constexpr int32_t kUIColourModeCustomBlue = 6;
inline constexpr int32_t kUIColourModeCustomOlive = 7;
inline constexpr int32_t kUIColourModeCustomSilver = 8;
inline constexpr int32_t kUIColourModeCustomGrey = 9;

inline constexpr bool IsUIColourMode(int32_t mode) { return mode >= 0 && mode <= 9; }

// ColourScheme, numbered as the custom mode that names it.
enum class ColourScheme : int32_t { Blue = 6, Olive = 7, Silver = 8, Grey = 9 };

// UIColourRequest bits of LookupUIColour; 0 asks for a cached solid brush.
inline constexpr uint32_t kUIColourBrush = 0;
inline constexpr uint32_t kUIColourRaw = 1;        // as stored (ARGB keeps its alpha)
inline constexpr uint32_t kUIColourColorRef = 2;   // 0x00BBGGRR

// Columns of a table entry: four default schemes, then the four custom ones.
inline constexpr int kUIColourColumns = 8;
inline constexpr int DefaultColumn(ColourScheme scheme) { return static_cast<int>(scheme) - 6; }
inline constexpr int CustomColumn(ColourScheme scheme) { return static_cast<int>(scheme) - 2; }

// Entries per table: 56 named colours plus entry 56, which carries no colour and
// exists for its element cache.
inline constexpr int kUIColourEntries = 57;
inline constexpr int kUIColourNames = 56;

// A table colour with a non-zero top byte is ARGB 0xAARRGGBB; turn it into a
// COLORREF 0x00BBGGRR (dropping the alpha). COLORREF-form values pass unchanged.
inline constexpr uint32_t UIColourToColorRef(uint32_t colour) {
  if ((colour >> 24) == 0) return colour;
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace kelvra
