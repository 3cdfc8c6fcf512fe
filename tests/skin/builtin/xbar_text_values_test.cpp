// Where the explorer bar's text face, size and colours come from when no
// explorer-bar theme is open (always the case under Wine 8).
#include <gtest/gtest.h>
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/platform/uxtheme_api.h"
#include "skin/builtin/xbar_text_style.h"

namespace kelvra {
namespace {

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
