// MenuExFont: the one font of all menus and menu bars, made from the system's
// menu font when first needed and freed when the library ends.
#pragma once

#include <windows.h>

namespace kelvra {

// The font; 0 until made.
HFONT MenuExFont();
// Makes the font from the system's non-client metrics when it is not made yet
// (the first CreateToolBarEx or CreateMenuEx); returns it.
HFONT EnsureMenuExFont();
// SetMenuExFont: `font` (made by the caller for the library) becomes the font;
// the old one is deleted. The system's setting changes leave it alone from now on.
void ReplaceMenuExFont(HFONT font);
// The system's menu font changed: while the font is the one the library made
// from the metrics (or none is made), it is made again from them, the new one
// before the old one goes, so a failure keeps a valid font. True when replaced.
bool RefreshMenuExFontFromMetrics();
// Kelvra_End: deletes the font (the next EnsureMenuExFont makes it again).
void FreeMenuExFont();

}  // namespace kelvra
