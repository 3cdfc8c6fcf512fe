// UIColourIndex: the 56 named UI colours, by the keyword skins address them with
// ("getuicolour(menuhotborder)") and by their position. Pure code: no <windows.h>.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelvra {

enum UIColourIndex : int32_t {
  kMenuTitleTextColour, kMenuTitleHotTextColour, kMenuTitleHeldTextColour, kMenuTitleInactiveTextColour,
  kMenuTextColour, kMenuHotColour, kMenuHotGradientColour1, kMenuHotGradientColour2,
  kMenuHotBorder, kMenuHeldColour, kMenuHeldGradientColour1, kMenuHeldGradientColour2,
  kMenuHeldBorder, kMenuBarColour, kMenuCheckBoxBackground, kMenuCheckBoxBorder,
  kMenuCheckBoxSelectedBackground, kMenuCheckBoxSelectedBorder, kMenuCheckBoxDisabledBackground,
  kMenuCheckBoxDisabledBorder, kMenuDropShadow, kBarGradientColour1, kBarGradientColour2,
  kBarGradientColour3, kBarGradientColour4, kSeparatorBar, kSelectedColour, kSelectedTextColour,
  kSelectedBorder, kDisabledColour, kBackground, kRebarBackground1, kRebarBackground2,
  kToolStripBackground1, kToolStripBackground2, kToolStripBackground3, kToolStripBackground4,
  kToolStripDropDownGradient1, kToolStripDropDownGradient2, kToolStripDropDownGradient3,
  kToolStripDropDownGradient4, kToolStripShadow, kGripperSolid, kGripperShadow,
  kSelectGradientColour1, kSelectGradientColour2, kStickySelectGradientColour1,
  kStickySelectGradientColour2, kStickySelectBorderColour, kToolBarButtonTextColour,
  kToolBarButtonHotTextColour, kToolBarButtonDisabledTextColour, kToolBarHotGradientColour1,
  kToolBarHotGradientColour2, kToolBarSeparator, kToolBarSeparatorShadow,
};

// The keyword of an index 0 to 55; empty for any other number.
std::string_view UIColourIndexName(int32_t index);

// The index of a keyword, compared case-blind; -1 for an unknown keyword.
int32_t FindUIColourIndex(std::wstring_view name);

// Whether the colours of an index are held in COLORREF form (0x00BBGGRR); the
// others are held in ARGB form.
bool IsColourRefFormIndex(int32_t index);

}  // namespace kelvra
