// The words of a button skin beyond its page's look: the image and text position
// grammar and cursor names, read from a property's params (a page's image
// positions and the edges of paddings and margins: panels/page/page_skin_values.h).
// Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <string_view>

#include "panels/button/button_layout.h"
#include "panels/page/page_skin_values.h"

namespace kelvra {

// "image position" and "text position".
ButtonExPlacement ReadContentPosition(const SkinParamReader& param);

// A "cursor" value: a cursor word ("hand", any case, blanks around it) gives its
// system cursor id, anything else is read as a number.
int32_t CursorFromSkinValue(std::wstring_view value);

}  // namespace kelvra
