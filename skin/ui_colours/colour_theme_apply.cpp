// SetGlobalSkinColourTheme: a new theme word changes which themed components
// every skinned control reads, so every skin is re-applied.
#include "core/windows/skin_change_delivery.h"
#include "skin/ui_colours/colour_theme_words.h"

namespace kelvra {

void SetGlobalSkinColourTheme(std::wstring_view word) {
  StoreGlobalSkinColourTheme(word);
  RefreshAllWindowSkins(0);
}

}  // namespace kelvra
