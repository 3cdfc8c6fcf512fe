// How LoadFontEx's style word turns into the weight, style and quality of a font.
// Pure arithmetic: no Win32 types, so the table can be checked anywhere.
#pragma once

#include <cstdint>

namespace kelvra {

struct FontStyle {
  int32_t weight = 0;   // 0 (don't care) or 700
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int32_t quality = 0;  // 0 default, 3 non-antialiased, 4 antialiased, 5 ClearType
};

FontStyle DecodeFontStyleFlags(uint32_t flags);

}  // namespace kelvra
