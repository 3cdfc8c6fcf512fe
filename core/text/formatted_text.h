// DrawFormattedText: the one renderer of the library's texts, drawing or measuring
// text with backslash codes (bold, italic, underline, strike-out, colour, links,
// line breaks) on any device context.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvra {

struct TextControlExLink;  // core/text/text_control_link.h

// The last argument of DrawFormattedText.
struct FormattedTextFlags {
  static constexpr uint32_t OwnRunHeight = 0x1;       // runs keep their own height
  static constexpr uint32_t CentreA = 0x10;           // with CentreB, and without
  static constexpr uint32_t CentreB = 0x20;           //   OwnRunHeight: runs centred
  static constexpr uint32_t NoColours = 0x100;        // "\c" codes change nothing
  static constexpr uint32_t MeasureOnly = 0x400;      // rectangle receives the extent
  static constexpr uint32_t PathEllipsis = 0x4000;
  static constexpr uint32_t EndEllipsis = 0x8000;
  static constexpr uint32_t CollectLinks = 0x100000;  // links go to the caller's list
  static constexpr uint32_t PlainText = 0x200000;     // no markup interpreted
  static constexpr uint32_t CollectText = 0x800000;   // result: the drawn runs
};

// Draws (or with MeasureOnly measures) `text` in `rect` with `font` (nullptr: the
// font selected in the device context). Measuring writes the extent into `rect`.
// Returns the concatenated runs with CollectText, else the empty text. When it
// draws, it then repairs the alpha of a panel back buffer (AlphaDrawText).
std::wstring DrawFormattedText(HDC dc, std::wstring_view text, RECT* rect, HFONT font, uint32_t flags);

// The same, with the links of CollectLinks going to `links` (emptied first).
// Without a list (the overload above) CollectLinks collects nothing.
std::wstring DrawFormattedText(HDC dc, std::wstring_view text, RECT* rect, HFONT font, uint32_t flags,
                               std::vector<TextControlExLink>* links);

}  // namespace kelvra
