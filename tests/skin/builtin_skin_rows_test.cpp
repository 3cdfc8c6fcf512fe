// The built-in skins' tables as data: the eleven keys, the number of properties
// each sets, and rows that can be run as they stand.
#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>
#include <tuple>

#include "skin/builtin_skin_rows.h"

namespace kelvra {
namespace {

bool LowerCase(const wchar_t* text) {
  for (; *text; ++text)
    if (std::towlower(*text) != *text) return false;
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

}  // namespace
}  // namespace kelvra
