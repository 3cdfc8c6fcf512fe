// The library's stored glyph images: the empty icon and the two 7 by 7 glyph lists
// (the check mark and the radio bullet of menus).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvra {

// Decodes the stored icons into Globals().emptyIcon, glyphList1 and glyphList2.
void LoadBuiltInGlyphs();

// The stored .ico files themselves: each holds one image.
std::span<const uint8_t> EmptyIconFile();
std::span<const uint8_t> CheckMarkGlyphFile();
std::span<const uint8_t> RadioBulletGlyphFile();

}  // namespace kelvra
