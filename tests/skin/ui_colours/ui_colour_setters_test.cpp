// SetUIColour and SetUIColourMode through their exports: stored forms, the mode a
// setter names, refusals that change nothing, and the refresh of windows and
// theme words.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "kelvra.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_colour_tables.h"
#include "tests/skin/records/skin_change_counter.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

// Custom columns of the three tables: 4 blue, 5 olive, 6 silver, 7 grey.
int PrefixCustomColumn() { return test::DllSwitchedOff(L"uxtheme") ? 7 : 4; }

// Every test starts from the default colours in mode 0 and leaves them so.
class UIColourSetters : public testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  static void Reset() {
    FillDefaultUIColours(ColourTables());
    ColourTables().mode = 0;
    StoreGlobalSkinColourTheme(L"");
  }
  static uint32_t Stored(UITable table, int32_t index, int column) { return ColourTables().at(table, index, column); }
};

TEST_F(UIColourSetters, StoredFormsAndTheColumnEachModeNames) {
  EXPECT_EQ(1, SetUIColour(0x2000000, 26, 0x000000FF, 1, 1));
  EXPECT_EQ(0x000000FFu, Stored(UITable::Office2007, 26, 4)) << "a COLORREF-form index stores as given";
  EXPECT_EQ(0x000000FF, GetUIColour(0x2000000, 26, 6));
  EXPECT_EQ(0x00A2E7FF, GetUIColour(0x2000000, 26, 1)) << "the default stays";

  EXPECT_EQ(1, SetUIColour(0x1000000, 6, 0x000000FF, 6, 1));
  EXPECT_EQ(0xFFFF0000u, Stored(UITable::Office2003, 6, 4)) << "an ARGB-form index stores opaque ARGB";
  EXPECT_EQ(0x000000FF, GetUIColour(0x1000000, 6, 6));

  struct Case { int32_t mode, currentMode; int column; };
  const Case cases[] = {{2, 0, 5}, {7, 0, 5}, {1, 9, 4}, {4, 0, 7}, {9, 0, 7}, {3, 0, 6},
                        {0, 3, 6}, {5, 3, 6}, {0, 7, 5}, {5, 5, PrefixCustomColumn()}, {0, 0, PrefixCustomColumn()}};
  uint32_t colour = 0x10;
  for (const Case& c : cases) {
    ColourTables().mode = c.currentMode;
    ++colour;
    EXPECT_EQ(1, SetUIColour(5, 30, static_cast<int>(colour), c.mode, 1));
    EXPECT_EQ(colour, Stored(UITable::Whidbey, 30, c.column)) << "mode " << c.mode << " in mode " << c.currentMode;
  }
}

TEST_F(UIColourSetters, RefusalsChangeNothingAndDefaultsNeverChange) {
  const UIColourTables before = ColourTables();
  struct Case { int style, index, mode; };
  const Case refused[] = {{6, 3, 6},         {0, 3, 6},         {0x1000001, 3, 6}, {0x1000000, -1, 6},
                          {0x1000000, 56, 6}, {0x1000000, 3, 10}, {0x1000000, 3, -1}, {0x1000000, 3, -5},
                          {5, 1 << 30, 6},    {0x2000000, 3, 100}};
  for (const Case& c : refused)
    EXPECT_EQ(0, SetUIColour(c.style, c.index, 0x123456, c.mode, 0)) << c.style << " " << c.index << " " << c.mode;
  EXPECT_EQ(0, std::memcmp(&before, &ColourTables(), sizeof(before)));

  for (int style : {5, 0x1000000, 0x2000000})
    for (int index = 0; index < 56; ++index)
      for (int mode = 0; mode <= 9; ++mode) SetUIColour(style, index, 0x00ABCDEF, mode, 1);
  for (int table = 0; table < 3; ++table)
    for (int index = 0; index < 57; ++index)
      for (int column = 0; column < 4; ++column)
        EXPECT_EQ(before.colours[table][index][column], ColourTables().colours[table][index][column]);
}

TEST_F(UIColourSetters, ModeSelectsSchemeWordAndRefreshesWindows) {
  test::SkinChangeCounter counter;
  EXPECT_EQ(0, SetUIColourMode(12));
  EXPECT_EQ(0, SetUIColourMode(-1));
  EXPECT_EQ(0, GetUIColourMode());
  EXPECT_STREQ(L"blue", GetGlobalSkinColourTheme());
  EXPECT_TRUE(GlobalSkinColourTheme().empty());
  EXPECT_EQ(0, test::SkinChangeCounter::count) << "a refused mode refreshes nothing";

  EXPECT_EQ(1, SetUIColourMode(3));
  EXPECT_EQ(3, GetUIColourMode());
  EXPECT_STREQ(L"silver", GetGlobalSkinColourTheme());
  EXPECT_EQ(1, test::SkinChangeCounter::count);
  EXPECT_EQ(0, test::SkinChangeCounter::lastLParam);

  const int prefixScheme = test::DllSwitchedOff(L"uxtheme") ? 9 : 6;
  struct Case { int mode; const wchar_t* word; int scheme; };
  const Case cases[] = {{5, L"blue", prefixScheme}, {7, L"olive", 2}, {1, L"blue", 1}, {9, L"grey", 4},
                        {6, L"blue", 1},            {2, L"olive", 2}};
  for (const Case& c : cases) {
    EXPECT_EQ(1, SetUIColourMode(c.mode));
    EXPECT_EQ(c.scheme, GetCurrentColourScheme()) << c.mode;
    if (c.mode != 5) {
      EXPECT_STREQ(c.word, GetGlobalSkinColourTheme()) << c.mode;
    }
  }
  EXPECT_EQ(1, SetUIColourMode(5));
  EXPECT_TRUE(GlobalSkinColourTheme().empty()) << "mode 5 follows the visual style";
  EXPECT_EQ(1, SetUIColourMode(0));
  EXPECT_STREQ(L"blue", GetGlobalSkinColourTheme()) << "mode 0 brings the default word back";
  EXPECT_TRUE(GlobalSkinColourTheme().empty());

  EXPECT_EQ(1, SetUIColourMode(1));
  EXPECT_EQ(0x00CB8C6Au, LookupUIColour(6, 20, kUIColourColorRef));
  EXPECT_EQ(0x576A8CCBu, LookupUIColour(6, 20, kUIColourRaw));
}

}  // namespace
}  // namespace kelvra
