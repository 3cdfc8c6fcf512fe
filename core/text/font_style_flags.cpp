// The style word of LoadFontEx: quality bits first, then the weight values and the
// single style bits, in the order callers have always written them.
#include "core/text/font_style_flags.h"

namespace kelvra {

namespace {
constexpr uint32_t kAntialiased = 0x10000;
constexpr uint32_t kNonAntialiased = 0x20000;
constexpr uint32_t kClearType = 0x40000;
constexpr uint32_t kQualityAccepted = 0x80000;  // accepted, changes nothing
constexpr uint32_t kQualityBits = kAntialiased | kNonAntialiased | kClearType | kQualityAccepted;
}  // namespace

FontStyle DecodeFontStyleFlags(uint32_t flags) {
  FontStyle style;
  if (flags & kAntialiased)
    style.quality = 4;
  else if (flags & kNonAntialiased)
    style.quality = 3;
  else if (flags & kClearType)
    style.quality = 5;

  uint32_t value = flags & ~kQualityBits;
  // 700 plus 4 or 8 asks for bold with underline or strike-out. Taking 700 away
  // keeps those bits; clearing the bits of 700 (0x2BC) would lose them.
  if (value >= 700 && value <= 708) {
    style.weight = 700;
    value -= 700;
  }
  if (value & 1) {
    style.weight = 700;
    value &= ~1u;
  }
  if (value & 2) {
    style.italic = true;
    value &= ~2u;
  }
  if (value & 4) {
    style.underline = true;
    value &= ~4u;
  }
  if (value & 8) {
    style.strikeOut = true;
    value &= ~8u;
  }
  // 400 is "normal weight"; its 0x100 bit must not read as bold below.
  if (value == 400) value = 0;
  if (value & 0x100) style.weight = 700;
  if (value & 0x200) style.italic = true;
  return style;
}

}  // namespace kelvra
