// UIColourBrushCache: one solid brush per UI colour index, shared by the styles
// and owned by the cache; a slot is re-made only when its colour changes.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/ui_colours/ui_colour_lookup.h"

namespace kelvra {

// The slot's brush for `colour` (COLORREF); 0 for an index outside 0 to 56.
HBRUSH UIColourBrush(int32_t index, COLORREF colour);

// Typed forms of the brush requests.
inline HBRUSH LookupUIColourBrush(uint32_t style, int32_t index) {
  return reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(LookupUIColour(style, index, kUIColourBrush)));
}

}  // namespace kelvra
