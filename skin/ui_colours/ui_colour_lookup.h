// The UI colour look-ups every painter uses. They resolve the colour scheme of
// the current mode on each call from the visual style's theme colour, so a theme
// change shows at once. Declarations only take plain integers.
#pragma once

#include <cstdint>

#include "skin/ui_colours/ui_style.h"

namespace kelvra {

// The scheme of the system's theme colour (grey without a "scrollbar" theme).
ColourScheme DetectedColourScheme();
// The scheme the current mode reads.
ColourScheme CurrentColourScheme();

// The UI colour of `index` for the current mode in an Office table (style 6,
// 0x1000000 or 0x2000000). `request`: kUIColourRaw as stored, kUIColourColorRef
// in COLORREF form, kUIColourBrush a cached solid brush (HBRUSH) that the library
// owns. A negative index answers the current scheme (6 to 9) instead; another
// style answers colour 0 (a brush of colour 0), an index above 56 colour 0.
uint32_t LookupUIColour(uint32_t style, int32_t index, uint32_t request);

// The Whidbey counterpart (style 5): the colour itself for the text indices 0 to
// 4, 27 and 29 (in COLORREF form) and the shadow index 20 (as stored, alpha
// kept), else a cached solid brush (HBRUSH).
uint32_t GetUIColourBrush(uint32_t style, int32_t index);

// The colour of the exported GetUIColour: an index 0 to 55 of a style 5,
// 0x1000000 or 0x2000000 in any mode, in COLORREF form; 0 for anything else.
uint32_t ReadUIColour(uint32_t style, int32_t index, int32_t mode);

}  // namespace kelvra
