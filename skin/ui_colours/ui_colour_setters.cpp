// SetUIColour and SetUIColourMode: the custom columns, the mode, and the refresh
// of caches, icons and windows that follows.
#include "skin/ui_colours/ui_colour_setters.h"

#include "commandbars/commandbars_seam.h"
#include "core/windows/skin_change_delivery.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_colour_scheme.h"
#include "skin/ui_colours/ui_colour_tables.h"
#include "skin/elements/ui_element_cache.h"

namespace kelvra {

namespace {

// What every colour change rebuilds: cached element bitmaps, rebar backgrounds,
// derived disabled icons and the menus' popup backgrounds.
void RebuildColourCaches() {
  FlushUIElementCache();
  UpdateRebarBackgrounds(true);
  TintMenuAndToolBarIcons(0, 0);
}

// A COLORREF as the ARGB form holds it, opaque.
uint32_t OpaqueArgb(uint32_t colour) {
  return 0xFF000000u | (colour & 0xFF) << 16 | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace

bool SetUIColour(uint32_t style, int32_t index, uint32_t colour, int32_t mode, bool noRefresh) {
  if (!IsUIColourMode(mode) || index < 0 || index >= kUIColourNames) return false;
  const auto table = TableOfStyle(style, false);
  if (!table) return false;
  if (mode < kUIColourModeCustom) mode += 5;
  const ColourScheme scheme = mode == kUIColourModeCustom ? CurrentColourScheme() : static_cast<ColourScheme>(mode);
  ColourTables().at(*table, index, CustomColumn(scheme)) = IsColourRefFormIndex(index) ? colour : OpaqueArgb(colour);
  if (noRefresh) return true;
  RebuildColourCaches();
  RedrawHostWindows();
  ForgetMenuPopupBackgrounds();
  return true;
}

bool SetUIColourMode(int32_t mode) {
  if (!IsUIColourMode(mode)) return false;
  ColourTables().mode = mode;
  const bool followsTheme = mode == kUIColourModeDefault || mode == kUIColourModeCustom;
  const std::wstring_view word = followsTheme ? std::wstring_view() : SchemeWord(SchemeOfMode(mode, ColourScheme::Grey));
  RefreshAllWindowColours();
  RebuildColourCaches();
  ForgetMenuPopupBackgrounds();
  // Re-applies every skin, which also repaints the windows just refreshed.
  SetGlobalSkinColourTheme(word);
  return true;
}

}  // namespace kelvra
