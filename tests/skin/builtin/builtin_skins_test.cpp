// The built-in skins as built: names, property counts, values other controls read,
// themed reads, no re-application while building, the images they carry and who
// releases them, and the accessor's answer when skins come and go.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "kelvra.h"
#include "skin/builtin/builtin_skin_rows.h"
#include "skin/builtin/builtin_skin_stored_images.h"
#include "skin/builtin/builtin_skins.h"
#include "skin/records/skin_list.h"
#include "skin/records/skin_loading_flag.h"
#include "skin/builtin/xbar_text_style.h"
#include "skin/builtin/xbar_text_values.h"
#include "tests/skin/records/skin_change_counter.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

HANDLE AsHandle(uintptr_t skin) { return reinterpret_cast<HANDLE>(skin); }

size_t PropertyCount(HANDLE skin) {
  const auto* record = FindSkin(skin);
  if (!record) return 0;
  size_t count = 0;
  for (const auto& component : record->components)
    for (const auto& state : component->states) count += state->properties.Size();
  return count;
}

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

// Frees every skin of that name, so each test starts without the built-in one.
void FreeSkinsNamed(const wchar_t* name) {
  while (HANDLE skin = GetSkinHandle(name)) FreeSkin(skin);
}

class BuiltInSkins : public testing::Test {
 protected:
  void SetUp() override {
    for (const auto& table : BuiltInSkinTables()) FreeSkinsNamed(table.key);
    SetGlobalSkinColourTheme(L"");
  }
  void TearDown() override { SetUp(); }
};

// The key with every other letter upper-cased: "SyStUtToNsKiN".
std::wstring MixedCase(std::wstring key) {
  for (size_t i = 0; i < key.size(); i += 2) key[i] = static_cast<wchar_t>(towupper(key[i]));
  return key;
}

TEST_F(BuiltInSkins, ElevenKeysInAnyCaseBuildOnceAndAgainAfterFree) {
  ASSERT_EQ(11u, BuiltInSkinTables().size());
  for (const auto& table : BuiltInSkinTables()) {
    const std::wstring askedAs = MixedCase(table.key);
    SCOPED_TRACE(testing::Message() << askedAs);
    const size_t before = SkinList().Size();
    EXPECT_EQ(0, BuildDefaultSkin(askedAs));
    ASSERT_EQ(before + 1, SkinList().Size());
    HANDLE skin = GetSkinHandle(table.key);
    ASSERT_TRUE(skin);
    EXPECT_STREQ(table.displayName, GetSkinName(skin)) << "the display name keeps its case";
    EXPECT_EQ(table.rows.size(), PropertyCount(skin)) << "every row sets a property of its own";

    EXPECT_EQ(0, BuildDefaultSkin(askedAs));
    EXPECT_EQ(before + 1, SkinList().Size()) << "a second call builds nothing";
    EXPECT_EQ(skin, AsHandle(BuiltInSkin(askedAs)));

    ASSERT_EQ(1, FreeSkin(skin));
    HANDLE rebuilt = AsHandle(BuiltInSkin(askedAs));
    ASSERT_EQ(1, IsSkin(rebuilt));
    EXPECT_STREQ(table.displayName, GetSkinName(rebuilt));
    EXPECT_EQ(table.rows.size(), PropertyCount(rebuilt));
    FreeSkin(rebuilt);
  }
  const size_t before = SkinList().Size();
  EXPECT_EQ(0, BuildDefaultSkin(L"NoSuchSkin"));
  EXPECT_EQ(0u, BuiltInSkin(L"nosuchskin"));
  EXPECT_EQ(0u, BuiltInSkin(L""));
  EXPECT_EQ(before, SkinList().Size());
}

TEST_F(BuiltInSkins, LoadingFlagIsSetWhileBuildingAndItsEarlierValueComesBack) {
  for (int32_t earlier : {0, 1, 7}) {
    SkinLoadingFlag() = earlier;
    HANDLE skin = AsHandle(BuiltInSkin(L"sysbuttonskin"));
    EXPECT_TRUE(skin);
    EXPECT_EQ(earlier, SkinLoadingFlag());
    FreeSkin(skin);
  }
  SkinLoadingFlag() = 0;
}

TEST_F(BuiltInSkins, ValuesOtherControlsRead) {
  HANDLE sticky = AsHandle(BuiltInSkin(L"sysstickybuttonskin"));
  for (const wchar_t* state : {L"selected", L"selected hot", L"selected pressed"})
    EXPECT_STREQ(L"10;", GetSkinProperty(sticky, L"togglebuttonex", state, L"background")) << state;
  EXPECT_STREQ(L"8;", GetSkinProperty(sticky, L"togglebuttonex", L"normal", L"background"));
  HANDLE toggle = AsHandle(BuiltInSkin(L"systogglebuttonskin"));
  EXPECT_STREQ(L"8;", GetSkinProperty(toggle, L"togglebuttonex", L"selected", L"background"));

  HANDLE splitter2 = AsHandle(BuiltInSkin(L"syssplitter2skin"));
  EXPECT_EQ(static_cast<int>(GetSysColor(COLOR_BTNFACE)),
            GetSkinPropertyColour(splitter2, L"splitterex", L"hot vertical", L"gripper background"));
  EXPECT_STREQ(L"width: 5;", GetSkinProperty(splitter2, L"splitterex", L"normal", L"gripper size"));

  HANDLE office = AsHandle(BuiltInSkin(L"office2007splitterskin"));
  for (const wchar_t* state : {L"normal", L"pressed vertical"}) {
    SCOPED_TRACE(testing::Message() << std::wstring(state));
    HANDLE gripper = GetSkinPropertyData(office, L"splitterex", state, L"gripper background");
    ASSERT_TRUE(gripper) << "the gradient built from the value";
    EXPECT_EQ(static_cast<int>(0xFFE3EFFF), GetGradientColour(gripper, 0.25f));
    EXPECT_EQ(static_cast<int>(0xFFB6D6FF), GetGradientColour(gripper, 0.75f));
  }

  HANDLE xbar = AsHandle(BuiltInSkin(L"office2007xbarskin"));
  HFONT plain = static_cast<HFONT>(GetSkinPropertyData(xbar, L"explorerbar group header", L"normal", L"text"));
  HFONT black = static_cast<HFONT>(GetSkinPropertyData(xbar, L"explorerbar group header:black", L"hot", L"text"));
  for (HFONT font : {plain, black}) {
    LOGFONTW logFont{};
    ASSERT_EQ(static_cast<int>(sizeof(logFont)), GetObjectW(font, sizeof(logFont), &logFont));
    EXPECT_GE(logFont.lfWeight, FW_BOLD);
  }
  EXPECT_NE(plain, black);
}

TEST_F(BuiltInSkins, SystemExplorerBarTextsFollowTheTextStyle) {
  HANDLE xbar = AsHandle(BuiltInSkin(L"sysxbarskin"));
  const auto style = ReadXBarTextStyle();
  EXPECT_EQ(Lower(XBarHeaderText(style.face, style.points, style.headerRgb)),
            GetSkinProperty(xbar, L"explorerbar group header", L"selected hot", L"text"));
  EXPECT_STREQ(L"", GetSkinProperty(xbar, L"explorerbar group header", L"disabled", L"text"));
  EXPECT_EQ(Lower(XBarItemText(style.face, style.points, style.itemRgb, false)),
            GetSkinProperty(xbar, L"explorerbar group item", L"disabled", L"text"));
  EXPECT_EQ(Lower(XBarItemText(style.face, style.points, style.itemRgb, true)),
            GetSkinProperty(xbar, L"explorerbar group item", L"pressed", L"text"));
  EXPECT_TRUE(GetSkinPropertyData(xbar, L"explorerbar group item", L"hot", L"text")) << "a font is built";
}

TEST_F(BuiltInSkins, ThemedReadsTakeTheVariantOfTheThemeWord) {
  HANDLE xbar = AsHandle(BuiltInSkin(L"office2007xbarskin"));
  SetGlobalSkinColourTheme(L"silver");
  EXPECT_STREQ(L"gradient: #d5dbe7, #d5dbe7, 0.5, #f3f5f5;",
               GetSkinProperty(xbar, L"explorerbar group header", L"normal", L"background"));
  EXPECT_EQ(StoredSkinImageBitmap(StoredSkinImage::SetBHeaderBorder),
            GetSkinPropertyData(xbar, L"explorerbar group header", L"hot", L"border image"));
  EXPECT_EQ(StoredSkinImageBitmap(StoredSkinImage::SetBExpandArrow),
            GetSkinPropertyData(xbar, L"explorerbar group header", L"selected", L"background image"));
  EXPECT_STREQ(L"font: segoe ui, 8, bold; colour: #15428b;",
               GetSkinProperty(xbar, L"explorerbar group header", L"normal", L"text"))
      << "silver names no text: the plain one serves";

  SetGlobalSkinColourTheme(L"black");
  EXPECT_STREQ(L"font: segoe ui, 8, bold; colour: black;",
               GetSkinProperty(xbar, L"explorerbar group header", L"normal", L"text"));
  EXPECT_STREQ(L"font: segoe ui, 8, bold; colour: #15428b;",
               GetSkinProperty(xbar, L"explorerbar group header", L"disabled", L"text"));
  EXPECT_EQ(StoredSkinImageBitmap(StoredSkinImage::SetCPanelBorder),
            GetSkinPropertyData(xbar, L"explorerbar", L"normal", L"border image"));

  SetGlobalSkinColourTheme(L"");
}

TEST_F(BuiltInSkins, BuildingReappliesNothingButALaterChangeDoes) {
  test::SkinChangeCounter counter;
  HANDLE skin = AsHandle(BuiltInSkin(L"office2007xbarskin"));
  ASSERT_TRUE(skin);
  EXPECT_EQ(0, counter.count);

  EXPECT_EQ(1, SetSkinProperty(skin, L"explorerbar", L"normal", L"background", L"red;"));
  EXPECT_EQ(1, counter.count) << "the built skin updates itself like any other";
  EXPECT_EQ(reinterpret_cast<LPARAM>(skin), counter.lastLParam);
}

std::vector<HBITMAP> GlyphsOf(HANDLE radio) {
  std::vector<HBITMAP> glyphs;
  for (const wchar_t* state : {L"normal", L"hot", L"pressed", L"disabled", L"selected", L"selected hot",
                               L"selected pressed"})
    glyphs.push_back(static_cast<HBITMAP>(GetSkinPropertyData(radio, L"radiobuttonex", state, L"image")));
  return glyphs;
}

TEST_F(BuiltInSkins, StoredImagesAreSharedAndOutliveTheSkins) {
  HANDLE first = AsHandle(BuiltInSkin(L"office2007xbarskin"));
  HANDLE border = GetSkinPropertyData(first, L"explorerbar:grey", L"normal", L"border image");
  EXPECT_EQ(StoredSkinImageBitmap(StoredSkinImage::SetCPanelBorder), border);
  FreeSkin(first);
  EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(border))) << "FreeSkin leaves the stored images alone";
  HANDLE second = AsHandle(BuiltInSkin(L"office2007xbarskin"));
  EXPECT_EQ(border, GetSkinPropertyData(second, L"explorerbar:grey", L"normal", L"border image"));
  EXPECT_EQ(1, StoredSkinImageDecodeCount());
}

TEST_F(BuiltInSkins, DrawnImagesAreOneBitmapPerBuildReleasedByTheLastSkinHoldingThem) {
  HANDLE splitter = AsHandle(BuiltInSkin(L"office2007splitterskin"));
  HANDLE grip = GetSkinPropertyData(splitter, L"splitterex", L"normal", L"gripper background image");
  ASSERT_TRUE(grip);
  EXPECT_EQ(grip, GetSkinPropertyData(splitter, L"splitterex:grey", L"pressed vertical", L"gripper background image"))
      << "one image serves every property that names it";

  HANDLE radio = AsHandle(BuiltInSkin(L"sysradiobuttonskin"));
  const auto glyphs = GlyphsOf(radio);
  HANDLE copy = CopySkin(radio);
  ASSERT_TRUE(copy);
  FreeSkin(radio);
  for (HBITMAP glyph : glyphs) EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(glyph))) << "the copy holds it";
  FreeSkin(copy);
  for (HBITMAP glyph : glyphs) EXPECT_EQ(0, static_cast<int>(GetObjectType(glyph))) << "the last holder released it";
  FreeSkin(splitter);
  EXPECT_EQ(0, static_cast<int>(GetObjectType(grip)));
}

TEST_F(BuiltInSkins, TwoHundredBuildAndFreeRoundsLeakNothing) {
  // The glyph-heavy skins, each with one of its drawn images.
  struct Heavy {
    const wchar_t *key, *component, *state, *property;
  } heavy[] = {
      {L"sysradiobuttonskin", L"radiobuttonex", L"hot", L"image"},
      {L"syscheckbuttonskin", L"checkbuttonex", L"inbetween", L"image"},
      {L"sysxbarskin", L"explorerbar group header", L"hot", L"background image"},
      {L"syssplitter2skin", L"splitterex", L"hot", L"gripper border image"},
      {L"office2007splitterskin", L"splitterex:blue", L"hot", L"gripper background image"},
  };
  auto round = [&] {
    for (const auto& h : heavy) {
      HANDLE skin = AsHandle(BuiltInSkin(h.key));
      ASSERT_TRUE(skin);
      HANDLE drawn = GetSkinPropertyData(skin, h.component, h.state, h.property);
      ASSERT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(drawn)));
      ASSERT_EQ(1, FreeSkin(skin));
      ASSERT_EQ(0, static_cast<int>(GetObjectType(drawn))) << "gone with its skin";
    }
  };
  for (int i = 0; i < 20; ++i) round();
  const size_t settled = test::ProcessMemoryBytes();
  for (int i = 0; i < 180; ++i) round();
  const size_t after = test::ProcessMemoryBytes();
  EXPECT_LT(after, settled + 2 * 1024 * 1024) << "memory stays flat: " << settled << " -> " << after;
  for (int i = 0; i < static_cast<int>(StoredSkinImage::Count); ++i)
    EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(StoredSkinImageBitmap(static_cast<StoredSkinImage>(i)))));
}

TEST_F(BuiltInSkins, TheAccessorAnswersTheLiveSkinOfThatName) {
  // An application's skin of a built-in name, made first, is the one controls get.
  HANDLE own = CreateSkin(L"SysButtonSkin");
  const size_t before = SkinList().Size();
  EXPECT_EQ(own, AsHandle(BuiltInSkin(L"sysbuttonskin")));
  EXPECT_EQ(before, SkinList().Size()) << "nothing is built beside it";
  FreeSkin(own);

  // A built skin freed: the accessor builds again, never handing out the old one;
  // where another skin of the name lives on, that one serves.
  HANDLE built = AsHandle(BuiltInSkin(L"sysbuttonskin"));
  HANDLE later = CreateSkin(L"sysButtonSkin");
  FreeSkin(built);
  EXPECT_EQ(later, AsHandle(BuiltInSkin(L"sysbuttonskin")));
  FreeSkin(later);
  for (int i = 0; i < 20; ++i) {
    HANDLE skin = AsHandle(BuiltInSkin(L"sysbuttonskin"));
    ASSERT_EQ(1, IsSkin(skin));
    EXPECT_EQ(35u, PropertyCount(skin));
    FreeSkin(skin);
    EXPECT_EQ(0, IsSkin(skin));
  }
}

}  // namespace
}  // namespace kelvra
