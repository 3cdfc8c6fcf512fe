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
// Kelvra_End: deletes the font (the next EnsureMenuExFont makes it again).
void FreeMenuExFont();

}  // namespace kelvra
