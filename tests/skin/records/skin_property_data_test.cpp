// Data built from property values (gradients and fonts) and its lifetime: held by
// every skin that has it, released with the last of them, never a caller's font.
#include <gtest/gtest.h>

#include <string>

#include "kelvra.h"
#include "core/colour/gradient_list.h"
#include "core/platform/platform_bindings.h"
#include "core/text/font_loading.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/records/skin_data_objects.h"
#include "skin/records/skin_list.h"
#include "skin/records/skin_tree.h"

namespace {

bool IsGradient(HANDLE handle) { return kelvra::FindGradient(handle) != nullptr; }
bool IsFont(HANDLE handle) { return GetObjectType(handle) == OBJ_FONT; }

// Each case is run in a fresh skin that does not re-apply itself.
class SkinPropertyData : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = CreateSkin(L"Data");
    SetSkinAutoUpdate(skin_, 0);
    gdiPlus_ = kelvra::StartGdiPlus() != 0;
  }
  void TearDown() override { FreeSkin(skin_); }

  HANDLE Set(const wchar_t* value, const wchar_t* component = L"c") {
    EXPECT_EQ(SetSkinProperty(skin_, component, L"s", L"p", value), 1) << testing::PrintToString(std::wstring(value));
    return GetSkinPropertyData(skin_, component, L"s", L"p");
  }

  HANDLE skin_ = nullptr;
  bool gdiPlus_ = false;
};

TEST_F(SkinPropertyData, GradientsFromValues) {
  if (!gdiPlus_) GTEST_SKIP() << "no GDI+: covered by WithoutGdiPlusNoGradientIsMade";
  struct {
    const wchar_t* value;
    int type;
    uint32_t start, middle, end;  // GetGradientColour at 0.0, 0.5, 1.0
  } const cases[] = {
      {L"gradient: vertical, rgb(191,219,255), rgb(101,145,205);", 1, 0xFFBFDBFF, 0xFFFFFFFF, 0xFF6591CD},
      {L"gradient: #ff0000, #0000ff", 0, 0xFFFF0000, 0xFFFFFFFF, 0xFF0000FF},
      {L"gradient: rectangle, #000000, #ff0000, 0.5, #00ff00", 2, 0xFF000000, 0xFF00FF00, 0xFFFF0000},
      // The missing second colour reads 0: opaque black.
      {L"gradient: ellipse, #ffffff", 3, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000},
      // Opaque white rgba is white, not "no colour" turned into black.
      {L"gradient: vertical, rgba(255,255,255,1.0), rgba(0,0,255,0.5)", 1, 0xFFFFFFFF, 0xFFFFFFFF, 0x800000FF},
      // ARGB colours keep their alpha; a stop whose first item is no word.
      {L"gradient: rgba(10,20,30,0.5), rgba(1,2,3,1.0), 0.5, rgba(4,5,6,0.5)", 0, 0x800A141E, 0x80040506,
       0xFF010203},
      {L"background: red; gradient: vertical, navy, white", 1, 0xFF000080, 0xFFFFFFFF, 0xFFFFFFFF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.value)));
    HANDLE gradient = Set(c.value);
    ASSERT_TRUE(IsGradient(gradient));
    EXPECT_EQ(kelvra::FindGradient(gradient)->type, c.type);
    EXPECT_EQ(static_cast<uint32_t>(GetGradientColour(gradient, 0.0f)), c.start);
    EXPECT_EQ(static_cast<uint32_t>(GetGradientColour(gradient, 0.5f)), c.middle);
    EXPECT_EQ(static_cast<uint32_t>(GetGradientColour(gradient, 1.0f)), c.end);
    EXPECT_EQ(GetSkinPropertyDataSize(skin_, L"c", L"s", L"p"), 4);
  }
  HANDLE twoStops = Set(L"gradient: vertical, #ff0000, #0000ff, 0.3, #00ff00, 0.6, #ffffff");
  ASSERT_EQ(kelvra::FindGradient(twoStops)->stops.size(), 2u);
  EXPECT_EQ(static_cast<uint32_t>(GetGradientColour(twoStops, 0.3f)), 0xFF00FF00u);

  // A long value (a skin file can hold anything) builds every stop it names.
  std::wstring manyStops = L"gradient: vertical, #000000, #ffffff";
  for (int i = 1; i < 2000; ++i)
    manyStops += L", " + std::to_wstring(i / 2000.0) + L", rgb(" + std::to_wstring(i % 256) + L",0,0)";
  HANDLE many = Set(manyStops.c_str());
  ASSERT_TRUE(IsGradient(many));
  EXPECT_EQ(kelvra::FindGradient(many)->stops.size(), 1999u);
  EXPECT_EQ(static_cast<uint32_t>(GetGradientColour(many, 0.5f)), 0xFFE80000u);  // stop 1000: red 1000 % 256
}

TEST_F(SkinPropertyData, FontsFromValues) {
  HANDLE font = Set(L"font: Arial, 10, bold, italic, strike");
  ASSERT_TRUE(IsFont(font));
  LOGFONTW logFont{};
  ASSERT_EQ(GetObjectW(font, sizeof(logFont), &logFont), static_cast<int>(sizeof(logFont)));
  EXPECT_EQ(_wcsicmp(logFont.lfFaceName, L"arial"), 0);
  EXPECT_EQ(logFont.lfHeight, -MulDiv(10, kelvra::GetScreenDPI(false), 72));
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_TRUE(logFont.lfItalic);
  EXPECT_TRUE(logFont.lfStrikeOut);
  EXPECT_FALSE(logFont.lfUnderline);
  EXPECT_EQ(GetSkinPropertyDataSize(skin_, L"c", L"s", L"p"), 0);

  font = Set(L"text: x; font: tahoma, 8, underlined, striked, nonsense");
  ASSERT_EQ(GetObjectW(font, sizeof(logFont), &logFont), static_cast<int>(sizeof(logFont)));
  EXPECT_TRUE(logFont.lfUnderline);
  EXPECT_TRUE(logFont.lfStrikeOut);
  EXPECT_NE(logFont.lfWeight, FW_BOLD);
  EXPECT_FALSE(logFont.lfItalic);
}

TEST_F(SkinPropertyData, ValuesWithoutObjectsLeaveTheData) {
  HANDLE font = Set(L"font: tahoma, 8");
  ASSERT_TRUE(IsFont(font));
  EXPECT_EQ(Set(L"8;"), font);
  EXPECT_EQ(Set(L"font: tahoma"), font);  // one sub-param builds nothing
  EXPECT_EQ(Set(L"gradient: vertical"), font);
}

// With both params the font is the data, and the gradient built on the way is
// freed at once: no one was ever given it.
TEST_F(SkinPropertyData, FontWinsOverGradient) {
  const std::size_t gradients = kelvra::GradientList().Size();
  HANDLE data = Set(L"gradient: vertical, #ff0000, #0000ff; font: tahoma, 9, bold");
  EXPECT_TRUE(IsFont(data));
  EXPECT_EQ(GetSkinPropertyDataSize(skin_, L"c", L"s", L"p"), 0);
  EXPECT_EQ(kelvra::GradientList().Size(), gradients);
}

// A bare component set while "c:blue" holds the property builds from the value
// just stored, not from the themed re-read.
TEST_F(SkinPropertyData, BuiltFromTheValueJustStored) {
  ASSERT_EQ(kelvra::EffectiveSkinColourTheme(), L"blue");
  HANDLE blueFont = Set(L"font: tahoma, 20", L"c:blue");
  ASSERT_TRUE(IsFont(blueFont));
  ASSERT_EQ(SetSkinProperty(skin_, L"c", L"s", L"p", L"font: arial, 9, italic"), 1);
  const auto* bare = kelvra::SelectSkinProperty(*kelvra::FindSkin(skin_), L"c", L"s", L"p");
  ASSERT_TRUE(bare && bare->data);
  EXPECT_EQ(kelvra::GetFontSize(reinterpret_cast<HFONT>(bare->data)), 9);
  EXPECT_EQ(kelvra::GetFontName(reinterpret_cast<HFONT>(bare->data)), L"arial");
  EXPECT_EQ(GetSkinPropertyData(skin_, L"c", L"s", L"p"), blueFont);  // readers still see blue
  EXPECT_EQ(kelvra::GetFontSize(static_cast<HFONT>(blueFont)), 20);
}

// Replaced objects stay valid (controls may paint with them until their next
// refresh) and go with the skin.
TEST_F(SkinPropertyData, ReplacedDataLivesUntilTheSkinIsFreed) {
  HANDLE font1 = Set(L"font: tahoma, 8");
  HANDLE font2 = Set(L"font: tahoma, 9");
  ASSERT_TRUE(font1 && font2 && font1 != font2);
  HANDLE gradient1 = nullptr, gradient2 = nullptr;
  if (gdiPlus_) {
    gradient1 = Set(L"gradient: #ff0000, #00ff00", L"g");
    gradient2 = Set(L"gradient: #0000ff, #00ff00", L"g");
    EXPECT_TRUE(IsGradient(gradient1) && IsGradient(gradient2));
  }
  EXPECT_TRUE(IsFont(font1) && IsFont(font2));
  EXPECT_EQ(FreeSkin(skin_), 1);
  skin_ = nullptr;
  EXPECT_EQ(GetObjectType(font1), 0u);
  EXPECT_EQ(GetObjectType(font2), 0u);
  EXPECT_FALSE(IsGradient(gradient1));
  EXPECT_FALSE(IsGradient(gradient2));
  EXPECT_FALSE(kelvra::IsSkinDataObject(reinterpret_cast<uintptr_t>(font1)));
}

TEST_F(SkinPropertyData, CopiesShareDataUntilTheLastIsFreed) {
  HANDLE font = Set(L"font: tahoma, 8");
  HANDLE gradient = gdiPlus_ ? Set(L"gradient: #ff0000, #00ff00", L"g") : nullptr;
  HANDLE copy = CopySkin(skin_);
  ASSERT_TRUE(copy);
  EXPECT_EQ(GetSkinPropertyData(copy, L"c", L"s", L"p"), font);
  EXPECT_EQ(FreeSkin(skin_), 1);
  skin_ = copy;  // TearDown frees the copy if the test stops early
  EXPECT_TRUE(IsFont(font));
  EXPECT_EQ(GetSkinPropertyData(copy, L"c", L"s", L"p"), font);
  if (gdiPlus_) {
    EXPECT_TRUE(IsGradient(gradient));
  }
  EXPECT_EQ(FreeSkin(copy), 1);
  skin_ = nullptr;
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_FALSE(IsGradient(gradient));
}

// A caller's font stays the caller's; a caller's gradient goes with the skins that
// hold it (button skinning leaves the gradients it builds to the skin).
TEST_F(SkinPropertyData, CallersHandles) {
  HFONT callerFont = LoadFontEx(L"Tahoma", 8, 0);
  HBITMAP callerBitmap = CreateBitmap(2, 2, 1, 32, nullptr);
  EXPECT_EQ(SetSkinPropertyData(skin_, L"c", L"s", L"font", callerFont), 1);
  EXPECT_EQ(SetSkinPropertyData(skin_, L"c", L"s", L"bitmap", callerBitmap), 1);
  EXPECT_EQ(GetSkinPropertyData(skin_, L"c", L"s", L"font"), callerFont);
  HANDLE gradient = CreateGradient(0, 1, 2);
  HANDLE other = CreateSkin(L"Other");
  if (gradient) {
    EXPECT_EQ(SetSkinPropertyData(skin_, L"c", L"s", L"gradient", gradient), 1);
    EXPECT_EQ(SetSkinPropertyData(other, L"x", L"y", L"z", gradient), 1);
  }
  FreeSkin(skin_);
  skin_ = nullptr;
  EXPECT_TRUE(IsFont(callerFont));
  EXPECT_EQ(GetObjectType(callerBitmap), static_cast<DWORD>(OBJ_BITMAP));
  if (gradient) {
    EXPECT_TRUE(IsGradient(gradient));
  }
  FreeSkin(other);
  EXPECT_FALSE(IsGradient(gradient));
  FreeFontEx(callerFont);
  DeleteObject(callerBitmap);
}

TEST_F(SkinPropertyData, RegisteredObjectsGoWithTheirLastSkin) {
  HBITMAP drawn = CreateBitmap(4, 4, 1, 32, nullptr);
  kelvra::RegisterSkinDataObject(reinterpret_cast<uintptr_t>(drawn), kelvra::SkinDataRelease::Bitmap);
  HANDLE second = CreateSkin(L"Second");
  SetSkinPropertyData(skin_, L"c", L"s", L"image", drawn);
  SetSkinPropertyData(skin_, L"c", L"t", L"image", drawn);  // twice in one skin: one use
  SetSkinPropertyData(second, L"c", L"s", L"image", drawn);
  EXPECT_EQ(kelvra::SkinDataUses(reinterpret_cast<uintptr_t>(drawn)), 2);
  FreeSkin(second);
  EXPECT_EQ(GetObjectType(drawn), static_cast<DWORD>(OBJ_BITMAP));
  FreeSkin(skin_);
  skin_ = nullptr;
  EXPECT_EQ(GetObjectType(drawn), 0u);

  const uintptr_t block = kelvra::NewSkinMemoryBlock("abc", 3);
  ASSERT_TRUE(block);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(block), 3), "abc");
  HANDLE holder = CreateSkin(L"Holder");
  SetSkinPropertyData(holder, L"c", L"s", L"raw", reinterpret_cast<HANDLE>(block));
  EXPECT_EQ(kelvra::SkinDataUses(block), 1);
  FreeSkin(holder);
  EXPECT_FALSE(kelvra::IsSkinDataObject(block));
}

// Run also with GDI+ switched off (WINEDLLOVERRIDES=gdiplus=d): the value is
// stored, the result is 1, and no gradient is attached.
TEST_F(SkinPropertyData, WithoutGdiPlusNoGradientIsMade) {
  if (gdiPlus_) GTEST_SKIP() << "GDI+ is present";
  EXPECT_EQ(SetSkinProperty(skin_, L"c", L"s", L"p", L"gradient: vertical, #ff0000, #0000ff"), 1);
  EXPECT_EQ(GetSkinPropertyData(skin_, L"c", L"s", L"p"), nullptr);
  EXPECT_EQ(GetSkinPropertyDataSize(skin_, L"c", L"s", L"p"), 0);
  EXPECT_STREQ(GetSkinPropertySubParam(skin_, L"c", L"s", L"p", L"gradient", 1), L"vertical");
}

}  // namespace
