// The library's stored glyph images: the empty icon and the two 7 by 7 glyph lists.
#pragma once

namespace kelvra {

// Decodes the stored icons into Globals().emptyIcon, glyphList1 and glyphList2.
void LoadBuiltInGlyphs();

}  // namespace kelvra
