// What a see-through page shows of its panel's parent: the parent's class brush,
// and the parent's own drawing when the visual-styles API is there to ask for it.
#pragma once

#include <windows.h>

namespace kelvra {

// Draws the parent's background behind `panel` into `dc`, the back buffer of the
// panel's page: addressed in `page`'s coordinates, with its device pixel (0, 0) at
// the panel's client corner. The parent's drawing is kept per parent and copied to
// every page over it until the parent paints, erases, changes size or class brush,
// or the theme, system colours or settings change (see the .cpp). Called with no
// library lock held: the parent's drawing is its own code.
void DrawParentBackground(HDC dc, HWND page, HWND panel, HWND parent);

// Frees every kept background (the library's end).
void ReleaseParentBackgrounds();

}  // namespace kelvra
