// The three UI colour tables (57 entries of eight columns each) and the current
// UI colour mode. Pure code: no <windows.h>; the look-ups that need the system's
// theme colour or make brushes are in ui_colour_lookup.h.
#pragma once

#include <cstdint>
#include <optional>

#include "skin/ui_colours/ui_style.h"

namespace kelvra {

enum class UITable : int { Whidbey = 0, Office2003 = 1, Office2007 = 2 };

struct UIColourTables {
  uint32_t colours[3][kUIColourEntries][kUIColourColumns] = {};
  int32_t mode = kUIColourModeDefault;

  uint32_t& at(UITable table, int32_t index, int column) { return colours[static_cast<int>(table)][index][column]; }
  uint32_t at(UITable table, int32_t index, int column) const {
    return colours[static_cast<int>(table)][index][column];
  }
};

// The process's tables (filled by InitColourTables at start).
UIColourTables& ColourTables();

// The table of a style: 5 Whidbey; 6 and 0x1000000 Office 2003; 0x2000000 Office
// 2007. `recordForm` says whether 6 counts (internal look-ups) or not (exports).
std::optional<UITable> TableOfStyle(uint32_t style, bool recordForm);

// Fills `tables` with the default colours: the data rows, the copies between
// entries, Office 2007 olive from blue, and the custom columns from the defaults.
void FillDefaultUIColours(UIColourTables& tables);

// The GetUIColour rule for an export style (5, 0x1000000, 0x2000000), an index
// 0 to 55 and any mode, in COLORREF form; `detected` is the scheme of the theme
// colour (what modes 0 and 5 follow). 0 for anything else.
uint32_t UIColourOfMode(const UIColourTables& tables, uint32_t style, int32_t index, int32_t mode,
                        ColourScheme detected);

}  // namespace kelvra
