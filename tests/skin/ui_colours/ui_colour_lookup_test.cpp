// The UI colour look-ups against the system's visual style: the scheme of the
// prefix's theme colour (blue; grey in the uxtheme=d run), the exported reads,
// the brush cache, and the colour-theme words.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/platform/uxtheme_api.h"
#include "kelvra.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/ui_colours/ui_colour_brush_cache.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_colour_tables.h"
#include "tests/skin/records/skin_change_counter.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

bool NoVisualStyle() { return test::DllSwitchedOff(L"uxtheme"); }
ColourScheme PrefixScheme() { return NoVisualStyle() ? ColourScheme::Grey : ColourScheme::Blue; }

// Sets the current mode straight in the tables (no refresh) for one test.
class ModeScope {
 public:
  explicit ModeScope(int32_t mode) : saved_(ColourTables().mode) { ColourTables().mode = mode; }
  ~ModeScope() { ColourTables().mode = saved_; }

 private:
  int32_t saved_;
};

// Changes one stored colour for one test.
class ColourScope {
 public:
  ColourScope(UITable table, int32_t index, int column, uint32_t value)
      : slot_(ColourTables().at(table, index, column)), saved_(slot_) {
    slot_ = value;
  }
  ~ColourScope() { slot_ = saved_; }

 private:
  uint32_t& slot_;
  uint32_t saved_;
};

COLORREF BrushColour(uint32_t brush) {
  LOGBRUSH info{};
  if (GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(brush)), sizeof(info), &info) != sizeof(info))
    return CLR_INVALID;
  return info.lbColor;
}

TEST(UIColourScheme, ThePrefixVisualStyleNamesTheScheme) {
  if (NoVisualStyle()) {
    EXPECT_EQ(nullptr, UxTheme().themes.scrollbar);
  } else {
    ASSERT_NE(nullptr, UxTheme().themes.scrollbar) << "a fresh prefix has a visual style";
    EXPECT_EQ(0xFA9632u, UxTheme().themeColour);
  }
  EXPECT_EQ(PrefixScheme(), DetectedColourScheme());
  ModeScope mode(0);
  const int defaultColumnMode = static_cast<int>(PrefixScheme()) - 5;  // 1 blue ... 4 grey
  for (int32_t index : {3, 6, 21, 41, 54})
    EXPECT_EQ(GetUIColour(0x1000000, index, defaultColumnMode), GetUIColour(0x1000000, index, 0)) << index;
}

TEST(UIColourScheme, CurrentSchemeByMode) {
  const int prefix = static_cast<int>(PrefixScheme());
  struct Case { int32_t mode; int scheme; };
  for (const Case& c : {Case{5, prefix}, Case{0, prefix - 5}, Case{7, 2}, Case{1, 1}, Case{4, 4}, Case{9, 4}}) {
    ModeScope mode(c.mode);
    EXPECT_EQ(c.scheme, GetCurrentColourScheme()) << c.mode;
    EXPECT_EQ(c.mode, GetUIColourMode());
  }
}

TEST(LookupUIColour, RequestFormsAndSchemeAnswers) {
  ModeScope mode(1);
  EXPECT_EQ(0x00CB8C6Au, LookupUIColour(6, 20, kUIColourColorRef));
  EXPECT_EQ(0x576A8CCBu, LookupUIColour(6, 20, kUIColourRaw));
  EXPECT_EQ(0x576A8CCBu, LookupUIColour(0x1000000, 20, kUIColourRaw | kUIColourColorRef)) << "bit 0 wins";
  EXPECT_EQ(0x00800000u, LookupUIColour(0x1000000, 3, kUIColourColorRef));
  EXPECT_EQ(0x00FFFFFFu, LookupUIColour(0x2000000, 55, kUIColourRaw));
  EXPECT_EQ(6u, LookupUIColour(6, -1, 0));
  EXPECT_EQ(6u, LookupUIColour(0x2000000, -5, kUIColourRaw));
  // Styles it does not serve: colour 0, and no scheme answer.
  for (uint32_t style : {0u, 5u, 7u, 0x3000000u}) {
    EXPECT_EQ(0u, LookupUIColour(style, 3, kUIColourRaw)) << style;
    EXPECT_EQ(0u, LookupUIColour(style, -1, 0)) << style;
    EXPECT_EQ(0u, BrushColour(LookupUIColour(style, 3, 0))) << "a brush of colour 0";
  }
  EXPECT_EQ(0u, LookupUIColour(6, 56, kUIColourRaw));
  EXPECT_EQ(0u, LookupUIColour(6, 57, kUIColourRaw));
  EXPECT_EQ(0u, LookupUIColour(6, 100000, kUIColourColorRef));
  EXPECT_EQ(0u, LookupUIColour(6, 57, kUIColourBrush)) << "no slot, no brush";
}

TEST(LookupUIColour, ModesZeroAndFiveFollowTheThemeColour) {
  auto& api = UxTheme();
  if (!api.themes.scrollbar) GTEST_SKIP() << "needs the scrollbar theme open";
  const COLORREF saved = api.themeColour;
  struct Case { COLORREF colour; int column; };
  // Office 2003 index 3 (menutitleinactivetextcolor) differs in every scheme.
  const uint32_t byScheme[4] = {0x00800000, 0x00385D3F, 0x006F4B4B, 0x006A240A};
  for (const Case& c : {Case{RGB(230, 230, 230), 2}, Case{RGB(100, 100, 220), 0}, Case{RGB(220, 220, 100), 1},
                        Case{RGB(220, 100, 100), 3}}) {
    api.themeColour = c.colour;
    for (int32_t m : {0, 5}) {
      ModeScope mode(m);
      EXPECT_EQ(byScheme[c.column], LookupUIColour(6, 3, kUIColourColorRef)) << std::hex << c.colour;
      EXPECT_EQ(static_cast<uint32_t>(6 + c.column), LookupUIColour(6, -1, 0));
    }
  }
  api.themeColour = saved;
}

TEST(GetUIColourBrush, WhidbeyColoursBrushesAndSchemeAnswers) {
  ModeScope mode(0);
  EXPECT_EQ(0x32000000u, GetUIColourBrush(5, 20)) << "shadow colour itself";
  EXPECT_EQ(0u, GetUIColourBrush(5, 0));
  EXPECT_EQ(NoVisualStyle() ? 0x00808080u : 0x0099A8ACu, GetUIColourBrush(5, 3)) << "text colour itself";
  const uint32_t brush = GetUIColourBrush(5, 8);
  EXPECT_EQ(NoVisualStyle() ? 0x006A240Au : 0x00C56A31u, BrushColour(brush));
  EXPECT_EQ(static_cast<uint32_t>(PrefixScheme()), GetUIColourBrush(5, -1));
  EXPECT_EQ(0u, GetUIColourBrush(6, -1)) << "modes 0 and 5 answer the scheme only for Whidbey";
  {
    ModeScope named(3);
    EXPECT_EQ(8u, GetUIColourBrush(0x2000000, -1)) << "named modes answer it for any style";
    EXPECT_EQ(8u, GetUIColourBrush(12345, -1));
  }
  EXPECT_EQ(0u, BrushColour(GetUIColourBrush(6, 8))) << "another style: a brush of colour 0";
}

TEST(GetUIColourBrush, CustomColourOnAnArgbIndexKeepsItsChannels) {
  // A custom colour of an ARGB-form index is held as 0xFFRRGGBB; the brush must
  // be made from its COLORREF, or red comes out blue.
  ModeScope mode(6);
  ColourScope red(UITable::Whidbey, 21, 4, 0xFFFF0000);
  EXPECT_EQ(RGB(255, 0, 0), BrushColour(GetUIColourBrush(5, 21)));
}

TEST(GetUIColourBrush, CustomTextColoursComeBackAsWin32Colours) {
  // The text indices are ARGB-form indices: SetUIColour holds a custom colour
  // there as 0xFFRRGGBB, and a caller gives the answer to SetTextColor.
  ModeScope mode(6);
  for (int32_t index : {0, 1, 2, 3, 4, 27, 29}) {
    ColourScope red(UITable::Whidbey, index, 4, 0xFFFF0000);
    EXPECT_EQ(RGB(255, 0, 0), GetUIColourBrush(5, index)) << index;
  }
  // The shadow's colour keeps its alpha, which is the shadow's depth.
  ColourScope shadow(UITable::Whidbey, 20, 4, 0x40102030);
  EXPECT_EQ(0x40102030u, GetUIColourBrush(5, 20));
}

TEST(UIColourBrushCache, SameHandleWhileTheColourStaysThenANewOne) {
  ModeScope mode(6);
  const uint32_t first = LookupUIColour(0x1000000, 26, 0);
  ASSERT_NE(0u, first);
  EXPECT_EQ(first, LookupUIColour(6, 26, 0));
  EXPECT_EQ(0x00C2EEFFu, BrushColour(first));
  EXPECT_EQ(LookupUIColourBrush(6, 26), reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(first)));
  {
    ColourScope changed(UITable::Office2003, 26, 4, 0x000000FF);
    const uint32_t second = LookupUIColour(6, 26, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(0x000000FFu, BrushColour(second));
    EXPECT_EQ(0u, GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(first)))) << "old brush deleted";
  }
  // Whidbey and Office share the slot: each re-makes it when their colours differ.
  const uint32_t office = LookupUIColour(6, 26, 0);
  const uint32_t whidbey = GetUIColourBrush(5, 26);
  EXPECT_EQ(0x00EED2C1u, BrushColour(whidbey));
  EXPECT_EQ(0u, GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(office))));
}

TEST(UIColourExports, GetUIColourCells) {
  ModeScope mode(0);
  EXPECT_EQ(0x00CCF4FF, GetUIColour(0x1000000, 6, 1));
  EXPECT_EQ(0x00800000, GetUIColour(0x1000000, 3, 1));
  EXPECT_EQ(0x000000FF, GetUIColour(0x2000000, 50, 3)) << "silver's red";
  EXPECT_EQ(0, GetUIColour(0x2000000, 50, 1));
  for (int32_t index = 0; index < 56; ++index)
    EXPECT_EQ(GetUIColour(0x2000000, index, 1), GetUIColour(0x2000000, index, 2)) << "2007 olive is blue " << index;
  {
    ColourScope custom(UITable::Whidbey, 8, static_cast<int>(PrefixScheme()) - 2, 0x00ABCDEF);
    EXPECT_EQ(0x00ABCDEF, GetUIColour(5, 8, 0)) << "Whidbey in mode 0 reads the custom column";
    EXPECT_EQ(NoVisualStyle() ? 0x006A240A : 0x00C56A31, GetUIColour(5, 8, static_cast<int>(PrefixScheme()) - 5));
  }
  for (int index : {-1, 56, 57, 1 << 30}) EXPECT_EQ(0, GetUIColour(0x1000000, index, 1)) << index;
  for (int style : {0, 6, 4, 0x1000001, -1}) EXPECT_EQ(0, GetUIColour(style, 3, 1)) << style;
}

TEST(ColourThemeWords, DefaultWordAndTrimmedLowerCaseGlobalWord) {
  EXPECT_STREQ(L"blue", GetDefaultGlobalSkinColourTheme()) << "NT 6.1, with or without a visual style";
  EXPECT_STREQ(L"blue", GetGlobalSkinColourTheme()) << "no word set: the default one";
  test::SkinChangeCounter counter;
  EXPECT_EQ(1, ::SetGlobalSkinColourTheme(L"  Blue \t"));
  EXPECT_EQ(L"blue", GlobalSkinColourTheme());
  EXPECT_EQ(1, test::SkinChangeCounter::count) << "skins re-applied";
  EXPECT_EQ(0, test::SkinChangeCounter::lastLParam) << "for all skins";
  EXPECT_EQ(1, ::SetGlobalSkinColourTheme(L"SILVER"));
  EXPECT_STREQ(L"silver", GetGlobalSkinColourTheme());
  EXPECT_STREQ(L"blue", GetDefaultGlobalSkinColourTheme());
  EXPECT_EQ(1, ::SetGlobalSkinColourTheme(L"   "));
  EXPECT_STREQ(L"blue", GetGlobalSkinColourTheme()) << "an empty word brings the default back";
  EXPECT_EQ(1, ::SetGlobalSkinColourTheme(L"black"));
  EXPECT_EQ(1, ::SetGlobalSkinColourTheme(nullptr));
  EXPECT_TRUE(GlobalSkinColourTheme().empty());
  EXPECT_EQ(5, test::SkinChangeCounter::count);
}

}  // namespace
}  // namespace kelvra
