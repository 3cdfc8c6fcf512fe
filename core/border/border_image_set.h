// Border image sets: one border image cut into four corners and four edges that
// frame a rectangle of any size, and an optional mask cut the same way into the
// clip region of a shaped border. The set handle is the record's address.
// Thread safety: user-interface thread only, no lock of their own (asserted in
// debug builds): sets are made and released with their pages and drawn and asked
// for masks by the page painter, all on that thread; the painter also holds
// PanelLock while it uses them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/border/border_image_set_record.h"
#include "core/library/control_list.h"
#include "core/library/string_map.h"

namespace kelvra {

// The mask argument of PrepareBorderImageSlices, besides a mask bitmap.
inline constexpr intptr_t kMaskFromBorderImage = 0;   // built from the border image
inline constexpr intptr_t kNoBorderMask = -1;
inline constexpr intptr_t kMaskOnlyFromBorderImage = -2;  // built, used to clip only

ControlList<BorderImageSet>& BorderImageSets();
// Set handle (decimal text) -> holder count; the set's creator enters 1.
StringMap<int32_t>& BorderSetReferenceCounts();

// An empty set in the list, entered with count 1. For the set's creator.
BorderImageSet* AddBorderImageSet();

// Makes the set current and (re)cuts the border image's slices and the mask's
// regions where the pixels or the rectangle changed. The caller's bitmaps are only
// read, in place: they stay the caller's and never enter the runtime image table.
// The set keeps the pieces of its latest two images and masks only. `image` is a DIB section or
// nullptr; `mask` a DIB section or one of the constants above; `slice` null means
// find it. 1, or 0 (keys unchanged) for an unknown set, a bitmap that is no DIB
// section or has no size, or a refused rectangle.
int PrepareBorderImageSlices(BorderImageSet* set, HBITMAP image, intptr_t mask, const RECT* slice);
// Draws corners and tiled edges of the current slices around `rect`; the centre is
// left alone. Only what meets the DC's clip box is drawn, so a rectangle of any
// size (sizes are taken in 64 bits) costs what can be seen. 1 when drawn (or
// nothing of it is visible), 0 when the set or its current slices are missing.
int DrawBorderImageSet(HDC dc, BorderImageSet* set, const RECT* rect);
// The clip region (relative to the rectangle's top-left corner) of a rectangle's
// size, built over at most 32768 x 32768 pixels (no window is larger) and cached
// per size; nullptr without a current mask.
// OWNED BY THE SET: never delete it, and never hand it to SetWindowRgn, which takes
// ownership of what it is given and deletes it; pass a copy there (CreateRectRgn
// then CombineRgn RGN_COPY). It stays valid until the next call for another size,
// the next PrepareBorderImageSlices that changes the mask, or the set's release.
HRGN GetBorderMaskRegion(BorderImageSet* set, const RECT* rect);
// Frees the set and its reference-count entry. Always 0.
int ReleaseBorderImageSet(BorderImageSet* set);

}  // namespace kelvra
