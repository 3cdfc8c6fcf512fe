// Where the shadow strips of a popup menu window go, and in which colour: pure
// functions of the popup's rectangle, the tracking's placement values, the UI
// style, the work area and the shadows of the popup it cascades from. Pure: no
// Win32 types.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kelvra {

// How deep a menu's shadow is.
inline constexpr int32_t kMenuShadowDepth = 5;

// A screen rectangle: left, top, width, height.
struct ShadowBox {
  int32_t x = 0, y = 0, width = 0, height = 0;
  bool operator==(const ShadowBox&) const = default;
};

// One strip to make: its rectangle and CreateDropShadow's flags.
struct ShadowPiece {
  ShadowBox box;
  uint32_t flags = 0;
  bool operator==(const ShadowPiece&) const = default;
};

// The pieces of one popup's shadow, in the order its MenuShadowSet keeps them.
enum MenuShadowPieceIndex : int { kRightShadow, kBottomShadow, kThirdShadow, kMenuShadowPieces };
using MenuShadowPieces = std::array<std::optional<ShadowPiece>, kMenuShadowPieces>;

// What the tracking knows of the popup being shown.
struct MenuShadowPlacement {
  uint32_t style = 0;            // UI style of the tracked menu (6 and 0x1000000 both Office 2003)
  bool fromBarTitle = false;     // dropped down from a menu-bar title (the direction value -1)
  int32_t anchorWidth = 0;       // the title's width the drop-down hangs from
  int32_t placementNudge = 0;    // how far the placement pushed the popup back onto the monitor
  int32_t popupLeftEdge = 0;     // where the tracking meant the popup's left edge to be
};

// The strips of a popup that is not a cascaded submenu (a cascaded one is laid
// out as a popup not from a bar). `workRight` is the right edge (exclusive) of
// the work area of the monitor nearest the popup's bottom-left corner.
MenuShadowPieces LayOutMenuShadows(const ShadowBox& popup, const MenuShadowPlacement& placement, int32_t workRight);

// A cascaded submenu over a strip of its parent's shadow: that strip is hidden and
// made again with the submenu's part cut out, so no shadow lies over the visible
// submenu. `piece` is the hidden strip (the one the submenu covers most, -1 for
// none); `cut` is the covered part in the strip's own coordinates; `remake` is
// false when nothing of the strip would remain.
struct ParentShadowCover {
  int piece = -1;
  ShadowBox cut;
  bool remake = false;
  bool operator==(const ParentShadowCover&) const = default;
};
ParentShadowCover CoverParentShadow(const ShadowBox& submenu, const MenuShadowPieces& parent);

// A shadow colour: a Win32 colour (red in the low byte) and an opacity 0 to 255.
struct ShadowColour {
  uint32_t colour = 0;
  int32_t opacity = 0;
  bool operator==(const ShadowColour&) const = default;
};
// The UI colour "menudropshadow" as stored (0xAARRGGBB): its top byte is the
// opacity. An RGB value (top byte 0) is opacity 0: no shadow.
ShadowColour ShadowColourFromStored(uint32_t stored);
// Menus in styles without a shadow colour of their own.
inline constexpr ShadowColour kPlainMenuShadowColour{0, 40};

bool IsWhidbeyMenuStyle(uint32_t style);
bool IsOfficeMenuStyle(uint32_t style);

}  // namespace kelvra
