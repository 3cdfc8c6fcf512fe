// The UI-style element painter: when it draws and when it only copies, what each
// element looks like row by row, and what it does without GDI+.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "kelvra.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_colour_tables.h"
#include "skin/elements/ui_element_cache.h"
#include "skin/elements/ui_element_painter.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

constexpr uint32_t kSentinel = 0x00FF00FF;  // magenta: no element colour

bool NoGdiPlus() { return test::DllSwitchedOff(L"gdiplus"); }

// A table colour of the current mode as the DIB holds it (0x00RRGGBB).
uint32_t DibColour(uint32_t style, int32_t index) {
  const uint32_t c = LookupUIColour(style, index, kUIColourColorRef);
  return (c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

bool Near(uint32_t pixel, uint32_t expected, int tolerance = 3) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(pixel, shift) - Channel(expected, shift)) > tolerance) return false;
  return true;
}

// Whether a pixel lies within the per-channel range of two colours (a gradient
// between them), give or take rounding.
bool Between(uint32_t pixel, uint32_t a, uint32_t b) {
  for (int shift : {0, 8, 16}) {
    const int lo = std::min(Channel(a, shift), Channel(b, shift)) - 2;
    const int hi = std::max(Channel(a, shift), Channel(b, shift)) + 2;
    if (Channel(pixel, shift) < lo || Channel(pixel, shift) > hi) return false;
  }
  return true;
}

class UIElementPainter : public testing::Test {
 protected:
  void SetUp() override {
    FlushUIElementCache();
    target_.Fill(kSentinel);
    draws_ = UIElementDrawCount();
  }
  void TearDown() override {
    if (GetUIColourMode() != 0) SetUIColourMode(0);
  }
  void Paint(uint32_t style, int32_t element, int width, int height, uint32_t flags, int left = 0, int top = 0) {
    const RECT rect{left, top, left + width, top + height};
    EXPECT_EQ(0, PaintUIElement(target_.dc(), style, element, rect, flags));
  }
  uint32_t Draws() const { return UIElementDrawCount() - draws_; }
  uint32_t At(int x, int y) const { return target_.Pixel(x, y) & 0xFFFFFF; }

  test::Dib32 target_{200, 100};
  uint32_t draws_ = 0;
};

TEST_F(UIElementPainter, CacheFlagsDecideWhenToDrawAgain) {
  if (NoGdiPlus()) GTEST_SKIP() << "gradients need GDI+";
  struct Step { int width, height; };
  struct Case { uint32_t flags; std::vector<Step> steps; uint32_t draws; };
  const Case cases[] = {
      {0, {{100, 20}, {80, 20}}, 1},            // a larger bitmap serves
      {0, {{100, 20}, {80, 30}}, 2},
      {0x100, {{100, 20}, {80, 20}}, 2},        // width must match
      {0x100, {{100, 20}, {100, 10}}, 1},
      {0x1000, {{100, 20}, {80, 20}}, 1},       // height must match
      {0x1000, {{100, 20}, {100, 10}}, 2},
      {0x1100, {{100, 20}, {100, 20}, {99, 20}}, 2},  // both must match
      {0x10000, {{100, 20}, {120, 20}, {100, 20}}, 2},
      {0x10100, {{100, 20}, {120, 20}, {100, 20}, {120, 20}}, 2},
  };
  for (const Case& c : cases) {
    FlushUIElementCache();
    const uint32_t before = UIElementDrawCount();
    for (const Step& step : c.steps) Paint(0x1000000, kMenuHotGradientColour1, step.width, step.height, c.flags);
    EXPECT_EQ(c.draws, UIElementDrawCount() - before) << std::hex << "flags 0x" << c.flags;
  }
  EXPECT_EQ(2u, ElementCache(UITable::Office2003, kMenuHotGradientColour1).variants.size());
}

TEST_F(UIElementPainter, ASmallerPaintCopiesTheTopLeftOfTheCachedBitmap) {
  if (NoGdiPlus()) GTEST_SKIP();
  Paint(6, kMenuHotGradientColour1, 100, 20, 0);
  std::vector<uint32_t> first;
  for (int y = 0; y < 20; ++y) first.push_back(At(5, y));
  Paint(6, kMenuHotGradientColour1, 80, 10, 0, 100, 50);
  EXPECT_EQ(1u, Draws());
  for (int y = 0; y < 10; ++y) EXPECT_EQ(first[y], At(150, 50 + y)) << y;
  EXPECT_EQ(kSentinel, At(150, 60)) << "only the requested rows are copied";
  EXPECT_EQ(kSentinel, At(180, 50));
}

TEST_F(UIElementPainter, FlushAndColourChangesDrawAgainAndKeepVariantEntries) {
  if (NoGdiPlus()) GTEST_SKIP();
  Paint(6, kMenuHotGradientColour1, 100, 20, 0x10000);
  Paint(6, kMenuHotGradientColour1, 120, 20, 0x10000);
  FlushUIElementCache();
  EXPECT_EQ(2u, ElementCache(UITable::Office2003, kMenuHotGradientColour1).variants.size());
  Paint(6, kMenuHotGradientColour1, 100, 20, 0x10000);
  EXPECT_EQ(3u, Draws());
  EXPECT_EQ(2u, ElementCache(UITable::Office2003, kMenuHotGradientColour1).variants.size()) << "an emptied entry is reused";

  EXPECT_EQ(1, SetUIColourMode(7));
  Paint(6, kMenuHotGradientColour1, 100, 20, 0x10000);
  EXPECT_EQ(4u, Draws()) << "a mode change draws anew";
  EXPECT_EQ(1, SetUIColour(0x1000000, 6, 0x00112233, 0, 1));
  Paint(6, kMenuHotGradientColour1, 100, 20, 0x10000);
  EXPECT_EQ(4u, Draws()) << "no refresh asked: the cache stays";
  EXPECT_EQ(1, SetUIColour(0x1000000, 6, 0x00112233, 0, 0));
  Paint(6, kMenuHotGradientColour1, 100, 20, 0x10000);
  EXPECT_EQ(5u, Draws());
  EXPECT_TRUE(Near(At(5, 0), 0x332211)) << std::hex << At(5, 0);
  SetUIColour(0x1000000, 6, GetUIColour(0x1000000, 6, 2), 7, 1);
}

TEST_F(UIElementPainter, CheckBoxFrameAndInteriorAreExact) {
  // Drawn with GDI: they need no GDI+.
  struct Case { uint32_t style; int32_t element, frame, fill; };
  for (const Case& c : {Case{0x1000000, 15, kMenuCheckBoxBorder, kMenuCheckBoxBackground},
                        Case{0x2000000, 17, kMenuCheckBoxSelectedBorder, kMenuCheckBoxSelectedBackground}}) {
    target_.Fill(kSentinel);
    Paint(c.style, c.element, 12, 10, 0x1100, 20, 30);
    const uint32_t frame = DibColour(c.style, c.frame), fill = DibColour(c.style, c.fill);
    for (int y = 30; y < 40; ++y)
      for (int x = 20; x < 32; ++x) {
        const bool edge = x == 20 || x == 31 || y == 30 || y == 39;
        ASSERT_EQ(edge ? frame : fill, At(x, y)) << c.element << " at " << x << "," << y;
      }
    EXPECT_EQ(kSentinel, At(32, 35));
    EXPECT_EQ(kSentinel, At(25, 40));
  }
  EXPECT_EQ(2u, Draws());
}

TEST_F(UIElementPainter, GradientsRunFromTheFirstRowToTheLastWithoutWrapping) {
  if (NoGdiPlus()) GTEST_SKIP();
  struct Case { uint32_t style; int32_t element, first, second; };
  const Case cases[] = {{0x1000000, 6, 6, 7}, {0x2000000, 6, 6, 7}, {6, 10, 10, 11}, {6, 44, 44, 45},
                        {0x2000000, 52, 52, 53}};
  for (const Case& c : cases)
    for (int height : {20, 7, 2}) {
      target_.Fill(kSentinel);
      FlushUIElementCache();
      Paint(c.style, c.element, 50, height, 0);
      const uint32_t first = DibColour(c.style, c.first), second = DibColour(c.style, c.second);
      EXPECT_TRUE(Near(At(10, 0), first)) << c.element << " h " << height << std::hex << " " << At(10, 0);
      EXPECT_TRUE(Near(At(10, height - 1), second)) << c.element << " h " << height << std::hex << " " << At(10, height - 1);
      for (int y = 0; y < height; ++y) EXPECT_TRUE(Between(At(49, y), first, second)) << c.element << " row " << y;
    }
}

TEST_F(UIElementPainter, BarAndStripPaintEveryRowInTheirHalves) {
  if (NoGdiPlus()) GTEST_SKIP();
  for (uint32_t style : {0x1000000u, 0x2000000u})
    for (int height : {24, 25, 3}) {
      FlushUIElementCache();
      target_.Fill(kSentinel);
      Paint(style, kMenuBarColour, 40, height, 0);
      Paint(style, kToolStripBackground1, 40, height, 0, 100, 0);
      const int half = height / 2;
      for (int y = 0; y < height; ++y) {
        const bool upper = y < half;
        EXPECT_TRUE(Between(At(20, y), DibColour(style, upper ? 21 : 23), DibColour(style, upper ? 22 : 24)))
            << "bar h " << height << " row " << y << std::hex << " " << At(20, y);
        if (y == height - 1) {
          EXPECT_EQ(DibColour(style, kToolStripShadow), At(120, y)) << "strip's bottom row";
          continue;
        }
        const bool stripUpper = y <= half;
        EXPECT_TRUE(Between(At(120, y), DibColour(style, stripUpper ? 33 : 35), DibColour(style, stripUpper ? 34 : 36)))
            << "strip h " << height << " row " << y << std::hex << " " << At(120, y);
      }
    }
}

TEST_F(UIElementPainter, WhatDrawsNothing) {
  for (uint32_t style : {5u, 0u, 7u, 0x3000000u}) Paint(style, kMenuHotGradientColour1, 30, 10, 0);
  for (int32_t element : {0, 5, 7, 16, 56, 57, -1, 100000}) Paint(6, element, 30, 10, 0);
  EXPECT_EQ(0u, Draws());
  EXPECT_EQ(kSentinel, At(0, 0));
  EXPECT_EQ(kSentinel, At(29, 9));
  EXPECT_EQ(0, PaintUIElement(nullptr, 6, kMenuCheckBoxBorder, RECT{0, 0, 10, 10}, 0));

  Paint(6, kMenuCheckBoxBorder, 30, 10, 0);
  const HDC cached = ElementCache(UITable::Office2003, kMenuCheckBoxBorder).single.dc();
  target_.Fill(kSentinel);
  for (RECT empty : {RECT{5, 5, 5, 20}, RECT{5, 5, 20, 5}, RECT{20, 20, 5, 5}})
    PaintUIElement(target_.dc(), 6, kMenuCheckBoxBorder, empty, 0x1100);
  EXPECT_EQ(1u, Draws());
  EXPECT_EQ(cached, ElementCache(UITable::Office2003, kMenuCheckBoxBorder).single.dc()) << "the cache stays";
  EXPECT_EQ(30, ElementCache(UITable::Office2003, kMenuCheckBoxBorder).single.width());
  EXPECT_EQ(kSentinel, At(5, 5));
}

TEST_F(UIElementPainter, WithoutGdiPlusGradientsCopyNothingAndCacheNothing) {
  if (!NoGdiPlus()) GTEST_SKIP() << "the gdiplus=d run";
  for (int32_t element : {6, 10, 13, 33, 44, 52}) Paint(0x1000000, element, 40, 20, 0x10000 * (element & 1));
  EXPECT_EQ(0u, Draws());
  for (int y = 0; y < 20; ++y) ASSERT_EQ(kSentinel, At(39, y));
  EXPECT_EQ(nullptr, ElementCache(UITable::Office2003, 6).single.dc());
  EXPECT_TRUE(ElementCache(UITable::Office2003, 13).variants.empty());
  Paint(0x1000000, kMenuCheckBoxBorder, 10, 10, 0);
  EXPECT_EQ(1u, Draws());
  EXPECT_EQ(DibColour(0x1000000, kMenuCheckBoxBorder), At(0, 0));
}

// A 16 x 16 32-bit bitmap with a pattern and full alpha.
HBITMAP PatternBitmap(std::vector<uint32_t>& pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* p = static_cast<uint32_t*>(bits);
  for (int i = 0; i < 256; ++i) p[i] = 0xFF000000u | static_cast<uint32_t>(i * 0x010203);
  pixels.assign(p, p + 256);
  return bitmap;
}

TEST(TintImageForUIStyle, EveryStyleGivesANewIconAndLeavesTheSourceAlone) {
  std::vector<uint32_t> pixels;
  HBITMAP source = PatternBitmap(pixels);
  ASSERT_NE(nullptr, source);
  for (uint32_t style : {5u, 6u, 0x1000000u, 0x2000000u, 0u, 3u, 7u}) {
    HICON icon = TintImageForUIStyle(source, style);
    ASSERT_NE(nullptr, icon) << style;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << style;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    EXPECT_TRUE(DestroyIcon(icon));
  }
  DIBSECTION dib{};
  ASSERT_EQ(static_cast<int>(sizeof(dib)), GetObjectW(source, sizeof(dib), &dib));
  EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), static_cast<uint32_t*>(dib.dsBm.bmBits)));
  EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(source)));
  EXPECT_EQ(nullptr, TintImageForUIStyle(nullptr, 6));
  DeleteObject(source);
}

}  // namespace
}  // namespace kelvra
