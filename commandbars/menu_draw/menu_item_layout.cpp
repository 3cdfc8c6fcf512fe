// Menu item geometry and the paint-pass and separator-skip steps.
#include "commandbars/menu_draw/menu_item_layout.h"

#include "core/windows/window_geometry.h"
#include "skin/ui_colours/ui_style.h"

namespace kelvra {

namespace {

int64_t Wide(int32_t value) { return value; }

ItemRect MakeRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  return ItemRect{ClampToInt32(left), ClampToInt32(top), ClampToInt32(right), ClampToInt32(bottom)};
}

// Division rounding towards minus infinity (item coordinates may be negative).
int64_t FloorDiv(int64_t value, int64_t divisor) {
  const int64_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

}  // namespace

MenuLook MenuLookOf(int32_t uiStyle, bool themedClassic) {
  if (uiStyle < static_cast<int32_t>(kUIStyleWhidbey))
    return themedClassic ? MenuLook::ThemedClassic : MenuLook::PlainClassic;
  const auto style = static_cast<uint32_t>(uiStyle);
  if (style == kUIStyleOffice2003Record || style == kUIStyleOffice2003) return MenuLook::Office2003;
  if (style == kUIStyleOffice2007) return MenuLook::Office2007;
  // Styles 5 and above measure their separators 2 pixels high, which only the
  // styled looks draw into; an unknown one takes the Whidbey look.
  return MenuLook::Whidbey;
}

bool CommonControlsAllowMenuTheme(uint32_t major, uint32_t minor) { return major > 6 || (major == 6 && minor >= 1); }

int32_t MenuImageColumn(int32_t imageWidth, int32_t iconMargin, int32_t uiStyle) {
  int64_t column = Wide(imageWidth) + iconMargin;
  if (uiStyle < static_cast<int32_t>(kUIStyleWhidbey)) column += 5;
  else if (static_cast<uint32_t>(uiStyle) == kUIStyleOffice2007) column += 2;
  return ClampToInt32(column);
}

int32_t OpenItemRight(int32_t measuredWidth, int32_t uiStyle) {
  const bool office = IsOfficeLook(MenuLookOf(uiStyle, false));
  return ClampToInt32(Wide(measuredWidth) - (office ? 4 : 6));
}

ItemRect LabelRect(const ItemRect& item, MenuLook look, int32_t column, int32_t imageWidth) {
  // The right edge lies past the item on purpose: the label is measured to fit
  // and drawn unclipped, so it only has to start in the right place.
  switch (look) {
    case MenuLook::PlainClassic:
      return MakeRect(Wide(item.left) + imageWidth + 9, item.top, Wide(item.right) + imageWidth + 9, item.bottom);
    case MenuLook::ThemedClassic:
      return MakeRect(Wide(item.left) + column + 6, item.top, Wide(item.right) + column + 6, Wide(item.bottom) - 1);
    default:
      return MakeRect(Wide(item.left) + column + 9, item.top, Wide(item.right) + column + 9, Wide(item.bottom) - 1);
  }
}

ItemRect HotKeyRect(const ItemRect& item, int32_t textWidth, int32_t menuCheckWidth) {
  const int64_t left = Wide(item.right) - textWidth - menuCheckWidth - 6;
  return MakeRect(left, item.top, left + textWidth, Wide(item.bottom) - 1);
}

ItemPoint IconOrigin(const ItemRect& item, int32_t column, int32_t imageWidth, int32_t imageHeight) {
  return ItemPoint{ClampToInt32(Wide(item.left) + column / 2 - imageWidth / 2),
                   ClampToInt32(Wide(item.top) + (Wide(item.bottom) - item.top - imageHeight) / 2)};
}

ItemRect CheckBoxRect(const ItemRect& item, int32_t column) {
  return MakeRect(Wide(item.left) + 1, Wide(item.top) + 1, Wide(item.left) + column - 1, Wide(item.bottom) - 2);
}

ItemRect SeparatorLine(const ItemRect& item, int32_t column) {
  return MakeRect(Wide(item.left) + column + 9, item.top, Wide(item.right) - 1, Wide(item.top) + 1);
}

ItemRect ClassicSeparatorLine(const ItemRect& item, int row) {
  const int64_t y = Wide(item.top) + 3 + (row ? 1 : 0);
  return MakeRect(Wide(item.left) + 2, y, Wide(item.right) - 2, y + 1);
}

ItemRect SubmenuArrowSquare(const ItemRect& item, int32_t menuCheckWidth) {
  const int64_t top = Wide(item.top) + (Wide(item.bottom) - item.top - menuCheckWidth) / 2;
  return MakeRect(Wide(item.right) - menuCheckWidth, top, item.right, top + menuCheckWidth);
}

ItemRect CachedItemArrowStrip(const ItemRect& item, int32_t menuCheckWidth) {
  return MakeRect(Wide(item.right) - menuCheckWidth - 2, item.top, item.right, Wide(item.bottom) - 1);
}

std::array<ItemPoint, 3> ScrollTriangle(const ItemRect& item, int32_t menuCheckWidth, bool up) {
  // An even width of a quarter of the check mark's, and half as high (rounded up).
  const int64_t w = FloorDiv(menuCheckWidth, 4) * 2;
  const int64_t h = w - FloorDiv(w, 2);
  const int64_t x = FloorDiv(Wide(item.right) - w, 2);
  int64_t y = Wide(item.top) + (Wide(item.bottom) - item.top) / 2 - h / 2;
  y += up ? 1 : -1;
  auto point = [](int64_t px, int64_t py) { return ItemPoint{ClampToInt32(px), ClampToInt32(py)}; };
  if (up) return {point(x + w / 2, y), point(x, y + h), point(x + w, y + h)};
  return {point(x + w / 2, y + h), point(x, y), point(x + w, y)};
}

int32_t AdvancePaintPass(int32_t pass, int32_t position, int32_t itemCount) {
  if (pass == MenuPaintPass::kLastDrawn) return MenuPaintPass::kRepaint;
  if (pass == MenuPaintPass::kFirst && Wide(position) == Wide(itemCount) - 1) return MenuPaintPass::kLastDrawn;
  return pass;
}

bool SeparatorSkip::OnHotSeparator(int32_t top, int32_t lastHotTop, int32_t itemCount, bool& down) {
  if (skipsInRow >= itemCount) return false;
  ++skipsInRow;
  down = top >= lastHotTop;
  return true;
}

}  // namespace kelvra
