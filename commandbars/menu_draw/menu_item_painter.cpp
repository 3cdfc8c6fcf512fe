// Menu items drawn in the four looks.
#include "commandbars/menu_draw/menu_item_painter.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "commandbars/menu_draw/menu_item_layout.h"
#include "core/library/library_globals.h"
#include "core/platform/uxtheme_api.h"
#include "core/text/formatted_text.h"
#include "skin/elements/ui_element_cache.h"
#include "skin/elements/ui_element_painter.h"
#include "skin/ui_colours/ui_colour_brush_cache.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_style.h"

namespace kelvra {

namespace {

// Colour indices of the menu looks.
constexpr int32_t kMenuTextColour = 4;
constexpr int32_t kMenuBarColour = 13;  // the icon column
constexpr int32_t kCheckBackground = 14, kCheckBorder = 15;
constexpr int32_t kCheckHotBackground = 16, kCheckHotBorder = 17;
constexpr int32_t kCheckDisabledBackground = 18, kCheckDisabledBorder = 19;
constexpr int32_t kSeparatorBar = 25;
constexpr int32_t kSelectedColour = 26, kSelectedTextColour = 27, kSelectedBorder = 28;
constexpr int32_t kDisabledColour = 29;
constexpr int32_t kBackground = 30;

// Parts and states of the "menu" theme.
constexpr int kPartPopupBackground = 9, kPartCheck = 11, kPartCheckBackground = 12, kPartGutter = 13,
              kPartPopupItem = 14, kPartSeparator = 15, kPartSubmenu = 16;

constexpr uint32_t kElementWidthExact = 0x100;
constexpr uint32_t kElementCheckBox = 0x1100;

// What the painter keeps between items and paints: one off-screen buffer grown
// to the largest item, and the arrow square. Guarded by MenuLock.
struct PainterResources {
  CachedSurface buffer;
  CachedSurface arrow;
  int arrowSide = 0;
  POINT arrowSeed{-1, -1};  // a pixel of the system's black arrow, for its re-colouring
  // Hot-key texts measured in `measuredFont`: every repaint draws the same few.
  HFONT measuredFont = nullptr;
  std::unordered_map<std::wstring, int> hotKeyWidths;
};

PainterResources& Resources();

// The width of a hot-key text as DrawFormattedText measures it, kept per font.
int HotKeyWidth(HDC dc, std::wstring_view text, HFONT font, uint32_t flags) {
  PainterResources& kept = Resources();
  if (!font) {  // the DC's own font: nothing to key a kept width by
    RECT measured{0, 0, 0, 0};
    DrawFormattedText(dc, text, &measured, font, flags | FormattedTextFlags::MeasureOnly);
    return static_cast<int>(measured.right - measured.left);
  }
  if (kept.measuredFont != font || kept.hotKeyWidths.size() > 1024) {
    kept.hotKeyWidths.clear();
    kept.measuredFont = font;
  }
  // Disabled texts ignore their colour codes, which changes nothing of the width.
  const std::wstring key(text);
  if (const auto found = kept.hotKeyWidths.find(key); found != kept.hotKeyWidths.end()) return found->second;
  RECT measured{0, 0, 0, 0};
  DrawFormattedText(dc, text, &measured, font, flags | FormattedTextFlags::MeasureOnly);
  const int width = static_cast<int>(measured.right - measured.left);
  kept.hotKeyWidths.emplace(key, width);
  return width;
}

PainterResources& Resources() {
  static PainterResources& resources = *new PainterResources;  // freed by FreeMenuItemPainter
  return resources;
}

RECT ToRect(const ItemRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
ItemRect ToItemRect(const RECT& r) { return ItemRect{r.left, r.top, r.right, r.bottom}; }

void Fill(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
  if (!brush || right <= left || bottom <= top) return;
  const RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush);
}

// The colours of one item in its look.
class ItemColours {
 public:
  ItemColours(MenuLook look, int32_t uiStyle) : look_(look), style_(static_cast<uint32_t>(uiStyle)) {}

  HBRUSH Brush(int32_t index) const {
    if (look_ == MenuLook::Whidbey)
      return reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(GetUIColourBrush(kUIStyleWhidbey, index)));
    return LookupUIColourBrush(style_, index);
  }
  COLORREF Colour(int32_t index) const {
    if (look_ == MenuLook::Whidbey) return static_cast<COLORREF>(GetUIColourBrush(kUIStyleWhidbey, index));
    return static_cast<COLORREF>(LookupUIColour(style_, index, kUIColourColorRef));
  }
  uint32_t Style() const { return style_; }

 private:
  MenuLook look_;
  uint32_t style_;
};

void DrawTheme(HDC dc, int part, int state, const RECT& rect) {
  auto& theme = UxTheme();
  if (theme.DrawThemeBackground && theme.themes.menu)
    theme.DrawThemeBackground(theme.themes.menu, dc, part, state, &rect, nullptr);
}

struct ItemDraw {
  HDC dc;
  ItemRect item;
  MenuLook look;
  const ItemColours& colours;
  const MenuItemPaintInput& input;
  int32_t column;
  bool hot, disabled, keyboardSelected;
};

// (1) the background of the item and its icon column, as a normal item has it.
void FillBackground(const ItemDraw& d) {
  const ItemRect& r = d.item;
  switch (d.look) {
    case MenuLook::PlainClassic:
      Fill(d.dc, r.left, r.top, r.right, r.bottom, GetSysColorBrush(COLOR_MENU));
      break;
    case MenuLook::ThemedClassic:
      DrawTheme(d.dc, kPartPopupBackground, 1, ToRect(r));
      DrawTheme(d.dc, kPartGutter, 1, RECT{r.left, r.top, r.left + d.column + 1, r.bottom});
      break;
    case MenuLook::Whidbey:
      Fill(d.dc, r.left + d.column + 1, r.top, r.right, r.bottom, d.colours.Brush(kBackground));
      Fill(d.dc, r.left - 1, r.top, r.left + d.column + 1, r.bottom, d.colours.Brush(kMenuBarColour));
      break;
    case MenuLook::Office2003:
    case MenuLook::Office2007:
      Fill(d.dc, r.left + d.column + 1, r.top, r.right, r.bottom, d.colours.Brush(kBackground));
      PaintUIElement(d.dc, d.colours.Style(), kMenuBarColour, RECT{r.left - 1, r.top, r.left + d.column + 1, r.bottom},
                     kElementWidthExact);
      break;
  }
}

// (2) the selection: the hot frame and fill, or the keyboard's frame on a
// disabled item.
void DrawSelection(const ItemDraw& d) {
  const ItemRect& r = d.item;
  if (!d.hot && !d.keyboardSelected) return;
  switch (d.look) {
    case MenuLook::PlainClassic:
      if (d.hot) Fill(d.dc, r.left, r.top, r.right, r.bottom, GetSysColorBrush(COLOR_HIGHLIGHT));
      else {
        const RECT frame = ToRect(r);
        FrameRect(d.dc, &frame, GetSysColorBrush(COLOR_MENUHILIGHT));
      }
      break;
    case MenuLook::ThemedClassic:
      DrawTheme(d.dc, kPartPopupItem, d.hot ? 2 : 4, ToRect(r));
      break;
    default: {
      const RECT frame{r.left, r.top, r.right, r.bottom - 1};
      Fill(d.dc, frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1,
           d.colours.Brush(d.hot ? kSelectedColour : kBackground));
      FrameRect(d.dc, &frame, d.colours.Brush(kSelectedBorder));
      break;
    }
  }
}

COLORREF TextColour(const ItemDraw& d) {
  switch (d.look) {
    case MenuLook::PlainClassic:
      return GetSysColor(d.disabled ? COLOR_GRAYTEXT : d.hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    case MenuLook::ThemedClassic:
      return GetSysColor(d.disabled ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    default:
      return d.colours.Colour(d.disabled ? kDisabledColour : d.hot ? kSelectedTextColour : kMenuTextColour);
  }
}

// (3) the label from the column on, then the hot-key text right-aligned.
void DrawTexts(const ItemDraw& d, COLORREF colour) {
  const uint32_t flags = d.disabled ? FormattedTextFlags::NoColours : 0;
  const ItemRect label = LabelRect(d.item, d.look, d.column, d.input.imageWidth);
  ItemRect hotKey{};
  if (!d.input.hotKey.empty()) {
    const int width = HotKeyWidth(d.dc, d.input.hotKey, d.input.font, flags);
    hotKey = HotKeyRect(d.item, width, GetSystemMetrics(SM_CXMENUCHECK));
  }
  auto draw = [&](int dx, int dy, COLORREF c) {
    SetTextColor(d.dc, c);
    RECT r{label.left + dx, label.top + dy, label.right + dx, label.bottom + dy};
    if (!d.input.label.empty()) DrawFormattedText(d.dc, d.input.label, &r, d.input.font, flags);
    if (!d.input.hotKey.empty()) {
      RECT h{hotKey.left + dx, hotKey.top + dy, hotKey.right + dx, hotKey.bottom + dy};
      DrawFormattedText(d.dc, d.input.hotKey, &h, d.input.font, flags);
    }
  };
  SetBkMode(d.dc, TRANSPARENT);
  // The plain classic look embosses disabled text: highlight below right, grey on top.
  if (d.look == MenuLook::PlainClassic && d.disabled) draw(1, 1, GetSysColor(COLOR_3DHILIGHT));
  draw(0, 0, colour);
}

void DrawImage(HDC dc, HIMAGELIST images, int index, int x, int y, bool disabled) {
  if (!images || index < 0 || index >= ImageList_GetImageCount(images)) return;
  if (disabled)
    ImageList_DrawEx(images, index, dc, x, y, 0, 0, CLR_NONE, CLR_DEFAULT, ILD_TRANSPARENT | ILD_BLEND50);
  else
    ImageList_Draw(images, index, dc, x, y, ILD_TRANSPARENT);
}

SIZE ImageSize(HIMAGELIST images) {
  int cx = 0, cy = 0;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  return SIZE{cx, cy};
}

// The item's own icon centred in the column: hot, disabled or normal.
void DrawIcon(const ItemDraw& d) {
  const MenuItemPaintInput& in = d.input;
  if (!in.images) return;
  int index = -1;
  if (d.disabled) index = 2;
  else if (d.hot && in.hasHotIcon) index = 1;
  else if (in.hasNormalIcon) index = 0;
  if (index < 0) return;
  const SIZE size = ImageSize(in.images);
  const ItemPoint at = IconOrigin(d.item, d.column, size.cx, size.cy);
  // The disabled image is a tinted one of its own: no blend on top.
  DrawImage(d.dc, in.images, index, at.x, at.y, false);
}

// (4) the check box with its glyph or icon, the radio bullet, or the icon.
void DrawCheckOrIcon(const ItemDraw& d, bool checked) {
  if (!checked) {
    DrawIcon(d);
    return;
  }
  const MenuItemPaintInput& in = d.input;
  const ItemRect& r = d.item;
  auto drawGlyph = [&](HIMAGELIST glyph) {
    const SIZE size = ImageSize(glyph);
    const ItemPoint at = IconOrigin(r, d.column, size.cx, size.cy);
    DrawImage(d.dc, glyph, 0, at.x, at.y, d.disabled);
  };
  if (in.radio && !in.iconCheck) {
    drawGlyph(Globals().glyphList2);
    return;
  }
  const ItemRect boxRect = CheckBoxRect(r, d.column);
  const RECT box = ToRect(boxRect);
  switch (d.look) {
    case MenuLook::PlainClassic:
      break;  // the system look shows the glyph alone
    case MenuLook::ThemedClassic:
      DrawTheme(d.dc, kPartCheckBackground, d.disabled ? 1 : 2, box);
      DrawTheme(d.dc, kPartCheck, in.radio ? (d.disabled ? 4 : 3) : (d.disabled ? 2 : 1), box);
      break;
    case MenuLook::Whidbey: {
      const int32_t background = d.disabled ? kCheckDisabledBackground : d.hot ? kCheckHotBackground : kCheckBackground;
      const int32_t border = d.disabled ? kCheckDisabledBorder : d.hot ? kCheckHotBorder : kCheckBorder;
      FillRect(d.dc, &box, d.colours.Brush(background));
      FrameRect(d.dc, &box, d.colours.Brush(border));
      break;
    }
    default:
      if (d.disabled) FrameRect(d.dc, &box, d.colours.Brush(kCheckDisabledBorder));
      else PaintUIElement(d.dc, d.colours.Style(), d.hot ? kCheckHotBorder : kCheckBorder, box, kElementCheckBox);
      break;
  }
  if (d.look == MenuLook::ThemedClassic) return;  // the theme's check part is the glyph
  if (in.iconCheck) DrawIcon(d);
  else drawGlyph(Globals().glyphList1);
}

// (6) the sub-menu arrow in the state's colour, the system's own kept out.
void DrawSubmenuArrow(HDC dc, const ItemDraw& d, COLORREF textColour) {
  const int side = GetSystemMetrics(SM_CXMENUCHECK);
  const RECT square = ToRect(SubmenuArrowSquare(d.item, side));
  if (d.look == MenuLook::ThemedClassic) {
    DrawTheme(dc, kPartSubmenu, 1, square);
  } else {
    PainterResources& kept = Resources();
    if (!kept.arrow.dc() || kept.arrowSide != side) {
      kept.arrowSide = 0;
      if (!kept.arrow.Create(dc, side, side)) return;
      kept.arrowSide = side;
      kept.arrowSeed = POINT{-1, -1};
    }
    HDC arrow = kept.arrow.dc();
    const RECT whole{0, 0, side, side};
    FillRect(arrow, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT frame = whole;
    DrawFrameControl(arrow, &frame, DFC_MENU, DFCS_MENUARROW);
    if (!d.hot) {
      if (kept.arrowSeed.x < 0) {
        // Found once per size: the system draws the same arrow every time.
        for (int y = 0; y < side && kept.arrowSeed.x < 0; ++y)
          for (int x = 0; x < side; ++x)
            if ((GetPixel(arrow, x, y) & 0xFFFFFF) == 0) {
              kept.arrowSeed = POINT{x, y};
              break;
            }
      }
      if (kept.arrowSeed.x >= 0 && textColour != 0) {
        // The DC's own brush: a repaint makes no brush.
        const HGDIOBJ old = SelectObject(arrow, GetStockObject(DC_BRUSH));
        SetDCBrushColor(arrow, textColour);
        ExtFloodFill(arrow, kept.arrowSeed.x, kept.arrowSeed.y, RGB(0, 0, 0), FLOODFILLSURFACE);
        SelectObject(arrow, old);
      }
    }
    TransparentBlt(dc, square.left, square.top, side, side, arrow, 0, 0, side, side, RGB(255, 255, 255));
  }
  ExcludeClipRect(dc, square.left, square.top, square.right, square.bottom);
}

void DrawSeparator(const ItemDraw& d) {
  const ItemRect& r = d.item;
  switch (d.look) {
    case MenuLook::PlainClassic: {
      const RECT grey = ToRect(ClassicSeparatorLine(r, 0));
      const RECT light = ToRect(ClassicSeparatorLine(r, 1));
      FillRect(d.dc, &grey, GetSysColorBrush(COLOR_GRAYTEXT));
      FillRect(d.dc, &light, GetSysColorBrush(COLOR_3DHILIGHT));
      break;
    }
    case MenuLook::ThemedClassic:
      DrawTheme(d.dc, kPartSeparator, 1, ToRect(r));
      break;
    default: {
      const RECT line = ToRect(SeparatorLine(r, d.column));
      if (line.right > line.left) FillRect(d.dc, &line, d.colours.Brush(kSeparatorBar));
      break;
    }
  }
}

void DrawScrollTriangle(HDC dc, const ItemRect& r, bool up) {
  const auto corners = ScrollTriangle(r, GetSystemMetrics(SM_CXMENUCHECK), up);
  POINT points[3];
  for (int i = 0; i < 3; ++i) points[i] = POINT{corners[i].x, corners[i].y};
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Polygon(dc, points, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

// The buffer that pass 1 draws an item into, in the item's own coordinates.
HDC BufferFor(HDC like, const ItemRect& r) {
  PainterResources& kept = Resources();
  const int width = std::max(r.Width(), 1), height = std::max(r.Height(), 1);
  if (!kept.buffer.dc() || kept.buffer.width() < width || kept.buffer.height() < height) {
    if (!kept.buffer.Create(like, std::max(width, kept.buffer.width()), std::max(height, kept.buffer.height())))
      return nullptr;
  }
  HDC buffer = kept.buffer.dc();
  SetWindowOrgEx(buffer, r.left, r.top, nullptr);
  return buffer;
}

}  // namespace

bool MenuThemeUsable() {
  const auto& theme = UxTheme();
  const auto& version = Globals().comctlVersion;
  return theme.visualStyles && theme.themes.menu && theme.DrawThemeBackground &&
         CommonControlsAllowMenuTheme(version.major, version.minor);
}

MenuItemPaintOutcome PaintMenuItem(const DRAWITEMSTRUCT& draw, const MenuItemPaintInput& input,
                                   MenuTrackingState& tracking) {
  MenuItemPaintOutcome outcome;
  if (!draw.hDC) return outcome;
  const UINT state = draw.itemState;
  const bool selected = state & ODS_SELECTED;

  // 1. The paint pass; 2. whether the popup opened with its first item hot.
  const int32_t passBefore = tracking.menuPaintPass;
  tracking.menuPaintPass = AdvancePaintPass(passBefore, input.position, input.itemCount);
  if (input.position == 0) tracking.firstItemHot = selected ? 1 : 0;

  // 3. A popup re-opened at the size of its kept background: the popup window
  // shows that picture, so items that are not selected draw nothing (and keep
  // the system's arrow out of their right end). Where the system overpaints the
  // erased background the switch is off and every item draws.
  const int side = GetSystemMetrics(SM_CXMENUCHECK);
  ItemRect r = ToItemRect(draw.rcItem);
  if (tracking.popupBackgroundSwitch && input.backgroundCached && !selected &&
      (tracking.menuPaintPass == MenuPaintPass::kFirst || tracking.menuPaintPass == MenuPaintPass::kLastDrawn)) {
    if (tracking.menuPaintPass == MenuPaintPass::kLastDrawn) tracking.menuPaintPass = MenuPaintPass::kRepaint;
    const RECT strip = ToRect(CachedItemArrowStrip(r, side));
    ExcludeClipRect(draw.hDC, strip.left, strip.top, strip.right, strip.bottom);
    return outcome;
  }
  outcome.drawn = true;

  // 4. The column, and the right edge of a title's open drop-down.
  const MenuLook look = MenuLookOf(input.uiStyle, MenuThemeUsable());
  const int32_t column = MenuImageColumn(input.imageWidth, tracking.iconMargin, input.uiStyle);
  if (input.open) r.right = OpenItemRight(input.measuredWidth, input.uiStyle);

  // 5. Hot, disabled or normal; a disabled item the arrow keys selected keeps a frame.
  const bool disabled = (state & ODS_DISABLED) || state == 7;
  const bool hot = selected && !disabled;
  const bool keyboardSelected = disabled && selected && tracking.arrowUsed == 1;

  const bool repaint = tracking.menuPaintPass == MenuPaintPass::kRepaint;
  HDC dc = repaint ? BufferFor(draw.hDC, r) : draw.hDC;
  if (!dc) dc = draw.hDC;

  const ItemColours colours(look, input.uiStyle);
  const ItemDraw d{dc, r, look, colours, input, column, hot, disabled, keyboardSelected};
  const bool scrollItem = input.itemType < 0;
  const bool separator = input.separator && !scrollItem;

  FillBackground(d);
  COLORREF textColour = 0;
  if (scrollItem) {
    if (input.itemType != -3) DrawScrollTriangle(dc, r, input.itemType == -2);
  } else if (separator) {
    DrawSeparator(d);
  } else {
    DrawSelection(d);
    textColour = TextColour(d);
    DrawTexts(d, textColour);
    DrawCheckOrIcon(d, state & ODS_CHECKED);
  }

  // 5. The off-screen picture onto the menu.
  if (dc != draw.hDC) {
    BitBlt(draw.hDC, r.left, r.top, r.Width(), r.Height(), dc, r.left, r.top, SRCCOPY);
    SetWindowOrgEx(dc, 0, 0, nullptr);
  }

  // 6. The arrow, drawn straight onto the menu so that its clip exclusion holds.
  if (!scrollItem && !separator && input.hasSubmenu) DrawSubmenuArrow(draw.hDC, d, textColour);

  // The keyboard passes over separators: one more key in the same direction, but
  // never more in a row than the menu has items.
  if (selected) {
    if (separator && tracking.lastInput == 1) {
      SeparatorSkip skip{tracking.separatorSkips};
      bool down = true;
      if (skip.OnHotSeparator(r.top, tracking.lastHotItemTop, input.itemCount, down))
        outcome.separatorKey = down ? VK_DOWN : VK_UP;
      tracking.separatorSkips = skip.skipsInRow;
    } else if (!separator) {
      tracking.separatorSkips = 0;
    }
    tracking.lastHotItemTop = r.top;
  }

  // The picture of a whole first paint is kept for the next opening at this size.
  if (tracking.popupBackgroundSwitch && tracking.firstItemHot == 0 &&
      tracking.menuPaintPass == MenuPaintPass::kLastDrawn && passBefore == MenuPaintPass::kFirst &&
      input.droppedDown && !input.popupMarker && !tracking.scrollSliceMenu && !input.backgroundCached &&
      input.measuredWidth > 0 && input.measuredHeight > 0)
    outcome.keepBackground = true;
  return outcome;
}

bool KeepPopupBackground(HDC from, int32_t width, int32_t height, UniqueDc& dc, UniqueBitmap& bitmap) {
  dc.reset();
  bitmap.reset();
  if (!from || width <= 0 || height <= 0 || width > 0x4000 || height > 0x4000) return false;
  UniqueDc memory(CreateCompatibleDC(from));
  UniqueBitmap picture(memory ? CreateCompatibleBitmap(from, width, height) : nullptr);
  if (!memory || !picture) return false;
  SelectObject(memory.get(), picture.get());
  BitBlt(memory.get(), 0, 0, width, height, from, 0, 0, SRCCOPY);
  dc = std::move(memory);
  bitmap = std::move(picture);
  return true;
}

void FreeMenuItemPainter() {
  PainterResources& kept = Resources();
  kept.buffer.Reset();
  kept.arrow.Reset();
  kept.arrowSide = 0;
  kept.arrowSeed = POINT{-1, -1};
  kept.hotKeyWidths.clear();
  kept.measuredFont = nullptr;
}

}  // namespace kelvra
