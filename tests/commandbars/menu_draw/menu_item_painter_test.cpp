// Menu items drawn into a 32-bit DIB in each look, read back by pixel: the fills
// of the item and its icon column, the hot frame, the text in the state's colour,
// check boxes, glyphs and icons, the sub-menu arrow and its clip exclusion, scroll
// triangles; and the paint pass, the kept popup background and the separator
// skip. Expected colours are read at run time, so the classic variant runs the
// same table.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "commandbars/menu_draw/menu_item_layout.h"
#include "commandbars/menu_draw/menu_item_painter.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "core/library/library_globals.h"
#include "core/platform/uxtheme_api.h"
#include "skin/elements/ui_element_painter.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_style.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using test::Dib32;

constexpr int kWidth = 200, kHeight = 22;
constexpr int kMargin = 6;  // the icon margin of an 8-point menu font
constexpr int32_t kWhidbey = 5, kOffice2003 = 6, kOffice2007 = 0x2000000;

COLORREF AsColorRef(uint32_t argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH log{};
  GetObjectW(brush, sizeof log, &log);
  return log.lbColor;
}

// The colour of UI colour `index` in `style` as the painter fills or writes it.
COLORREF Ui(int32_t style, int32_t index) {
  if (style == kWhidbey) {
    const uint32_t answer = GetUIColourBrush(kUIStyleWhidbey, index);
    const bool textIndex = index <= 4 || index == 27 || index == 29;
    return textIndex ? answer : BrushColour(reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(answer)));
  }
  return LookupUIColour(static_cast<uint32_t>(style), index, kUIColourColorRef);
}

// An image list of three solid 16 x 16 images: red, blue, green.
class SolidIcons {
 public:
  SolidIcons() : list_(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0)) {
    for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 160, 0)}) {
      Dib32 image(16, 16, 0xFF000000 | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
      ImageList_Add(list_, image.bitmap(), nullptr);
    }
  }
  ~SolidIcons() { ImageList_Destroy(list_); }
  HIMAGELIST get() const { return list_; }

 private:
  HIMAGELIST list_;
};

class MenuItemPainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = SavedTracking{tracking.iconMargin, tracking.menuPaintPass, tracking.popupBackgroundSwitch,
                           tracking.firstItemHot, tracking.lastInput, tracking.arrowUsed, tracking.lastHotItemTop,
                           tracking.separatorSkips};
    tracking.iconMargin = kMargin;
    tracking.menuPaintPass = 1;
    tracking.popupBackgroundSwitch = 1;
    tracking.firstItemHot = 0;
    tracking.lastInput = 0;
    tracking.arrowUsed = 0;
    tracking.separatorSkips = 0;
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  void TearDown() override {
    tracking.iconMargin = saved_.iconMargin;
    tracking.menuPaintPass = saved_.pass;
    tracking.popupBackgroundSwitch = saved_.backgroundSwitch;
    tracking.firstItemHot = saved_.firstItemHot;
    tracking.lastInput = saved_.lastInput;
    tracking.arrowUsed = saved_.arrowUsed;
    tracking.lastHotItemTop = saved_.lastHotTop;
    tracking.separatorSkips = saved_.skips;
  }

  MenuItemPaintInput Item(int32_t style, std::wstring_view label = L"Ab") const {
    MenuItemPaintInput in;
    in.label = label;
    in.position = 1;
    in.itemCount = 5;
    in.uiStyle = style;
    in.imageWidth = 16;
    in.imageHeight = 16;
    in.font = font_;
    in.measuredWidth = kWidth;
    in.measuredHeight = 100;
    return in;
  }

  MenuItemPaintOutcome Paint(Dib32& dib, const MenuItemPaintInput& in, UINT state, RECT item = {0, 0, kWidth, kHeight}) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemState = state;
    draw.hDC = dib.dc();
    draw.rcItem = item;
    return PaintMenuItem(draw, in, tracking);
  }

  static int CountPixels(const Dib32& dib, RECT area, const std::function<bool(COLORREF)>& match) {
    int found = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (match(AsColorRef(dib.Pixel(x, y)))) ++found;
    return found;
  }
  static COLORREF At(const Dib32& dib, int x, int y) { return AsColorRef(dib.Pixel(x, y)); }

  MenuTrackingState& tracking = MenuTracking();
  HFONT font_ = nullptr;
  struct SavedTracking {
    int32_t iconMargin, pass, backgroundSwitch, firstItemHot, lastInput, arrowUsed, lastHotTop, skips;
  } saved_{};
};

bool IsRed(COLORREF c) { return GetRValue(c) >= 200 && GetGValue(c) <= 60 && GetBValue(c) <= 60; }

// One table over the four looks by state: the fill right of the column, the
// column, the hot frame and fill, and the text in the state's colour.
TEST_F(MenuItemPainterTest, LooksByState) {
  struct Look {
    const char* name;
    int32_t style;
  };
  const Look looks[] = {{"classic", 0}, {"Whidbey", kWhidbey}, {"Office 2003", kOffice2003}, {"Office 2007", kOffice2007}};
  struct State {
    const char* name;
    UINT state;
    int32_t arrowUsed;
  };
  const State states[] = {{"normal", 0, 0}, {"hot", 1, 0}, {"disabled", 6, 0}, {"disabled selected", 7, 0},
                          {"disabled selected by key", 7, 1}};
  for (const Look& look : looks) {
    const bool classic = look.style < kWhidbey;
    const bool office = look.style == kOffice2003 || look.style == kOffice2007;
    const int column = MenuImageColumn(16, kMargin, look.style);
    for (const State& s : states) {
      SCOPED_TRACE(std::string(look.name) + ", " + s.name);
      tracking.arrowUsed = s.arrowUsed;
      Dib32 dib(kWidth, kHeight, 0xFFFF00FF);
      const MenuItemPaintOutcome outcome = Paint(dib, Item(look.style, L"Ab\\cFF0000Red"), s.state);
      EXPECT_TRUE(outcome.drawn);
      const bool hot = s.state == 1;
      const bool disabled = s.state != 0 && !hot;
      const bool keyFrame = disabled && s.arrowUsed == 1;
      // Right of the column, inside any frame.
      COLORREF fill, text;
      if (classic) {
        fill = GetSysColor(hot ? COLOR_HIGHLIGHT : COLOR_MENU);
        text = GetSysColor(disabled ? COLOR_GRAYTEXT : hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
      } else {
        fill = Ui(look.style, hot ? 26 : 30);
        text = Ui(look.style, disabled ? 29 : hot ? 27 : 4);
      }
      EXPECT_EQ(At(dib, kWidth - 4, 3), fill);
      // The frame: styled looks for hot and key-selected items; classic only by key.
      if (!classic && (hot || keyFrame)) {
        EXPECT_EQ(At(dib, kWidth - 1, kHeight / 2), Ui(look.style, 28));
        EXPECT_EQ(At(dib, kWidth / 2, 0), Ui(look.style, 28));
        EXPECT_EQ(At(dib, kWidth / 2, kHeight - 1), classic ? fill : Ui(look.style, 30));  // bottom - 1
      } else if (classic && keyFrame) {
        EXPECT_EQ(At(dib, kWidth - 1, kHeight / 2), BrushColour(GetSysColorBrush(COLOR_MENUHILIGHT)));
      } else if (!classic) {
        EXPECT_EQ(At(dib, kWidth - 1, kHeight / 2), Ui(look.style, 30));
      }
      // The column: flat in Whidbey, the element in the Office styles.
      if (look.style == kWhidbey && !hot && !keyFrame) {
        EXPECT_EQ(At(dib, column / 2, kHeight / 2), Ui(kWhidbey, 13));
      } else if (office && !hot && !keyFrame) {
        Dib32 element(kWidth, kHeight, 0xFFFF00FF);
        PaintUIElement(element.dc(), static_cast<uint32_t>(look.style), 13, RECT{-1, 0, column + 1, kHeight}, 0x100);
        for (int y : {1, kHeight / 2, kHeight - 2}) EXPECT_EQ(dib.Pixel(column / 2, y), element.Pixel(column / 2, y));
      }
      // The label, from the column on, in the state's colour; a disabled one
      // ignores its colour code.
      const RECT labelArea{column + 5, 0, kWidth / 2, kHeight};
      EXPECT_GT(CountPixels(dib, labelArea, [&](COLORREF c) { return c == text; }), 0);
      const int red = CountPixels(dib, labelArea, IsRed);
      if (disabled) EXPECT_EQ(red, 0);
      else EXPECT_GT(red, 0);
      if (classic && disabled) {  // embossed: the highlight copy shows beside the grey
        EXPECT_GT(CountPixels(dib, labelArea, [](COLORREF c) { return c == GetSysColor(COLOR_3DHILIGHT); }), 0);
      }
    }
  }
}

// The hot-key text ends at item right - SM_CXMENUCHECK - 6, whatever its width
// and font (its width is kept per font between paints).
TEST_F(MenuItemPainterTest, HotKeyTextIsRightAligned) {
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  UniqueFont large(CreateFontW(-17, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  for (HFONT font : {font_, large.get(), font_})
  for (const wchar_t* hotKey : {L"Ctrl+P", L"Ctrl+Shift+W", L"F1"}) {
    for (int32_t style : {0, kWhidbey, kOffice2007}) {
      SCOPED_TRACE(::testing::Message() << "style " << style << " font " << font);
      Dib32 dib(kWidth, kHeight, 0xFFFF00FF);
      MenuItemPaintInput in = Item(style, L"Print$");
      in.font = font;
      in.hotKey = hotKey;
      Paint(dib, in, 0);
      const COLORREF text = style ? Ui(style, 4) : GetSysColor(COLOR_MENUTEXT);
      int rightmost = -1;
      for (int x = kWidth / 2; x < kWidth; ++x)
        if (CountPixels(dib, RECT{x, 0, x + 1, kHeight}, [&](COLORREF c) { return c == text; }) > 0) rightmost = x;
      const int edge = kWidth - check - 6;
      EXPECT_LT(rightmost, edge);
      EXPECT_GE(rightmost, edge - 6);  // the last glyph's own bearing
    }
  }
}

// Check boxes by state with the check mark or the item's icon inside; a radio
// item without the icon-check flag shows its bullet and no box.
TEST_F(MenuItemPainterTest, CheckBoxesGlyphsAndIcons) {
  SolidIcons icons;
  const int column = MenuImageColumn(16, kMargin, kWhidbey);
  const ItemRect box = CheckBoxRect(ItemRect{0, 0, kWidth, kHeight}, column);
  struct Case {
    const char* name;
    UINT state;
    bool iconCheck, radio;
    int32_t border, background;  // -1: no box (the column shows)
  };
  const Case cases[] = {
      {"checked", 8, false, false, 15, 14},
      {"checked hot", 9, false, false, 17, 16},
      {"checked disabled", 14, false, false, 19, 18},
      {"checked with its icon", 8, true, false, 15, 14},
      {"radio", 8, false, true, -1, -1},
      {"radio with its icon", 8, true, true, 15, 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dib32 dib(kWidth, kHeight, 0xFFFF00FF);
    MenuItemPaintInput in = Item(kWhidbey);
    in.images = icons.get();
    in.hasNormalIcon = true;
    in.iconCheck = c.iconCheck;
    in.radio = c.radio;
    Paint(dib, in, c.state);
    if (c.border < 0) {
      EXPECT_EQ(At(dib, box.left, box.top + 1), Ui(kWhidbey, 13));
      // The bullet: dark pixels in the column's middle.
      EXPECT_GT(CountPixels(dib, RECT{0, 0, column, kHeight},
                            [&](COLORREF p) { return p != Ui(kWhidbey, 13) && GetRValue(p) < 128; }),
                0);
    } else {
      EXPECT_EQ(At(dib, box.left, box.top + 1), Ui(kWhidbey, c.border));
      EXPECT_EQ(At(dib, box.left + 1, box.top + 1), Ui(kWhidbey, c.background));
    }
    const int reds = CountPixels(dib, RECT{0, 0, column, kHeight}, IsRed);
    if (c.iconCheck) EXPECT_GT(reds, 100);  // the icon inside the box
    else EXPECT_EQ(reds, 0);                // the check mark, not the icon
  }
}

// Unchecked icons centred in the column: the hot image when hot and given, the
// disabled image when disabled, else the normal one.
TEST_F(MenuItemPainterTest, IconsByState) {
  SolidIcons icons;
  struct Case {
    UINT state;
    bool hotGiven;
    COLORREF centre;
  };
  const Case cases[] = {{0, true, RGB(255, 0, 0)}, {1, true, RGB(0, 0, 255)}, {1, false, RGB(255, 0, 0)},
                        {6, true, RGB(0, 160, 0)}};
  for (int32_t style : {0, kWhidbey, kOffice2003}) {
    const int column = MenuImageColumn(16, kMargin, style);
    const ItemPoint at = IconOrigin(ItemRect{0, 0, kWidth, kHeight}, column, 16, 16);
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << "style " << style << " state " << c.state);
      Dib32 dib(kWidth, kHeight, 0xFFFF00FF);
      MenuItemPaintInput in = Item(style);
      in.images = icons.get();
      in.hasNormalIcon = true;
      in.hasHotIcon = c.hotGiven;
      Paint(dib, in, c.state);
      EXPECT_EQ(At(dib, at.x, at.y), c.centre);
      EXPECT_EQ(At(dib, at.x + 15, at.y + 15), c.centre);
      EXPECT_NE(At(dib, at.x - 1, at.y + 8), c.centre);
      EXPECT_NE(At(dib, at.x + 16, at.y + 8), c.centre);
    }
  }
}

// The sub-menu arrow in the state's colour when not hot, and its square kept
// out of the clip so that what the system draws after the message cannot show.
TEST_F(MenuItemPainterTest, SubmenuArrowColourAndClip) {
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  const ItemRect square = SubmenuArrowSquare(ItemRect{0, 0, kWidth, kHeight}, check);
  const RECT area{square.left, square.top, square.right, square.bottom};
  for (int32_t style : {0, kWhidbey, kOffice2007}) {
    for (UINT state : {0u, 6u}) {
      SCOPED_TRACE(::testing::Message() << "style " << style << " state " << state);
      Dib32 dib(kWidth, kHeight, 0xFFFF00FF);
      MenuItemPaintInput in = Item(style);
      in.hasSubmenu = true;
      Paint(dib, in, state);
      const COLORREF text = style ? Ui(style, state ? 29 : 4) : GetSysColor(state ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
      EXPECT_GT(CountPixels(dib, area, [&](COLORREF c) { return c == text; }), 5);
      if (text != RGB(0, 0, 0)) {
        EXPECT_EQ(CountPixels(dib, area, [](COLORREF c) { return c == RGB(0, 0, 0); }), 0);
      }
      const uint32_t before = dib.Pixel(square.left + check / 2, square.top + check / 2);
      const RECT whole{0, 0, kWidth, kHeight};
      FillRect(dib.dc(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      EXPECT_EQ(dib.Pixel(square.left + check / 2, square.top + check / 2), before);
      EXPECT_EQ(At(dib, 2, 2), RGB(255, 255, 255));
      SelectClipRgn(dib.dc(), nullptr);
    }
  }
}

// Separators as one line (styled) or two (classic); scroll triangles in black,
// the spacer background alone.
TEST_F(MenuItemPainterTest, SeparatorsAndScrollItems) {
  for (int32_t style : {0, kWhidbey, kOffice2003}) {
    SCOPED_TRACE(style);
    const int column = MenuImageColumn(16, kMargin, style);
    Dib32 dib(kWidth, 9, 0xFFFF00FF);
    MenuItemPaintInput in = Item(style, L"");
    in.separator = true;
    Paint(dib, in, 0, RECT{0, 0, kWidth, 9});
    if (style) {
      EXPECT_EQ(At(dib, column + 9, 0), Ui(style, 25));
      EXPECT_EQ(At(dib, kWidth - 2, 0), Ui(style, 25));
      EXPECT_NE(At(dib, column + 8, 0), Ui(style, 25));
      EXPECT_EQ(At(dib, kWidth - 4, 3), Ui(style, 30));
    } else {
      EXPECT_EQ(At(dib, 2, 3), GetSysColor(COLOR_GRAYTEXT));
      EXPECT_EQ(At(dib, 2, 4), GetSysColor(COLOR_3DHILIGHT));
      EXPECT_EQ(At(dib, 2, 5), GetSysColor(COLOR_MENU));
    }
  }
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  for (int32_t type : {-1, -2, -3}) {
    SCOPED_TRACE(type);
    Dib32 dib(kWidth, 16, 0xFFFF00FF);
    MenuItemPaintInput in = Item(kWhidbey, L"");
    in.itemType = type;
    Paint(dib, in, 0, RECT{0, 0, kWidth, 16});
    const int blacks = CountPixels(dib, RECT{0, 0, kWidth, 16}, [](COLORREF c) { return c == RGB(0, 0, 0); });
    if (type == -3) {
      EXPECT_EQ(blacks, 0);
      continue;
    }
    const auto corners = ScrollTriangle(ItemRect{0, 0, kWidth, 16}, check, type == -2);
    EXPECT_GT(blacks, 3);
    // The apex, and the base's middle, are black; nothing above or below them.
    const ItemPoint apex = corners[0];
    const int baseY = corners[1].y;
    EXPECT_EQ(At(dib, apex.x, apex.y), RGB(0, 0, 0));
    EXPECT_EQ(At(dib, apex.x, baseY), RGB(0, 0, 0));
    const int top = std::min(apex.y, baseY), bottom = std::max(apex.y, baseY);
    EXPECT_EQ(CountPixels(dib, RECT{0, 0, kWidth, top}, [](COLORREF c) { return c == RGB(0, 0, 0); }), 0);
    EXPECT_EQ(CountPixels(dib, RECT{0, bottom + 1, kWidth, 16}, [](COLORREF c) { return c == RGB(0, 0, 0); }), 0);
    EXPECT_EQ(type == -2, apex.y < baseY);
  }
}

// Pass 0 becomes -1 at the last item and 1 at the next; an item drawn through the
// off-screen buffer of pass 1 looks as it did in pass 0.
TEST_F(MenuItemPainterTest, PaintPassAndItsBuffer) {
  SolidIcons icons;
  MenuItemPaintInput in = Item(kOffice2007);
  in.images = icons.get();
  in.hasNormalIcon = true;
  in.hasSubmenu = true;
  tracking.menuPaintPass = 0;
  Dib32 first(kWidth, kHeight + 40, 0xFFFF00FF), again(kWidth, kHeight + 40, 0xFFFF00FF);
  const RECT item{0, 20, kWidth, 20 + kHeight};
  Paint(first, in, 1, item);
  EXPECT_EQ(tracking.menuPaintPass, 0);
  in.position = in.itemCount - 1;
  Paint(first, in, 1, item);
  EXPECT_EQ(tracking.menuPaintPass, -1);
  in.position = 1;
  Paint(again, in, 1, item);
  EXPECT_EQ(tracking.menuPaintPass, 1);
  for (int y = 0; y < kHeight + 40; ++y)
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(first.Pixel(x, y), again.Pixel(x, y)) << x << "," << y;
}

// The kept popup background: made after the last item of a first paint of a
// dropped-down record, then answering the unselected items of a reopening at
// that size; never for a popup-marker record, nor while the switch is off.
TEST_F(MenuItemPainterTest, PopupBackgroundCache) {
  struct Case {
    const char* name;
    bool droppedDown, popupMarker;
    int32_t backgroundSwitch;
    bool firstHot;
    bool kept;
  };
  const Case cases[] = {{"dropped down", true, false, 1, false, true},
                        {"not dropped down", false, false, 1, false, false},
                        {"popup marker", true, true, 1, false, false},
                        {"switch off", true, false, 0, false, false},
                        {"first item hot", true, false, 1, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tracking.menuPaintPass = 0;
    tracking.popupBackgroundSwitch = c.backgroundSwitch;
    Dib32 popup(kWidth, 3 * kHeight, 0xFFFF00FF);
    MenuItemPaintInput in = Item(kWhidbey);
    in.droppedDown = c.droppedDown;
    in.popupMarker = c.popupMarker;
    in.itemCount = 3;
    in.measuredWidth = kWidth;
    in.measuredHeight = 3 * kHeight;
    MenuItemPaintOutcome last;
    for (int i = 0; i < 3; ++i) {
      in.position = i;
      last = Paint(popup, in, (i == 0 && c.firstHot) ? 1 : 0, RECT{0, i * kHeight, kWidth, (i + 1) * kHeight});
    }
    EXPECT_EQ(last.keepBackground, c.kept);
    if (!c.kept) continue;
    UniqueDc dc;
    UniqueBitmap bitmap;
    ASSERT_TRUE(KeepPopupBackground(popup.dc(), in.measuredWidth, in.measuredHeight, dc, bitmap));
    EXPECT_EQ(GetPixel(dc.get(), kWidth - 4, kHeight + 3), Ui(kWhidbey, 30));

    // Reopened at the same size: unselected items draw nothing and keep their
    // right strip; the selected one draws.
    tracking.menuPaintPass = 0;
    in.backgroundCached = true;
    Dib32 reopened(kWidth, 3 * kHeight, 0xFFFF00FF);
    in.position = 0;
    EXPECT_FALSE(Paint(reopened, in, 0, RECT{0, 0, kWidth, kHeight}).drawn);
    in.position = 1;
    EXPECT_TRUE(Paint(reopened, in, 1, RECT{0, kHeight, kWidth, 2 * kHeight}).drawn);
    in.position = 2;
    EXPECT_FALSE(Paint(reopened, in, 0, RECT{0, 2 * kHeight, kWidth, 3 * kHeight}).drawn);
    EXPECT_EQ(tracking.menuPaintPass, 1);
    EXPECT_EQ(reopened.Pixel(kWidth / 2, 3), 0xFFFF00FFu);
    const RECT whole{0, 0, kWidth, 3 * kHeight};
    FillRect(reopened.dc(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int check = GetSystemMetrics(SM_CXMENUCHECK);
    EXPECT_EQ(reopened.Pixel(kWidth - check, 3), 0xFFFF00FFu);           // excluded strip
    EXPECT_EQ(At(reopened, kWidth - check - 4, 3), RGB(255, 255, 255));  // left of it
  }
  UniqueDc dc;
  UniqueBitmap bitmap;
  Dib32 any(4, 4);
  EXPECT_FALSE(KeepPopupBackground(any.dc(), 0, 10, dc, bitmap));
  EXPECT_FALSE(KeepPopupBackground(nullptr, 10, 10, dc, bitmap));
  EXPECT_FALSE(dc);
}

// A hot separator after a key asks for one more key in the same direction, at
// most as many in a row as the menu has items; a hot item that is no separator
// ends the run.
TEST_F(MenuItemPainterTest, SeparatorSkipIsBounded) {
  tracking.lastInput = 1;
  MenuItemPaintInput separator = Item(kWhidbey, L"");
  separator.separator = true;
  separator.itemCount = 3;
  Dib32 dib(kWidth, 60, 0xFFFF00FF);
  tracking.lastHotItemTop = 0;
  EXPECT_EQ(Paint(dib, separator, 1, RECT{0, 20, kWidth, 29}).separatorKey, VK_DOWN);
  tracking.lastHotItemTop = 40;
  EXPECT_EQ(Paint(dib, separator, 1, RECT{0, 20, kWidth, 29}).separatorKey, VK_UP);
  EXPECT_EQ(Paint(dib, separator, 1, RECT{0, 20, kWidth, 29}).separatorKey, VK_DOWN);
  EXPECT_EQ(Paint(dib, separator, 1, RECT{0, 20, kWidth, 29}).separatorKey, 0);  // the fourth in a row
  EXPECT_EQ(tracking.lastHotItemTop, 20);
  Paint(dib, Item(kWhidbey), 1, RECT{0, 0, kWidth, 20});
  EXPECT_EQ(tracking.separatorSkips, 0);
  EXPECT_EQ(Paint(dib, separator, 1, RECT{0, 20, kWidth, 29}).separatorKey, VK_DOWN);
  tracking.lastInput = 0;  // the pointer moved: no key
  EXPECT_EQ(Paint(dib, separator, 1, RECT{0, 20, kWidth, 29}).separatorKey, 0);
}

// With the common controls recorded as 6.1 and the "menu" theme open, a hot item
// shows the theme's popup item part in its hot state.
TEST_F(MenuItemPainterTest, ThemedClassicHotItem) {
  auto& theme = UxTheme();
  if (!theme.OpenThemeData || !theme.DrawThemeBackground || test::DllSwitchedOff(L"uxtheme"))
    GTEST_SKIP() << "no visual-styles interface";
  auto& version = Globals().comctlVersion;
  const CommonControlsVersion savedVersion = version;
  const int savedStyles = theme.visualStyles;
  const ThemeHandle savedMenu = theme.themes.menu;
  HWND window = CreateWindowExW(0, test::PlainWindowClass(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ThemeHandle opened = savedMenu ? nullptr : theme.OpenThemeData(window, L"menu");
  if (!savedMenu && !opened) {
    DestroyWindow(window);
    GTEST_SKIP() << "no \"menu\" theme";
  }
  if (opened) theme.themes.menu = opened;
  version.major = 6;
  version.minor = 1;
  theme.visualStyles = 1;
  EXPECT_TRUE(MenuThemeUsable());
  Dib32 dib(kWidth, kHeight, 0xFFFF00FF), expected(kWidth, kHeight, 0xFFFF00FF);
  Paint(dib, Item(0, L""), 1);  // no text: the part alone
  const RECT item{0, 0, kWidth, kHeight};
  theme.DrawThemeBackground(theme.themes.menu, expected.dc(), 9, 1, &item, nullptr);
  theme.DrawThemeBackground(theme.themes.menu, expected.dc(), 14, 2, &item, nullptr);
  EXPECT_EQ(dib.Pixel(kWidth - 20, kHeight / 2), expected.Pixel(kWidth - 20, kHeight / 2));
  version.minor = 0;
  EXPECT_FALSE(MenuThemeUsable());
  version = savedVersion;
  theme.visualStyles = savedStyles;
  theme.themes.menu = savedMenu;
  if (opened && theme.CloseThemeData) theme.CloseThemeData(opened);
  DestroyWindow(window);
}

}  // namespace
}  // namespace kelvra
