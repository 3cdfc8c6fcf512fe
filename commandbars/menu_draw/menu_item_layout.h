// The geometry of one owner-drawn menu item, shared by measuring and drawing: the
// icon column, the label and hot-key rectangles, icon and check-box places, the
// separator line, the sub-menu arrow square and the scroll triangles; and the
// two small state machines of a popup's paint (the paint pass and the
// separator skip). Pure: no Win32 types.
#pragma once

#include <array>
#include <cstdint>

namespace kelvra {

// A rectangle in the item's device context; right and bottom exclusive.
struct ItemRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const ItemRect&) const = default;
};

struct ItemPoint {
  int32_t x = 0, y = 0;
  bool operator==(const ItemPoint&) const = default;
};

// The four looks an item is drawn in.
enum class MenuLook { PlainClassic, ThemedClassic, Whidbey, Office2003, Office2007 };

// The look of a menu's UI style: below 5 classic (themed when the "menu" theme
// may be used), 5 Whidbey, 6 and 0x1000000 Office 2003, 0x2000000 Office 2007.
MenuLook MenuLookOf(int32_t uiStyle, bool themedClassic);
inline bool IsOfficeLook(MenuLook look) { return look == MenuLook::Office2003 || look == MenuLook::Office2007; }
inline bool IsClassicLook(MenuLook look) { return look == MenuLook::PlainClassic || look == MenuLook::ThemedClassic; }

// The themed classic look needs the common controls 6.1 or later.
bool CommonControlsAllowMenuTheme(uint32_t major, uint32_t minor);

// MenuImageColumn: the icon column's width for an item with icons `imageWidth`
// wide and the icon margin the last measure kept.
int32_t MenuImageColumn(int32_t imageWidth, int32_t iconMargin, int32_t uiStyle);

// The item's right edge while its record's open byte is set: the measured popup
// width less the frame (4 in the Office styles, else 6).
int32_t OpenItemRight(int32_t measuredWidth, int32_t uiStyle);

// The item's label rectangle: from its left + column + 9 (themed classic + 6; the
// plain classic look counts the image width as its column and keeps the full
// bottom).
ItemRect LabelRect(const ItemRect& item, MenuLook look, int32_t column, int32_t imageWidth);
// The hot-key text `textWidth` wide, right-aligned before the sub-menu square.
ItemRect HotKeyRect(const ItemRect& item, int32_t textWidth, int32_t menuCheckWidth);

// An icon of imageWidth x imageHeight centred in the column (integer halves).
ItemPoint IconOrigin(const ItemRect& item, int32_t column, int32_t imageWidth, int32_t imageHeight);
// The check box of a checked item: the icon column, one pixel inside the item.
ItemRect CheckBoxRect(const ItemRect& item, int32_t column);

// The one-pixel separator line of the styled looks, on the item's top row.
ItemRect SeparatorLine(const ItemRect& item, int32_t column);
// The classic separator's two rows (grey, then highlight below it).
ItemRect ClassicSeparatorLine(const ItemRect& item, int row);

// The square of the sub-menu arrow at the item's right end.
ItemRect SubmenuArrowSquare(const ItemRect& item, int32_t menuCheckWidth);
// The strip the background-cache shortcut keeps the system's arrow out of.
ItemRect CachedItemArrowStrip(const ItemRect& item, int32_t menuCheckWidth);

// The three corners of a scroll item's triangle: the up arrow (type -2) points
// up, the down arrow (type -1) down.
std::array<ItemPoint, 3> ScrollTriangle(const ItemRect& item, int32_t menuCheckWidth, bool up);

// MenuPaintPass: 0 while a freshly opened popup draws its items the first time,
// -1 once its last item was drawn, 1 from the next item on.
struct MenuPaintPass {
  static constexpr int32_t kFirst = 0, kLastDrawn = -1, kRepaint = 1;
};
// The pass before an item is drawn: -1 becomes 1; 0 becomes -1 at the last item.
int32_t AdvancePaintPass(int32_t pass, int32_t position, int32_t itemCount);

// The keyboard's walk over separators: a separator drawn hot after a key press
// asks for one more key in the same direction, but never more in a row than the
// menu has items, so a popup of separators alone cannot cycle for ever.
struct SeparatorSkip {
  int32_t skipsInRow = 0;
  // A hot separator at `top` after a key press: true when a key is to be sent,
  // `down` its direction (a separator at or below the last hot top goes on down).
  bool OnHotSeparator(int32_t top, int32_t lastHotTop, int32_t itemCount, bool& down);
  // A hot item that is no separator, or a popup opening, ends the run.
  void Reset() { skipsInRow = 0; }
};

}  // namespace kelvra
