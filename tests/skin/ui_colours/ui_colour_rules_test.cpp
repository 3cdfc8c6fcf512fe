// The pure rules of the UI colours: colour names, UI colour keywords, the scheme
// and default-word rules, the default tables and the GetUIColour read rule.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/values/colour_name_map.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_scheme.h"
#include "skin/ui_colours/ui_colour_tables.h"

namespace kelvra {
namespace {

std::wstring Wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

TEST(ColourNameMap, HoldsTheKeywordsWithBothGreySpellingsAndTheSkinValues) {
  const auto names = ColourNames();
  EXPECT_EQ(147u, names.size());
  EXPECT_EQ(0x9370D8u, FindColourName(L"mediumpurple"));
  EXPECT_EQ(0xD87093u, FindColourName(L"palevioletred"));
  int twins = 0;
  for (const ColourName& entry : names) {
    EXPECT_EQ(entry.rgb, FindColourName(Wide(entry.name))) << entry.name;
    const auto gray = entry.name.find("gray");
    if (gray == std::string_view::npos) continue;
    std::string grey(entry.name);
    grey.replace(gray, 4, "grey");
    EXPECT_EQ(entry.rgb, FindColourName(Wide(grey))) << grey;
    ++twins;
  }
  EXPECT_EQ(7, twins);
  struct Case { const wchar_t* name; uint32_t rgb; };
  for (const Case& c : {Case{L"aliceblue", 0xF0F8FF}, Case{L"NaVy", 0x000080}, Case{L"LIGHTGOLDENRODYELLOW", 0xFAFAD2},
                        Case{L"yellowgreen", 0x9ACD32}, Case{L"red", 0xFF0000}, Case{L"fuchsia", 0xFF00FF}})
    EXPECT_EQ(c.rgb, FindColourName(c.name)) << c.name;
}

TEST(ColourNameMap, AnswersNothingForWhatIsNoName) {
  for (const wchar_t* name : {L"transparent", L"", L" navy", L"navy ", L"navyblue", L"nav", L"na\u00EFvy",
                              L"lightgoldenrodyellowish"})
    EXPECT_FALSE(FindColourName(name).has_value()) << static_cast<const void*>(name);
  EXPECT_FALSE(FindColourName(std::wstring_view(L"red\0", 4)).has_value()) << "an embedded NUL is no letter";
}

TEST(UIColourIndexNames, EveryKeywordFindsItsIndexCaseBlind) {
  for (int32_t index = 0; index < 56; ++index) {
    const std::string_view name = UIColourIndexName(index);
    ASSERT_FALSE(name.empty()) << index;
    EXPECT_EQ(index, FindUIColourIndex(Wide(name)));
  }
  EXPECT_EQ(8, FindUIColourIndex(L"MenuHotBorder"));
  EXPECT_EQ(55, FindUIColourIndex(L"toolbarseparatorshadow"));
  EXPECT_EQ(16, FindUIColourIndex(L"menucheckboxselectedbackground"));
  for (const wchar_t* name : {L"", L"menuhotborder ", L"menuhotbordercolour", L"menucolor", L"background2"})
    EXPECT_EQ(-1, FindUIColourIndex(name)) << name;
  EXPECT_TRUE(UIColourIndexName(56).empty());
  EXPECT_TRUE(UIColourIndexName(-1).empty());
}

TEST(UIColourIndexNames, ColourRefFormIndicesAreExactlyTheListedOnes) {
  const std::set<int32_t> listed = {5, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19, 25, 26, 28, 30, 42, 43, 49, 50, 51, 54, 55};
  for (int32_t index = -1; index <= 57; ++index) EXPECT_EQ(listed.count(index) == 1, IsColourRefFormIndex(index)) << index;
}

uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r | g << 8 | b << 16); }

TEST(ColourSchemeRule, ThemeColourPicksTheScheme) {
  struct Case { bool open; uint32_t colour; ColourScheme scheme; };
  const Case cases[] = {
      {true, Rgb(230, 230, 230), ColourScheme::Silver}, {true, Rgb(100, 100, 220), ColourScheme::Blue},
      {true, Rgb(220, 220, 100), ColourScheme::Olive},  {true, Rgb(220, 100, 100), ColourScheme::Grey},
      {false, Rgb(100, 100, 220), ColourScheme::Grey},  {true, Rgb(200, 200, 200), ColourScheme::Silver},
      {true, Rgb(199, 199, 200), ColourScheme::Blue},   {true, Rgb(200, 200, 199), ColourScheme::Olive},
      {true, Rgb(200, 199, 200), ColourScheme::Grey},   {true, 0xFA9632, ColourScheme::Blue},
      {true, 0xFFFFFFFF, ColourScheme::Silver},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.scheme, SchemeOfThemeColour(c.open, c.colour)) << std::hex << c.colour << " open " << c.open;
}

TEST(ColourSchemeRule, ModesReadTheirColumns) {
  // Columns: 0-3 default blue, olive, silver, grey; 4-7 the custom ones.
  const int expected[10] = {2, 0, 1, 2, 3, 6, 4, 5, 6, 7};
  for (int32_t mode = 0; mode <= 9; ++mode) EXPECT_EQ(expected[mode], ColumnOfMode(mode, ColourScheme::Silver)) << mode;
  EXPECT_EQ(ColourScheme::Olive, SchemeOfMode(2, ColourScheme::Silver));
  EXPECT_EQ(ColourScheme::Grey, SchemeOfMode(9, ColourScheme::Silver));
  EXPECT_EQ(ColourScheme::Blue, SchemeOfMode(5, ColourScheme::Blue));
}

TEST(ColourSchemeRule, DefaultThemeWord) {
  struct Case { uint32_t major; std::optional<uint32_t> colour; const wchar_t* word; };
  const Case cases[] = {
      {6, std::nullopt, L"blue"},       {0, std::nullopt, L"blue"},      {10, Rgb(230, 230, 230), L"blue"},
      {5, std::nullopt, L"grey"},       {5, Rgb(230, 230, 230), L"silver"}, {5, Rgb(100, 100, 220), L"blue"},
      {5, Rgb(220, 220, 100), L"olive"}, {5, Rgb(220, 100, 100), L"grey"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.word, DefaultColourThemeWord(c.major, c.colour)) << c.major;
}

class DefaultTables : public testing::Test {
 protected:
  void SetUp() override { FillDefaultUIColours(tables_); }
  uint32_t At(UITable table, int32_t index, int column) const { return tables_.at(table, index, column); }
  UIColourTables tables_;
};

TEST_F(DefaultTables, CopiesOlive2007AndCustomColumns) {
  struct Copy { UITable table; int32_t to, from; };
  const Copy copies[] = {{UITable::Whidbey, 9, 13},     {UITable::Whidbey, 15, 8},     {UITable::Whidbey, 26, 5},
                         {UITable::Whidbey, 28, 8},     {UITable::Office2003, 17, 15}, {UITable::Office2003, 48, 8},
                         {UITable::Office2003, 51, 29}, {UITable::Office2003, 52, 6},  {UITable::Office2003, 53, 7},
                         {UITable::Office2003, 54, 25}, {UITable::Office2007, 51, 29}};
  for (const Copy& c : copies)
    for (int column = 0; column < 8; ++column)
      EXPECT_EQ(At(c.table, c.from, column), At(c.table, c.to, column)) << c.to << " column " << column;
  // Whidbey 17 copies 8 only in blue and grey; olive and silver have their own.
  EXPECT_EQ(At(UITable::Whidbey, 8, 0), At(UITable::Whidbey, 17, 0));
  EXPECT_EQ(At(UITable::Whidbey, 8, 3), At(UITable::Whidbey, 17, 3));
  EXPECT_EQ(0x6B998Cu, At(UITable::Whidbey, 17, 1));
  for (int32_t index = 0; index < 57; ++index) {
    EXPECT_EQ(At(UITable::Office2007, index, 0), At(UITable::Office2007, index, 1)) << index;
    for (int table = 0; table < 3; ++table)
      for (int column = 0; column < 4; ++column)
        EXPECT_EQ(tables_.colours[table][index][column], tables_.colours[table][index][column + 4]);
  }
  for (int table = 0; table < 3; ++table)
    for (int column = 0; column < 8; ++column) EXPECT_EQ(0u, tables_.colours[table][56][column]);
}

TEST_F(DefaultTables, ValuesKeepTheirForm) {
  struct Case { UITable table; int32_t index; int column; uint32_t value; };
  const Case cases[] = {
      {UITable::Office2003, 6, 0, 0xFFFFF4CC},   // ARGB form
      {UITable::Office2003, 3, 0, 0x00800000},   // navy, COLORREF form
      {UITable::Office2003, 20, 0, 0x576A8CCB},
      {UITable::Whidbey, 20, 2, 0x32000000},
      {UITable::Whidbey, 5, 0, 0x00EED2C1},
      {UITable::Office2007, 50, 2, 0x000000FF},  // silver's red hot text
      {UITable::Office2007, 50, 0, 0},
      {UITable::Office2007, 0, 3, 0x00FFFFFF},
      {UITable::Office2007, 55, 3, 0x00E3E0DD},
      {UITable::Office2003, 5, 0, 0},            // never set
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, At(c.table, c.index, c.column)) << c.index;
}

TEST_F(DefaultTables, GetUIColourReadRule) {
  // Columns a Whidbey read in modes 0 and 5 takes from the custom blue column.
  tables_.at(UITable::Whidbey, 8, 4) = 0x00123456;
  tables_.at(UITable::Office2003, 8, 4) = 0x00654321;
  struct Case { uint32_t style; int32_t index, mode, currentMode; uint32_t colour; };
  const Case cases[] = {
      {0x1000000, 6, 1, 0, 0x00CCF4FF}, {0x1000000, 3, 1, 0, 0x00800000}, {0x2000000, 50, 3, 0, 0x000000FF},
      {0x2000000, 50, 8, 0, 0x000000FF}, {0x2000000, 6, 2, 0, 0x00CCF5FF},
      {5, 8, 0, 0, 0x00123456},   {5, 8, 5, 1, 0x00123456},   {5, 8, 1, 0, 0x00C56A31},  {5, 8, 42, 0, 0x00123456},
      {0x1000000, 8, 0, 0, 0x00800000}, {0x1000000, 8, 0, 5, 0x00654321}, {0x1000000, 8, -7, 6, 0x00654321},
      {0x1000000, 8, 12, 2, 0x00385D3F},
      {0x1000000, -1, 1, 0, 0}, {0x1000000, 56, 1, 0, 0}, {0x1000000, 1000, 1, 0, 0},
      {6, 3, 1, 0, 0}, {0, 3, 1, 0, 0}, {0x3000000, 3, 1, 0, 0},
  };
  for (const Case& c : cases) {
    tables_.mode = c.currentMode;
    EXPECT_EQ(c.colour, UIColourOfMode(tables_, c.style, c.index, c.mode, ColourScheme::Blue))
        << std::hex << c.style << std::dec << " index " << c.index << " mode " << c.mode;
  }
}

}  // namespace
}  // namespace kelvra
