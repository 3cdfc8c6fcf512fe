// The words of a page's look in a skin: where a background or overlay image goes
// and the four edges of a border's margins (buttons read their paddings with the
// same words), each read from a property's params. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

// Four edges in pixels: a border's margins, a button's paddings.
struct SkinEdges {
  int32_t top = 0, left = 0, bottom = 0, right = 0;
  bool AllGiven() const { return top && left && bottom && right; }
};

// "top", "left", "bottom" and "right" as integers.
SkinEdges ReadSkinEdges(const SkinParamReader& param);

}  // namespace kelvra
