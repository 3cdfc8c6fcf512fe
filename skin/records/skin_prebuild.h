// Pre-building a property's data when its value is set: the gradient of a
// "gradient" param and the font of a "font" param, so painters never parse.
#pragma once

#include <cstdint>
#include <string_view>

#include "skin/records/skin_record.h"

namespace kelvra {

// The style bits of a "font" param word (LoadFontEx's flags); 0 for other words.
uint32_t SkinFontStyleWord(std::wstring_view word);

// A colour read from a gradient sub-param as the gradient holds it: a Win32
// colour (top byte 0) becomes opaque ARGB, any other stays as it is.
uint32_t SkinGradientColour(int32_t colour);

// Builds from `value` (the text just stored, not a themed re-read) and attaches
// what was made; a value with neither param leaves the property's data alone.
// When both are made the font is the data and the gradient, never handed out,
// is freed at once.
void PrebuildSkinPropertyData(SkinRecord& skin, SkinPropertyRecord& property, std::wstring_view value);

}  // namespace kelvra
