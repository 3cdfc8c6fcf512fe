// LoadFontEx's style flags read back through the font's LOGFONT, point sizes, and
// the name and size read-back of handles that are no font.
#include <gtest/gtest.h>

#include <string>

#include "kelvra.h"

namespace {

LOGFONTW ReadBack(HFONT font) {
  LOGFONTW logFont{};
  GetObjectW(font, sizeof(logFont), &logFont);
  return logFont;
}

struct FlagCase {
  int flags;
  LONG weight;
  bool italic, underline, strikeOut;
  BYTE quality;
};

TEST(LoadFontEx, StyleFlagsReachTheLogFont) {
  const FlagCase cases[] = {
      {0, 0, false, false, false, DEFAULT_QUALITY},
      {0x10000 | 4, 0, false, true, false, ANTIALIASED_QUALITY},
      {0x20000, 0, false, false, false, NONANTIALIASED_QUALITY},
      {0x30000, 0, false, false, false, ANTIALIASED_QUALITY},      // the first quality wins
      {0x40000, 0, false, false, false, CLEARTYPE_QUALITY},
      {0x60000, 0, false, false, false, NONANTIALIASED_QUALITY},
      {0x80000 | 2, 0, true, false, false, DEFAULT_QUALITY},
      {400, 0, false, false, false, DEFAULT_QUALITY},               // 400 is not 0x100 bold
      {0x10000 | 400, 0, false, false, false, ANTIALIASED_QUALITY},
      {1 | 2 | 4 | 8, 700, true, true, true, DEFAULT_QUALITY},
      {700, 700, false, false, false, DEFAULT_QUALITY},
      {704, 700, false, true, false, DEFAULT_QUALITY},              // underline kept
      {708, 700, false, false, true, DEFAULT_QUALITY},              // strike-out kept
      {706, 700, true, true, false, DEFAULT_QUALITY},
      {0x40000 | 708, 700, false, false, true, CLEARTYPE_QUALITY},
      {0x100, 700, false, false, false, DEFAULT_QUALITY},
      {0x200, 0, true, false, false, DEFAULT_QUALITY},
      {0x300 | 8, 700, true, false, true, DEFAULT_QUALITY},
  };
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
    HFONT font = LoadFontEx(L"Tahoma", 10, c.flags);
    ASSERT_NE(font, nullptr);
    const LOGFONTW logFont = ReadBack(font);
    EXPECT_EQ(logFont.lfWeight, c.weight);
    EXPECT_EQ(logFont.lfItalic != 0, c.italic);
    EXPECT_EQ(logFont.lfUnderline != 0, c.underline);
    EXPECT_EQ(logFont.lfStrikeOut != 0, c.strikeOut);
    EXPECT_EQ(logFont.lfQuality, c.quality);
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(logFont.lfPitchAndFamily, VARIABLE_PITCH);
    EXPECT_STREQ(logFont.lfFaceName, L"Tahoma");
    EXPECT_NE(FreeFontEx(font), 0);
  }
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

TEST(LoadFontEx, PointSizesReadBack) {
  if (ScreenDpi() != 96) GTEST_SKIP() << "screen is not 96 DPI";
  HFONT ten = LoadFontEx(L"Tahoma", 10, 0);
  ASSERT_NE(ten, nullptr);
  EXPECT_EQ(ReadBack(ten).lfHeight, -13);
  EXPECT_EQ(GetFontSize(ten), 10);
  EXPECT_STREQ(GetFontName(ten), L"Tahoma");
  FreeFontEx(ten);

  for (int size : {6, 8, 9, 12, 14, 24, 36}) {
    HFONT font = LoadFontEx(L"Arial", size, 1);
    EXPECT_EQ(GetFontSize(font), size) << size;
    FreeFontEx(font);
  }
}

TEST(GetFontName, HandlesThatAreNoFontGiveEmptyTextAndZero) {
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  const HFONT notFonts[] = {nullptr, reinterpret_cast<HFONT>(brush), reinterpret_cast<HFONT>(0x1234)};
  for (HFONT handle : notFonts) {
    EXPECT_STREQ(GetFontName(handle), L"");
    EXPECT_EQ(GetFontSize(handle), 0);
  }
  DeleteObject(brush);
  // A freed font is no font either.
  HFONT font = LoadFontEx(L"Tahoma", 10, 0);
  FreeFontEx(font);
  EXPECT_EQ(GetFontSize(font), 0);
  EXPECT_STREQ(GetFontName(font), L"");
}

}  // namespace
