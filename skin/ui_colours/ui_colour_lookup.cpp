// LookupUIColour, GetUIColourBrush and the exported colour read, over the tables
// and the visual style's theme colour.
#include "skin/ui_colours/ui_colour_lookup.h"

#include "core/platform/uxtheme_api.h"
#include "skin/ui_colours/ui_colour_brush_cache.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_scheme.h"
#include "skin/ui_colours/ui_colour_tables.h"

namespace kelvra {

namespace {

uint32_t BrushValue(HBRUSH brush) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(brush)); }

// The colour of an entry in the current mode; 0 for an index past the table.
uint32_t StoredColour(UITable table, int32_t index) {
  if (index >= kUIColourEntries) return 0;
  const UIColourTables& tables = ColourTables();
  return tables.at(table, index, ColumnOfMode(tables.mode, DetectedColourScheme()));
}

}  // namespace

ColourScheme DetectedColourScheme() {
  const UxThemeApi& api = UxTheme();
  return SchemeOfThemeColour(api.themes.scrollbar != nullptr, api.themeColour);
}

ColourScheme CurrentColourScheme() { return SchemeOfMode(ColourTables().mode, DetectedColourScheme()); }

uint32_t LookupUIColour(uint32_t style, int32_t index, uint32_t request) {
  const auto table = TableOfStyle(style, true);
  const bool served = table && *table != UITable::Whidbey;
  if (index < 0) return served ? static_cast<uint32_t>(CurrentColourScheme()) : 0;
  const uint32_t colour = served ? StoredColour(*table, index) : 0;
  if (request & kUIColourRaw) return colour;
  if (request & kUIColourColorRef) return UIColourToColorRef(colour);
  return BrushValue(UIColourBrush(index, UIColourToColorRef(colour)));
}

uint32_t GetUIColourBrush(uint32_t style, int32_t index) {
  const int32_t mode = ColourTables().mode;
  if (index < 0) {
    // Modes that name their scheme answer it whatever the style.
    if (mode != kUIColourModeDefault && mode != kUIColourModeCustom) return static_cast<uint32_t>(CurrentColourScheme());
    return style == kUIStyleWhidbey ? static_cast<uint32_t>(CurrentColourScheme()) : 0;
  }
  const uint32_t colour = style == kUIStyleWhidbey ? StoredColour(UITable::Whidbey, index) : 0;
  switch (index) {
    case kMenuDropShadow:
      return colour;  // as stored: its alpha is the shadow's depth
    case kMenuTitleTextColour: case kMenuTitleHotTextColour: case kMenuTitleHeldTextColour:
    case kMenuTitleInactiveTextColour: case kMenuTextColour: case kSelectedTextColour: case kDisabledColour:
      // Text colours, for SetTextColor. These indices hold a custom colour in ARGB
      // form (0xFFRRGGBB), which as a COLORREF is no colour at all.
      return UIColourToColorRef(colour);
    default:
      // A custom colour set on an ARGB-form index is held as 0xFFRRGGBB: a brush
      // needs it in COLORREF form, or red and blue come out swapped.
      return BrushValue(UIColourBrush(index, UIColourToColorRef(colour)));
  }
}

uint32_t ReadUIColour(uint32_t style, int32_t index, int32_t mode) {
  return UIColourOfMode(ColourTables(), style, index, mode, DetectedColourScheme());
}

}  // namespace kelvra
