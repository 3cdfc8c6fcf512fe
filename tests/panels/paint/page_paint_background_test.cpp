// Page backgrounds as the callback's DC shows them: gradients of every type, the
// parent showing through see-through pages, the visual style's faces and the
// classic ones (this program also runs in a prefix without a visual style,
// variants.cmake), and the older systems' explorer-bar parts.
#include <gtest/gtest.h>

#include <string>

#include "core/library/library_globals.h"
#include "core/platform/gdiplus_api.h"
#include "core/platform/uxtheme_api.h"
#include "tests/panels/paint/page_paint_test_support.h"

namespace {

using namespace kelvra::test;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

class PageBackgrounds : public GradientPageTest {
 protected:
  static bool Styles() { return kelvra::UxTheme().visualStyles != 0; }
};

TEST_F(PageBackgrounds, GradientsOfEveryType) {
  if (DllSwitchedOff(L"gdiplus")) GTEST_SKIP() << "gradients need GDI+";
  TestPage page(Host(), 10, 10, 100, 40, -1);
  for (int type : {0, 1}) {
    const HANDLE gradient = NewGradient(type, kRed, kBlue);
    SetGradientColour(gradient, 0.5f, static_cast<int>(kGreen));
    page.Background(AsBackground(gradient));
    const Dib32& painted = page.Painted();
    const POINT start = type == 0 ? POINT{0, 20} : POINT{50, 0};
    const POINT middle = type == 0 ? POINT{50, 20} : POINT{50, 20};
    const POINT end = type == 0 ? POINT{99, 20} : POINT{50, 39};
    EXPECT_TRUE(Near(painted.Pixel(start.x, start.y), kRed, 16)) << type;
    EXPECT_TRUE(Near(painted.Pixel(middle.x, middle.y), kGreen, 16)) << type;
    EXPECT_TRUE(Near(painted.Pixel(end.x, end.y), kBlue, 16)) << type;
  }
  // Rectangle and ellipse: the start colour on the outline, the end colour at the
  // centre (not the black and white GDI+ gives a path brush it took no colours for).
  for (int type : {2, 3}) {
    page.Background(Gradient(type, kRed, kBlue));
    const Dib32& painted = page.Painted();
    EXPECT_TRUE(Near(painted.Pixel(50, 20), kBlue, 24)) << type;
    EXPECT_TRUE(Near(painted.Pixel(type == 2 ? 0 : 1, 20), kRed, 48)) << type;
  }
}

// Horizontal and vertical gradients are filled through one GDI+ strip: the page
// must show what GDI+ filling every pixel shows, opaque or over a background.
TEST_F(PageBackgrounds, LinearGradientsEqualGdiPlusFillingEveryPixel) {
  if (DllSwitchedOff(L"gdiplus")) GTEST_SKIP() << "gradients need GDI+";
  ColouredParent parent(RGB(200, 40, 10), 0, 0, 200, 100);
  TestPage page(parent, 10, 10, 120, 50, -1);
  const kelvra::GdiPlusApi& api = kelvra::GdiPlus();
  for (int type : {0, 1}) {
    for (uint32_t alpha : {0xFF000000u, 0x90000000u}) {
      const HANDLE gradient = NewGradient(type, alpha | 0x2040E0, alpha | 0xF0C020);
      SetGradientColour(gradient, 0.3f, static_cast<int>(alpha | 0x10FF10));
      page.Background(AsBackground(gradient));
      const Dib32& painted = page.Painted();
      Dib32 expected(120, 50, Argb(RGB(200, 40, 10)));
      kelvra::gdip::Graphics* graphics = nullptr;
      api.GdipCreateFromHDC(expected.dc(), &graphics);
      api.GdipSetCompositingMode(graphics, 0);
      api.GdipSetCompositingQuality(graphics, 1);
      api.GdipSetPixelOffsetMode(graphics, 3);
      api.GdipSetSmoothingMode(graphics, 3);
      const kelvra::gdip::Point from{0, 0}, to = type == 0 ? kelvra::gdip::Point{120, 0} : kelvra::gdip::Point{0, 50};
      kelvra::gdip::Brush* brush = nullptr;
      api.GdipCreateLineBrushI(&from, &to, alpha | 0x2040E0, alpha | 0xF0C020, 1, &brush);
      const kelvra::gdip::Argb colours[3] = {alpha | 0x2040E0, alpha | 0x10FF10, alpha | 0xF0C020};
      const kelvra::gdip::Real positions[3] = {0.0f, 0.3f, 1.0f};
      api.GdipSetLinePresetBlend(brush, colours, positions, 3);
      api.GdipFillRectangleI(graphics, brush, 0, 0, 120, 50);
      api.GdipDeleteBrush(brush);
      api.GdipDeleteGraphics(graphics);
      int differing = 0;
      for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 120; ++x) differing += Rgb(painted.Pixel(x, y)) != Rgb(expected.Pixel(x, y));
      EXPECT_EQ(differing, 0) << "type " << type << " alpha " << std::hex << alpha;
    }
  }
}

TEST_F(PageBackgrounds, TranslucentGradientsShowTheParent) {
  if (DllSwitchedOff(L"gdiplus")) GTEST_SKIP() << "gradients need GDI+";
  // The panel's own parent shows (not the parent's parent, the host, which
  // would cover it in white).
  ColouredParent parent(RGB(255, 0, 0), 0, 0, 200, 100);
  TestPage page(parent, 10, 10, 100, 40, Gradient(1, 0x80FFFFFF, 0x80FFFFFF));
  EXPECT_TRUE(Near(page.Painted().Pixel(50, 20), 0xFFFF7F7F, 3));
  // The parent is drawn again on every paint: a change to it shows at once.
  parent.SetColour(RGB(0, 0, 255));
  EXPECT_TRUE(Near(page.Painted().Pixel(50, 20), 0xFF7F7FFF, 3));
}

TEST_F(PageBackgrounds, UnknownTypesAndFreedGradientsDrawNoGradient) {
  if (DllSwitchedOff(L"gdiplus")) GTEST_SKIP() << "gradients need GDI+";
  TestPage fifth(Host(), 10, 10, 100, 40, Gradient(5, kRed, kRed));
  EXPECT_EQ(Rgb(fifth.Painted().Pixel(50, 20)), 0u);  // a new buffer is black
  const HANDLE gradient = NewGradient(1, kRed, kRed);
  FreeGradient(gradient);
  gradients_.pop_back();
  TestPage freed(Host(), 10, 60, 100, 40, AsBackground(gradient));
  // A freed handle is "any other value": nothing with a visual style, the button
  // face without.
  const uint32_t expected = Styles() ? 0u : Rgb(Argb(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(Rgb(freed.Painted().Pixel(50, 20)), expected);
}

TEST_F(PageBackgrounds, ChangedGradientsAndImagesRepaintChanged) {
  if (DllSwitchedOff(L"gdiplus")) GTEST_SKIP() << "gradients need GDI+";
  const HANDLE gradient = NewGradient(1, kRed, kRed);
  TestPage page(Host(), 10, 10, 100, 40, AsBackground(gradient));
  EXPECT_TRUE(Near(page.Painted().Pixel(50, 20), kRed, 2));
  EXPECT_TRUE(Near(page.Painted().Pixel(50, 20), kRed, 2));  // drawn from what was kept
  SetGradientColour(gradient, 0.0f, static_cast<int>(kGreen));
  SetGradientColour(gradient, 1.0f, static_cast<int>(kGreen));
  EXPECT_TRUE(Near(page.Painted().Pixel(50, 20), kGreen, 2));
  // A new image of the same size, which may get the old list's handle.
  for (uint32_t colour : {kBlue, kRed}) {
    const HBITMAP image = SolidImage(10, 10, colour);
    page.Background(AsBackground(gradient), image, 5, 5, 0);
    EXPECT_EQ(Rgb(page.Painted().Pixel(8, 8)), Rgb(colour));
    DeleteObject(image);
  }
}

// The classic variant runs in a prefix whose name says so.
bool InClassicPrefix() {
  wchar_t prefix[MAX_PATH] = {};
  GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
  return std::wstring(prefix).find(L"classic") != std::wstring::npos;
}

TEST_F(PageBackgrounds, FacesWithAndWithoutAVisualStyle) {
  EXPECT_EQ(Styles(), !InClassicPrefix() && kelvra::UxTheme().module);
  TestPage page(Host(), 10, 10, 100, 40, 0);
  const uint32_t face = Rgb(Argb(GetSysColor(COLOR_BTNFACE)));
  const uint32_t light = Rgb(Argb(GetSysColor(COLOR_HIGHLIGHTTEXT)));
  const kelvra::UxThemeApi& api = kelvra::UxTheme();
  for (int background = 0; background <= 11; ++background) {
    page.Background(background);
    const Dib32& painted = page.Painted();
    const bool themed = Styles() && ((background >= 8 && api.themes.button) || (background == 0 && api.themes.tab) ||
                                     (background >= 1 && background <= 6 && api.themes.explorerbar) ||
                                     (background == 7 && api.themes.rebar));
    if (themed) continue;  // below
    // Classic faces (a value whose theme did not open draws one too) are opaque.
    int seeThrough = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 100; ++x) seeThrough += (painted.Pixel(x, y) >> 24) != 0xFF;
    EXPECT_EQ(seeThrough, 0) << background;
    if (background >= 8) {
      Dib32 expected(100, 40);
      RECT rect{0, 0, 100, 40};
      UINT state = DFCS_BUTTONPUSH | (background == 10 ? DFCS_PUSHED : 0) | (background == 11 ? DFCS_INACTIVE : 0);
      DrawFrameControl(expected.dc(), &rect, DFC_BUTTON, state);
      int differing = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) differing += Rgb(painted.Pixel(x, y)) != Rgb(expected.Pixel(x, y));
      EXPECT_EQ(differing, 0) << background;
    } else if (background == 1) {
      EXPECT_EQ(Rgb(painted.Pixel(50, 20)), light);
    } else if (background == 3) {
      EXPECT_EQ(Rgb(painted.Pixel(0, 20)), face);
      EXPECT_EQ(Rgb(painted.Pixel(50, 20)), light);
      EXPECT_EQ(Rgb(painted.Pixel(50, 39)), face);
    } else {
      EXPECT_EQ(Rgb(painted.Pixel(50, 20)), face) << background;
    }
  }
  if (!Styles()) return;
  // The themed push button, over the parent's background, as the style draws it.
  ASSERT_NE(api.themes.button, nullptr);
  page.Background(8);
  const Dib32& painted = page.Painted();
  Dib32 expected(100, 40, Argb(GetSysColor(COLOR_WINDOW)));
  const RECT rect{0, 0, 100, 40};
  api.DrawThemeBackground(api.themes.button, expected.dc(), 1, 0, &rect, nullptr);
  int differing = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) differing += Rgb(painted.Pixel(x, y)) != Rgb(expected.Pixel(x, y));
  EXPECT_EQ(differing, 0);
  // The pressed face has no shape of its own to clip: an overlay covers it.
  if (DllSwitchedOff(L"gdiplus")) return;
  const int red = Solid(kRed);
  page.Background(10);
  SetPanelExPageBackground(page.number(), 0, red, nullptr, 0, 0, 0, 0, 0x2000, 1);
  EXPECT_EQ(Rgb(page.Painted().Pixel(50, 20)), Rgb(kRed));
}

TEST_F(PageBackgrounds, OlderSystemsMakeExplorerBarPartsOpaque) {
  kelvra::UxThemeApi& api = kelvra::UxTheme();
  if (!Styles() || !api.themes.rebar) GTEST_SKIP() << "needs a visual style";
  // The explorer-bar theme does not open here: another open theme stands in.
  const kelvra::ThemeHandle explorerBar = api.themes.explorerbar;
  const int32_t osVersion = kelvra::Globals().osVersionCode;
  api.themes.explorerbar = api.themes.rebar;
  kelvra::Globals().osVersionCode = 51;
  {
    TestPage page(Host(), 10, 10, 100, 40, -1);
    for (int background : {1, 3, 4}) {
      page.Background(background);
      const Dib32& painted = page.Painted();
      int seeThrough = 0;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) seeThrough += (painted.Pixel(x, y) >> 24) != 0xFF;
      EXPECT_EQ(seeThrough, 0) << background;
    }
  }
  api.themes.explorerbar = explorerBar;
  kelvra::Globals().osVersionCode = osVersion;
}

}  // namespace
