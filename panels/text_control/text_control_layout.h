// The arithmetic of text controls: what text a control shows, where its text box
// lies and which link a point is over. Pure: no <windows.h>, so it tests anywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_control_link.h"

namespace kelvra {

// TextControlExStyle.
enum TextControlStyle : uint32_t {
  kTextCentreX = 0x10,           // the text block centred horizontally
  kTextCentreY = 0x20,           // ... vertically (else it starts at the top)
  kTextAlignRight = 0x40,        // right-aligned (only without kTextCentreX)
  kTextFillBackground = 0x1000,  // the page filled with the background colour first
  kTextGradientPage = 0x2000,    // the control's gradient is the page's background
  kTextPathEllipsis = 0x4000,
  kTextEndEllipsis = 0x8000,
  kTextPlain = 0x200000,         // markup and links are not interpreted
  kTextNoColours = 0x400000,     // "\c" codes are ignored
};

struct TextPaddings {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct TextBox {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The text as shown: every link "\l<n>normal|hot\l" shows its hot part when it is
// the link at `hotIndex` (links counted from 0 in the order they close, as the
// renderer lists them), else its normal part; -1 shows every normal part. A "|"
// is the separator only outside codes ("\|" stays a line break).
std::wstring TextControlDisplayText(std::wstring_view text, int32_t hotIndex);

// Where a measured text block of mw by mh goes in a W by H page: aligned and
// centred by the style within the padded area, and never outside it (a block
// larger than the area starts at its top-left corner and is cut at its
// right and bottom edges).
TextBox PlaceTextBox(uint32_t style, int32_t width, int32_t height, const TextPaddings& paddings,
                     int32_t measuredWidth, int32_t measuredHeight);

// The index of the link whose rectangle holds (x, y), edges included; where links
// overlap the later one wins. -1 when none does.
int32_t HitTestTextLinks(const std::vector<TextControlExLink>& links, int32_t x, int32_t y);

}  // namespace kelvra
