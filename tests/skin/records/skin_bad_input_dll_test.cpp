// Bad input through Kelvra.dll for every skin export: 0, -1, a window, a
// gradient, a freed skin and a made-up number as the skin, null texts and absurd
// indexes; each gets its failure value and the live skin keeps working.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "kelvra.h"

namespace {

HANDLE Num(intptr_t value) { return reinterpret_cast<HANDLE>(value); }

class SkinBadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    live_ = CreateSkin(L"Live");
    ASSERT_TRUE(live_);
    SetSkinAutoUpdate(live_, 0);
    ASSERT_EQ(SetSkinProperty(live_, L"buttonex", L"normal", L"text", L"font: tahoma, 8; colour: red;"), 1);
    font_ = GetSkinPropertyData(live_, L"buttonex", L"normal", L"text");
    ASSERT_TRUE(font_);
    window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    gradient_ = CreateGradient(0, 1, 2);
    freed_ = CreateSkin(L"Freed");
    SetSkinProperty(freed_, L"c", L"s", L"p", L"v");
    FreeSkin(freed_);
  }
  void TearDown() override {
    // The live skin is untouched.
    EXPECT_STREQ(GetSkinName(live_), L"Live");
    EXPECT_STREQ(GetSkinPropertyParam(live_, L"buttonex", L"normal", L"text", L"colour"), L"255");
    EXPECT_EQ(GetSkinPropertyData(live_, L"buttonex", L"normal", L"text"), font_);
    EXPECT_EQ(GetObjectType(font_), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(FreeSkin(live_), 1);
    if (gradient_) FreeGradient(gradient_);
    DestroyWindow(window_);
  }

  HANDLE live_ = nullptr, font_ = nullptr, gradient_ = nullptr, freed_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(SkinBadInput, NoSkinGetsEachExportsFailureValue) {
  const HANDLE bad[] = {nullptr, Num(-1), Num(1), Num(12345), Num(INT_MIN), window_, gradient_, freed_, font_};
  for (HANDLE skin : bad) {
    SCOPED_TRACE(testing::Message() << "skin " << skin);
    EXPECT_EQ(IsSkin(skin), 0);
    EXPECT_EQ(CopySkin(skin), nullptr);
    EXPECT_STREQ(GetSkinName(skin), L"");
    EXPECT_EQ(GetSkinAutoUpdate(skin), 0);
    EXPECT_EQ(SetSkinAutoUpdate(skin, 1), 0);
    EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"#ff0000"), 0);
    EXPECT_STREQ(GetSkinProperty(skin, L"c", L"s", L"p"), L"");
    EXPECT_EQ(SetSkinPropertyData(skin, L"c", L"s", L"p", gradient_), 0);
    EXPECT_EQ(SetSkinPropertyDataSize(skin, L"c", L"s", L"p", 4), 0);
    EXPECT_EQ(GetSkinPropertyData(skin, L"c", L"s", L"p"), nullptr);
    EXPECT_EQ(GetSkinPropertyDataSize(skin, L"c", L"s", L"p"), 0);
    EXPECT_EQ(MergeSkins(skin, live_, L"merged"), 0);
    EXPECT_EQ(MergeSkins(live_, skin, L"merged"), 0);
    EXPECT_STREQ(GetSkinPropertyParam(skin, L"c", L"s", L"p", L""), L"");
    EXPECT_EQ(CountSkinPropertySubParams(skin, L"c", L"s", L"p", L"x"), 0);
    EXPECT_STREQ(GetSkinPropertySubParam(skin, L"c", L"s", L"p", L"x", 1), L"");
    EXPECT_EQ(GetSkinPropertySubParamColour(skin, L"c", L"s", L"p", L"x", 1), -1);
    EXPECT_EQ(GetSkinPropertyColour(skin, L"c", L"s", L"p"), -1);
    if (skin) {
      EXPECT_EQ(UpdateSkins(skin), 0);
      EXPECT_EQ(FreeSkin(skin), 0);
    }
  }
  EXPECT_EQ(FreeSkin(nullptr), 0);
  EXPECT_EQ(UpdateSkins(nullptr), 1);
  EXPECT_EQ(GetSkinHandle(L"merged"), nullptr);
  // The caller's gradient given to no skin is still the caller's.
  if (gradient_) {
    EXPECT_EQ(GetGradientColour(gradient_, 1.0f), 2);
  }
}

TEST_F(SkinBadInput, NullTextsAndAbsurdIndexes) {
  HANDLE unnamed = CreateSkin(nullptr);
  ASSERT_TRUE(unnamed);
  EXPECT_STREQ(GetSkinName(unnamed), L"");
  EXPECT_EQ(GetSkinHandle(nullptr), unnamed);
  EXPECT_EQ(GetSkinHandle(L""), unnamed);
  FreeSkin(unnamed);

  EXPECT_STREQ(GetSkinProperty(live_, nullptr, nullptr, nullptr), L"");
  EXPECT_STREQ(GetSkinPropertyParam(live_, L"buttonex", L"normal", L"text", nullptr), L"font: tahoma, 8");
  EXPECT_EQ(CountSkinPropertySubParams(live_, L"buttonex", L"normal", L"text", nullptr), 0);
  for (int index : {0, -1, INT_MIN, INT_MAX, 4}) {
    EXPECT_STREQ(GetSkinPropertySubParam(live_, L"buttonex", L"normal", L"text", L"font", index), L"") << index;
    EXPECT_EQ(GetSkinPropertySubParamColour(live_, L"buttonex", L"normal", L"text", L"font", index), -1) << index;
  }
  EXPECT_STREQ(GetSkinPropertySubParam(live_, L"buttonex", L"normal", L"text", nullptr, 1), L"");
  EXPECT_EQ(MergeSkins(live_, live_, nullptr), 0);
  HANDLE merged = GetSkinHandle(L"");
  EXPECT_TRUE(merged);
  EXPECT_EQ(FreeSkin(merged), 1);
  EXPECT_EQ(FreeSkin(merged), 0);
  EXPECT_EQ(SetSkinPropertyDataSize(live_, nullptr, nullptr, nullptr, INT_MIN), 1);
  EXPECT_EQ(GetSkinPropertyDataSize(live_, L"", L"", L""), INT_MIN);

  // Values that are long, odd or unterminated in their brackets parse without harm.
  const std::wstring longValue(100000, L'(');
  EXPECT_EQ(SetSkinProperty(live_, L"odd", L"s", L"p", longValue.c_str()), 1);
  EXPECT_EQ(SetSkinProperty(live_, L"odd", L"s", L"q", L"gradient: rgb(,,,,,; font: \"', {, 99999999999"), 1);
  EXPECT_EQ(GetSkinPropertyColour(live_, L"odd", L"s", L"p"), -1);
  EXPECT_EQ(CountSkinPropertySubParams(live_, L"odd", L"s", L"q", L"font"), 3);
}

}  // namespace
