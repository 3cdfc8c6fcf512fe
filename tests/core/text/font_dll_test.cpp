// The font exports reached through Kelvra.dll's import library, as programs call
// them: names and argument sizes must match the DLL's.
#include <gtest/gtest.h>

#include "kelvra.h"

TEST(FontExports, RoundTripThroughTheDll) {
  HFONT font = LoadFontEx(L"Tahoma", 10, 0x10000 | 704);
  ASSERT_NE(font, nullptr);
  LOGFONTW logFont{};
  ASSERT_EQ(GetObjectW(font, sizeof(logFont), &logFont), static_cast<int>(sizeof(logFont)));
  EXPECT_EQ(logFont.lfWeight, 700);
  EXPECT_TRUE(logFont.lfUnderline);
  EXPECT_EQ(logFont.lfQuality, ANTIALIASED_QUALITY);
  EXPECT_STREQ(GetFontName(font), L"Tahoma");
  EXPECT_GT(GetFontSize(font), 0);
  EXPECT_NE(FreeFontEx(font), 0);
  EXPECT_EQ(GetFontSize(font), 0);
}
