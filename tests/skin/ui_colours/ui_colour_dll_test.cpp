// The UI colour exports through Kelvra.dll: their stdcall argument sizes, the
// byte noRefresh argument, and bad input getting each export's failure value.
#include <gtest/gtest.h>

#include "kelvra.h"

namespace {

TEST(UIColourDll, RoundTripAndBadInput) {
  ASSERT_EQ(0, GetUIColourMode());
  EXPECT_EQ(0x00800000, GetUIColour(UISTYLE_OFFICE2003, 3, UICOLOURMODE_DEFAULT_BLUE));
  EXPECT_EQ(1, SetUIColour(UISTYLE_OFFICE2007, 8, 0x00123456, UICOLOURMODE_CUSTOM_GREY, 1));
  EXPECT_EQ(0x00123456, GetUIColour(UISTYLE_OFFICE2007, 8, UICOLOURMODE_CUSTOM_GREY));
  EXPECT_EQ(1, SetUIColour(UISTYLE_WHIDBEY, 21, 0x000000FF, UICOLOURMODE_DEFAULT_OLIVE, 0));
  EXPECT_EQ(0x000000FF, GetUIColour(UISTYLE_WHIDBEY, 21, UICOLOURMODE_CUSTOM_OLIVE));
  EXPECT_EQ(0, SetUIColour(6, 8, 0, 6, 1));
  EXPECT_EQ(0, SetUIColour(UISTYLE_OFFICE2003, -1, 0, 6, 1));
  EXPECT_EQ(0, SetUIColour(UISTYLE_OFFICE2003, 8, 0, 10, 1));
  EXPECT_EQ(0, GetUIColour(UISTYLE_OFFICE2003, 56, 1));
  EXPECT_EQ(0, GetUIColour(-1, 3, 1));

  EXPECT_EQ(0, SetUIColourMode(10));
  EXPECT_EQ(0, SetUIColourMode(-1));
  EXPECT_EQ(1, SetUIColourMode(UICOLOURMODE_CUSTOM_OLIVE));
  EXPECT_EQ(2, GetCurrentColourScheme());
  EXPECT_STREQ(L"olive", GetGlobalSkinColourTheme());
  EXPECT_EQ(1, SetGlobalSkinColourTheme(nullptr));
  EXPECT_STREQ(GetDefaultGlobalSkinColourTheme(), GetGlobalSkinColourTheme());
  EXPECT_EQ(1, SetGlobalSkinColourTheme(L""));
  EXPECT_EQ(1, SetUIColourMode(UICOLOURMODE_DEFAULT));
}

}  // namespace
