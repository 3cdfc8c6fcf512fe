// The value readers through the exports, with the running library's colour
// look-ups: every notation as a whole value and as a sub-param, and params.
#include <gtest/gtest.h>

#include <string>

#include "kelvra.h"
#include "skin/ui_colours/ui_colour_lookup.h"

namespace {

class SkinValueExports : public ::testing::Test {
 protected:
  void SetUp() override {
    skin_ = CreateSkin(L"Values");
    SetSkinAutoUpdate(skin_, 0);
  }
  void TearDown() override { FreeSkin(skin_); }
  HANDLE skin_ = nullptr;
};

TEST_F(SkinValueExports, ColoursOfWholeValuesAndSubParams) {
  const int btnFace = static_cast<int>(GetSysColor(COLOR_BTNFACE));
  const int uiColour = static_cast<int>(kelvra::ReadUIColour(0x2000000, 8, 6));
  struct {
    const wchar_t* text;
    int whole;     // GetSkinPropertyColour of the value
    int subParam;  // GetSkinPropertySubParamColour of "c: <text>", item 1
  } const cases[] = {
      {L"#15428b", 0x8B4215, 0x8B4215},
      {L"#FFF", -1, -1},
      {L"#ff00001", -1, -1},
      {L"# fff", -1, -1},
      {L"rgb(191,219,255)", 0xFFDBBF, 0xFFDBBF},
      {L"rgba(10,20,30)", 0x010A141E, 0x010A141E},
      {L"rgba(10,20,30,1.0)", static_cast<int>(0xFF0A141E), static_cast<int>(0xFF0A141E)},
      {L"rgba(255,255,255,1.0)", 0xFFFFFF, 0xFFFFFF},
      {L"COLOR_BTNFACE;", btnFace, btnFace},
      {L"color_btnface", btnFace, btnFace},
      {L"white;", 0xFFFFFF, 0xFFFFFF},
      {L"getuicolour(UISTYLE_OFFICE2007, menuhotborder, UICOLOURMODE_CUSTOM_BLUE);", uiColour, uiColour},
      {L"255,0,0", -1, -1},
      {L"nonsense", -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    SetSkinProperty(skin_, L"whole", L"s", L"p", c.text);
    EXPECT_EQ(GetSkinPropertyColour(skin_, L"whole", L"s", L"p"), c.whole);
    SetSkinProperty(skin_, L"sub", L"s", L"p", (std::wstring(L"c: ") + c.text).c_str());
    EXPECT_EQ(GetSkinPropertySubParamColour(skin_, L"sub", L"s", L"p", L"c", 1), c.subParam);
  }
  EXPECT_EQ(GetSkinPropertyColour(skin_, L"missing", L"s", L"p"), -1);
  EXPECT_EQ(GetSkinPropertySubParamColour(skin_, L"sub", L"s", L"p", L"c", 9), -1);
  EXPECT_EQ(GetSkinPropertySubParamColour(skin_, L"sub", L"s", L"p", L"", 1), -1);
}

TEST_F(SkinValueExports, ParamsAndSubParams) {
  SetSkinProperty(skin_, L"c", L"s", L"cursor", L"Hand;");
  SetSkinProperty(skin_, L"c", L"s", L"text", L"font: Segoe UI, 8, bold; colour: #15428b; wrap");
  SetSkinProperty(skin_, L"c", L"s", L"background",
                  L"gradient: vertical, rgb(191,219,255), rgb(101,145,205), 0.5, rgba(1,2,3,0.5);");
  EXPECT_STREQ(GetSkinPropertyParam(skin_, L"c", L"s", L"cursor", L""), L"hand");
  EXPECT_STREQ(GetSkinPropertyParam(skin_, L"c", L"s", L"cursor", L"cursor"), L"");
  EXPECT_STREQ(GetSkinPropertyParam(skin_, L"c", L"s", L"text", L"Colour"), L"9126421");
  EXPECT_STREQ(GetSkinPropertyParam(skin_, L"c", L"s", L"text", L"font"), L"segoe ui, 8, bold");
  EXPECT_STREQ(GetSkinPropertyParam(skin_, L"c", L"s", L"text", L"wrap"), L"true");
  EXPECT_STREQ(GetSkinPropertyParam(skin_, L"c", L"s", L"text", nullptr), L"font: segoe ui, 8, bold");
  EXPECT_EQ(CountSkinPropertySubParams(skin_, L"c", L"s", L"text", L"font"), 3);
  EXPECT_EQ(CountSkinPropertySubParams(skin_, L"c", L"s", L"text", L""), 0);
  EXPECT_EQ(CountSkinPropertySubParams(skin_, L"c", L"s", L"background", L"gradient"), 10);
  EXPECT_STREQ(GetSkinPropertySubParam(skin_, L"c", L"s", L"background", L"gradient", 1), L"vertical");
  EXPECT_EQ(std::wstring(GetSkinPropertySubParam(skin_, L"c", L"s", L"background", L"gradient", 2)),
            std::to_wstring(0xFFDBBF));
  EXPECT_STREQ(GetSkinPropertySubParam(skin_, L"c", L"s", L"background", L"gradient", 4), L"0.5");
  EXPECT_STREQ(GetSkinPropertySubParam(skin_, L"c", L"s", L"background", L"gradient", 5), L"-2147417597");
  EXPECT_STREQ(GetSkinPropertySubParam(skin_, L"c", L"s", L"background", L"gradient", 6), L"");
  EXPECT_STREQ(GetSkinPropertySubParam(skin_, L"c", L"s", L"background", L"gradient", 0), L"");
  EXPECT_STREQ(GetSkinProperty(skin_, L"c", L"s", L"background"),
               L"gradient: vertical, rgb(191,219,255), rgb(101,145,205), 0.5, rgba(1,2,3,0.5);");
}

}  // namespace
