// The pure parts of the built-in skins: their tables (the eleven keys, the number
// of properties each sets, rows that can be run as they stand), the assembly of the
// explorer bar's texts, and alpha recovered from renderings on black and white.
#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>
#include <tuple>

#include "skin/builtin/builtin_skin_rows.h"
#include "skin/builtin/two_background_alpha.h"
#include "skin/builtin/xbar_text_values.h"

namespace kelvra {
namespace {

bool LowerCase(const wchar_t* text) {
  for (; *text; ++text)
    if (std::towlower(static_cast<wint_t>(*text)) != static_cast<wint_t>(*text)) return false;
  return true;
}

TEST(BuiltInSkinRows, ElevenSkinsEachSettingItsPropertiesOnce) {
  struct Expected {
    const wchar_t* key;
    const wchar_t* displayName;
    size_t properties;
  } expected[] = {
      {L"imagebuttonskin", L"imageButtonSkin", 8},
      {L"sysbuttonskin", L"sysButtonSkin", 35},
      {L"systogglebuttonskin", L"sysToggleButtonSkin", 35},
      {L"sysstickybuttonskin", L"sysStickyButtonSkin", 35},
      {L"sysradiobuttonskin", L"sysRadioButtonSkin", 42},
      {L"syscheckbuttonskin", L"sysCheckButtonSkin", 60},
      {L"sysxbarskin", L"sysXBarSkin", 100},
      {L"office2007xbarskin", L"office2007XBarSkin", 197},
      {L"syssplitterskin", L"sysSplitterSkin", 10},
      {L"syssplitter2skin", L"sysSplitter2Skin", 30},
      {L"office2007splitterskin", L"office2007SplitterSkin", 166},
  };
  ASSERT_EQ(std::size(expected), BuiltInSkinTables().size());
  for (const auto& e : expected) {
    SCOPED_TRACE(std::wstring(e.key).c_str());
    const auto* table = FindBuiltInSkinTable(e.key);
    ASSERT_NE(nullptr, table);
    EXPECT_STREQ(e.displayName, table->displayName);
    EXPECT_EQ(e.properties, table->rows.size());
    // Distinct (component, state, property) per row: each call sets a new property.
    std::set<std::tuple<std::wstring, std::wstring, std::wstring>> seen;
    for (const auto& row : table->rows) {
      const std::wstring where = std::wstring(row.component) + L" / " + row.state + L" / " + row.property;
      EXPECT_TRUE(LowerCase(row.component) && LowerCase(row.state) && LowerCase(row.property)) << where;
      EXPECT_TRUE(seen.emplace(row.component, row.state, row.property).second) << "set twice: " << where;
      EXPECT_EQ(row.kind == BuiltInRowKind::Value, row.value != nullptr);
      EXPECT_EQ(row.kind == BuiltInRowKind::Image, row.image != BuiltInImage::Count);
    }
  }
  EXPECT_EQ(nullptr, FindBuiltInSkinTable(L"SysButtonSkin")) << "keys are matched lower-cased";
  EXPECT_EQ(nullptr, FindBuiltInSkinTable(L"nosuchskin"));
  EXPECT_EQ(nullptr, FindBuiltInSkinTable(nullptr));
}

TEST(XBarTextValues, AssembleFaceSizeStyleAndColour) {
  const uint32_t rgb = 0x030201;  // red 1, green 2, blue 3
  EXPECT_EQ(L"font: Tahoma, 8, bold; colour: rgb(1,2,3)", XBarHeaderText(L"Tahoma", 8, rgb));
  EXPECT_EQ(L"font: Tahoma, 8; colour: rgb(1,2,3)", XBarItemText(L"Tahoma", 8, rgb, false));
  EXPECT_EQ(L"font: Tahoma, 8, underline; colour: rgb(1,2,3)", XBarItemText(L"Tahoma", 8, rgb, true));
  EXPECT_EQ(L"font: Segoe UI, 12, bold; colour: rgb(255,0,128)", XBarHeaderText(L"Segoe UI", 12, 0x8000FF));
}

TEST(TrueAlpha, ComesFromTheDifferenceBetweenTheBlackAndTheWhiteRendering) {
  struct Case {
    uint32_t onBlack, onWhite, expected;
  } cases[] = {
      {0x000000, 0xFFFFFF, 0},                     // untouched background
      {0x123456, 0x123456, 0xFF123456},            // opaque drawing
      {0x800000, 0xFF7F7F, 0x80FF0000},            // half-covered red
      {0xFF000000, 0xFFFFFFFF, 0},                 // alpha bytes of the renderings are ignored
      {0x202020, 0x202020 + 0x010101, 0xFE202020}, // nearly opaque
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, PixelFromTwoBackgrounds(c.onBlack, c.onWhite)) << std::hex << c.onBlack << " " << c.onWhite;
}

}  // namespace
}  // namespace kelvra
