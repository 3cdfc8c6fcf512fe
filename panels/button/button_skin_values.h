// The words of a button skin: the two position grammars, paddings and cursor
// names, read from a property's params. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "panels/button/button_layout.h"

namespace kelvra {

// A property's param by name ("" when it is missing), as the skin's readers give
// it: lower case, a param named alone reads "true".
using SkinParamReader = std::function<std::wstring(std::wstring_view name)>;

// "background position" and "overlay position": PageImageFlags and the offsets.
struct PageImagePosition {
  int32_t flags = 0;
  int32_t x = 0, y = 0;
};
PageImagePosition ReadPageImagePosition(const SkinParamReader& param);

// "image position" and "text position".
ButtonExPlacement ReadContentPosition(const SkinParamReader& param);

// "top", "left", "bottom" and "right" as integers (paddings and border margins).
ButtonExPadding ReadEdges(const SkinParamReader& param);

// A "cursor" value: a cursor word ("hand", any case, blanks around it) gives its
// system cursor id, anything else is read as a number.
int32_t CursorFromSkinValue(std::wstring_view value);

}  // namespace kelvra
