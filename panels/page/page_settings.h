// The look of a page: background and image (or the overlay set), the nine-slice
// border, the cursor and the alpha. Each call takes PanelLock itself; a page is
// repainted at once unless `redraw` is false (the caller repaints later).
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// SetPanelExPageBackground's arguments; any of them may be PANELEX_UNCHANGED.
struct PageBackgroundRequest {
  int32_t background;
  intptr_t image;  // an icon or bitmap, 0 (keep the image) or PANELEX_UNCHANGED
  int32_t x, y, width, height;
  int32_t flags;   // with 0x2000 every field goes to the overlay set
};

// 1, or 0 when the panel or page is unknown.
int SetPageBackground(intptr_t panel, intptr_t page, const PageBackgroundRequest& request, bool redraw);
// 1; 0 when the panel or page is unknown or the border set refuses the image,
// mask or margins.
int SetPageBorder(intptr_t panel, intptr_t page, HBITMAP border, intptr_t mask, const RECT* margins, bool redraw);
// The stored cursor (a system cursor identifier 0x7F00..0x7F8B is loaded first);
// 0 when the panel or page is unknown.
intptr_t SetPageCursor(intptr_t panel, intptr_t page, intptr_t cursor);
// Stores alpha clamped to 0..255. 1, or 0 when unknown. Without a repaint it
// takes no lock but PanelLock: the animation thread calls it every frame.
int SetPageAlpha(intptr_t panel, intptr_t page, int32_t alpha, bool redraw);

}  // namespace kelvra
