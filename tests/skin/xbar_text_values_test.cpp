// The explorer bar's text values: their assembly from face, size and colour, and
// where face, size and colours come from when no explorer-bar theme is open (always
// the case under Wine 8).
#include <gtest/gtest.h>
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/platform/uxtheme_api.h"
#include "skin/xbar_text_style.h"
#include "skin/xbar_text_values.h"

namespace kelvra {
namespace {

TEST(XBarTextValues, AssembleFaceSizeStyleAndColour) {
  const uint32_t rgb = RGB(1, 2, 3);
  EXPECT_EQ(L"font: Tahoma, 8, bold; colour: rgb(1,2,3)", XBarHeaderText(L"Tahoma", 8, rgb));
  EXPECT_EQ(L"font: Tahoma, 8; colour: rgb(1,2,3)", XBarItemText(L"Tahoma", 8, rgb, false));
  EXPECT_EQ(L"font: Tahoma, 8, underline; colour: rgb(1,2,3)", XBarItemText(L"Tahoma", 8, rgb, true));
  EXPECT_EQ(L"font: Segoe UI, 12, bold; colour: rgb(255,0,128)", XBarHeaderText(L"Segoe UI", 12, RGB(255, 0, 128)));
}

TEST(XBarTextValues, WithoutTheExplorerBarThemeFollowTheDefaultUIFontAndSystemColours) {
  if (UxTheme().themes.explorerbar) GTEST_SKIP() << "an explorer-bar theme is open";
  LOGFONTW font{};
  ASSERT_EQ(static_cast<int>(sizeof(font)), GetObjectW(Globals().defaultUIFont, sizeof(font), &font));
  HDC screen = GetDC(nullptr);
  const int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);

  const auto style = ReadXBarTextStyle();
  EXPECT_EQ(std::wstring(font.lfFaceName), style.face) << "the face as the font's LOGFONT names it";
  EXPECT_EQ(points, style.points);
  EXPECT_GT(style.points, 0);
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), style.headerRgb);
  EXPECT_EQ(GetSysColor(COLOR_HOTLIGHT), style.itemRgb);
}

}  // namespace
}  // namespace kelvra
