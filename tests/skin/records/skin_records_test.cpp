// Skin records and the property tree through the exports: stored names, skin
// names, the themed look-up, the list's current element, copies and merges.
#include <gtest/gtest.h>

#include <string>

#include "kelvra.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/records/skin_list.h"
#include "skin/records/skin_tree.h"

namespace {

using kelvra::FindSkin;
using kelvra::SkinRecord;

// A skin freed when the test ends, whatever happens.
class ScopedSkin {
 public:
  explicit ScopedSkin(const wchar_t* name) : skin_(CreateSkin(name)) {}
  explicit ScopedSkin(HANDLE skin) : skin_(skin) {}
  ~ScopedSkin() { FreeSkin(skin_); }
  ScopedSkin(const ScopedSkin&) = delete;
  ScopedSkin& operator=(const ScopedSkin&) = delete;
  operator HANDLE() const { return skin_; }

 private:
  HANDLE skin_;
};

// The theme word for one test, put back afterwards.
class ScopedThemeWord {
 public:
  explicit ScopedThemeWord(const wchar_t* word) : saved_(kelvra::GlobalSkinColourTheme()) {
    kelvra::StoreGlobalSkinColourTheme(word);
  }
  ~ScopedThemeWord() { kelvra::StoreGlobalSkinColourTheme(saved_); }

 private:
  std::wstring saved_;
};

std::wstring Names(const SkinRecord& skin) {
  std::wstring out;
  for (const auto& component : skin.components)
    for (const auto& state : component->states)
      for (const auto& property : state->properties)
        out += component->name + L"/" + state->name + L"/" + property->name + L"=" + property->value + L"\n";
  return out;
}

TEST(SkinRecords, SettersStoreLowerCaseAndReadersFoldCase) {
  ScopedSkin skin(L"Records");
  ASSERT_TRUE(skin);
  EXPECT_EQ(SetSkinProperty(skin, L"ButtonEx", L"Hot", L"Background", L"#FF0000"), 1);
  EXPECT_EQ(SetSkinProperty(skin, L"ExplorerBar : Blue", L"Normal", L"Text", L"Font: Tahoma, 8"), 1);
  EXPECT_EQ(SetSkinProperty(skin, L"a:b:c", L"s", L"p", L"v"), 1);
  EXPECT_EQ(Names(*FindSkin(skin)),
            L"buttonex/hot/background=#ff0000\n"
            L"explorerbar:blue/normal/text=font: tahoma, 8\n"
            L"a:b/s/p=v\n");
  EXPECT_STREQ(GetSkinProperty(skin, L"BUTTONEX", L"HOT", L"BACKGROUND"), L"255");
  EXPECT_STREQ(GetSkinProperty(skin, L"explorerbar:BLUE", L"normal", L"text"), L"font: tahoma, 8");
  // Setting again replaces the value in place; nothing is added twice.
  EXPECT_EQ(SetSkinProperty(skin, L"buttonex", L"HOT", L"background", L"8;"), 1);
  EXPECT_STREQ(GetSkinProperty(skin, L"buttonex", L"hot", L"background"), L"8;");
  EXPECT_EQ(FindSkin(skin)->components.Size(), 3u);
}

TEST(SkinRecords, APaddedComponentIsStoredAsReadersLookItUp) {
  ScopedSkin skin(L"Padded");
  SetSkinAutoUpdate(skin, 0);
  EXPECT_EQ(SetSkinProperty(skin, L" ButtonEx\t", L"normal", L"background", L"8;"), 1);
  EXPECT_EQ(SetSkinPropertyData(skin, L"  buttonex ", L"normal", L"image", reinterpret_cast<HANDLE>(7)), 1);
  EXPECT_EQ(SetSkinPropertyDataSize(skin, L"buttonex  ", L"normal", L"image", 16), 1);
  EXPECT_EQ(Names(*FindSkin(skin)), L"buttonex/normal/background=8;\nbuttonex/normal/image=\n");
  // Set and read with the same padded name, or without the blanks: one property.
  EXPECT_STREQ(GetSkinProperty(skin, L" ButtonEx\t", L"normal", L"background"), L"8;");
  EXPECT_STREQ(GetSkinProperty(skin, L"buttonex", L"normal", L"background"), L"8;");
  EXPECT_EQ(GetSkinPropertyData(skin, L" buttonex", L"normal", L"image"), reinterpret_cast<HANDLE>(7));
  EXPECT_EQ(GetSkinPropertyDataSize(skin, L"buttonex", L"normal", L"image"), 16);
}

TEST(SkinRecords, NullAndMissingNamesReadEmpty) {
  ScopedSkin skin(L"Nulls");
  EXPECT_EQ(SetSkinProperty(skin, nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_STREQ(GetSkinProperty(skin, L"", L"", L""), L"");
  EXPECT_EQ(SetSkinProperty(skin, nullptr, L"s", L"p", L"x"), 1);
  EXPECT_STREQ(GetSkinProperty(skin, nullptr, L"s", L"p"), L"x");
  // Readers never create what they miss.
  const std::size_t components = FindSkin(skin)->components.Size();
  EXPECT_STREQ(GetSkinProperty(skin, L"nothing", L"s", L"p"), L"");
  EXPECT_STREQ(GetSkinPropertyParam(skin, L"", L"nothing", L"p", L""), L"");
  EXPECT_EQ(GetSkinPropertyData(skin, L"", L"s", L"nothing"), nullptr);
  EXPECT_EQ(FindSkin(skin)->components.Size(), components);
  // Data setters create the property with an empty value.
  EXPECT_EQ(SetSkinPropertyDataSize(skin, L"New", L"State", L"Prop", 12), 1);
  EXPECT_EQ(GetSkinPropertyDataSize(skin, L"new", L"state", L"prop"), 12);
  EXPECT_STREQ(GetSkinProperty(skin, L"new", L"state", L"prop"), L"");
}

TEST(SkinRecords, NamesKeepTheirCaseAndTheFirstOfANameIsFound) {
  ScopedSkin first(L"MySkin");
  ScopedSkin second(L"MySkin");
  ASSERT_TRUE(first && second);
  EXPECT_NE(static_cast<HANDLE>(first), static_cast<HANDLE>(second));
  EXPECT_EQ(GetSkinHandle(L"myskin"), static_cast<HANDLE>(first));
  EXPECT_EQ(GetSkinHandle(L"MYSKIN"), static_cast<HANDLE>(first));
  EXPECT_STREQ(GetSkinName(second), L"MySkin");
  EXPECT_EQ(GetSkinHandle(L"noskin"), nullptr);
  EXPECT_EQ(GetSkinHandle(nullptr), nullptr);

  HANDLE third = CreateSkin(L"myskin");
  EXPECT_EQ(FreeSkin(first), 1);
  EXPECT_EQ(GetSkinHandle(L"MySkin"), static_cast<HANDLE>(second));
  EXPECT_EQ(FreeSkin(second), 1);
  EXPECT_EQ(GetSkinHandle(L"MySkin"), third);
  FreeSkin(third);
  EXPECT_EQ(GetSkinHandle(L"MySkin"), nullptr);
}

TEST(SkinRecords, ThemedLookUp) {
  ScopedSkin skin(L"Themed");
  SetSkinAutoUpdate(skin, 0);
  SetSkinProperty(skin, L"splitterex", L"normal", L"background", L"bare background");
  SetSkinProperty(skin, L"splitterex", L"normal", L"border", L"bare border");
  SetSkinProperty(skin, L"splitterex:blue", L"normal", L"background", L"blue background");
  SetSkinProperty(skin, L"splitterex:black", L"normal", L"border", L"black border");
  SetSkinProperty(skin, L"explorerbar", L"normal", L"x", L"bare x");
  SetSkinProperty(skin, L"explorerbar:silver", L"normal", L"y", L"silver y");

  struct {
    const wchar_t* theme;
    const wchar_t* component;
    const wchar_t* property;
    const wchar_t* expected;
  } const cases[] = {
      {L" Blue ", L"splitterex", L"background", L"blue background"},
      {L"blue", L"splitterex", L"border", L"bare border"},
      {L"black", L"splitterex", L"background", L"bare background"},
      {L"black", L"splitterex", L"border", L"black border"},
      {L"", L"splitterex", L"background", L"blue background"},  // the default word under Wine: blue
      {L"blue", L"SplitterEx : Black", L"border", L"black border"},  // a named theme beats the word
      {L"black", L"splitterex:blue", L"background", L"blue background"},
      {L"blue", L"explorerbar:silver", L"x", L"bare x"},  // the named theme lacks it: bare
      {L"blue", L"explorerbar:silver", L"y", L"silver y"},
      {L"silver", L"explorerbar", L"y", L"silver y"},
      {L"blue", L" splitterex ", L"background", L"blue background"},
      {L"blue", L"splitterex:grey", L"nothing", L""},
  };
  for (const auto& c : cases) {
    ScopedThemeWord word(c.theme);
    EXPECT_STREQ(GetSkinProperty(skin, c.component, L"normal", c.property), c.expected)
        << "theme " << testing::PrintToString(std::wstring(c.theme)) << ", "
        << testing::PrintToString(std::wstring(c.component));
  }
  EXPECT_EQ(kelvra::DefaultGlobalSkinColourTheme(), L"blue");

  // The component a read settles on, as the internal look-up names it.
  const SkinRecord& record = *FindSkin(skin);
  EXPECT_EQ(kelvra::ResolveThemedComponent(record, L"splitterex", L"normal", L"background", L"blue").component,
            L"splitterex:blue");
  EXPECT_EQ(kelvra::ResolveThemedComponent(record, L"splitterex", L"normal", L"border", L"blue").component,
            L"splitterex");
  const auto fallback = kelvra::ResolveThemedComponent(record, L"explorerbar : silver", L"normal", L"x", L"blue");
  EXPECT_EQ(fallback.component, L"explorerbar");
  EXPECT_EQ(fallback.property, kelvra::SelectSkinProperty(record, L"explorerbar", L"normal", L"x"));
  EXPECT_EQ(kelvra::ResolveThemedComponent(record, L"splitterex", L"normal", L"nothing", L"blue").property, nullptr);
}

TEST(SkinRecords, ReadersAndSettersKeepTheListsCurrentElement) {
  ScopedSkin a(L"A"), b(L"B"), c(L"C");
  auto& list = kelvra::SkinList();
  list.SetCurrent(FindSkin(b));
  SetSkinAutoUpdate(a, 0);
  SetSkinProperty(a, L"x", L"y", L"z", L"gradient: #ff0000, #00ff00");
  GetSkinProperty(c, L"x", L"y", L"z");
  GetSkinPropertyParam(a, L"x", L"y", L"z", L"gradient");
  GetSkinPropertySubParam(a, L"x", L"y", L"z", L"gradient", 1);
  GetSkinPropertyColour(a, L"x", L"y", L"z");
  SetSkinPropertyData(a, L"x", L"y", L"q", nullptr);
  GetSkinHandle(L"c");
  UpdateSkins(a);
  MergeSkins(a, c, L"Merged");
  EXPECT_EQ(list.Current(), FindSkin(b));
  FreeSkin(GetSkinHandle(L"Merged"));
}

TEST(SkinRecords, AutoUpdateFlag) {
  ScopedSkin skin(L"Flag");
  EXPECT_EQ(GetSkinAutoUpdate(skin), 1);
  EXPECT_EQ(SetSkinAutoUpdate(skin, 2), 1);
  EXPECT_EQ(GetSkinAutoUpdate(skin), 1);
  EXPECT_EQ(SetSkinAutoUpdate(skin, 0), 1);
  EXPECT_EQ(GetSkinAutoUpdate(skin), 0);
  EXPECT_EQ(SetSkinAutoUpdate(skin, 255), 1);
  EXPECT_EQ(GetSkinAutoUpdate(skin), 0);
  EXPECT_EQ(SetSkinAutoUpdate(skin, 1), 1);
  EXPECT_EQ(GetSkinAutoUpdate(skin), 1);
}

TEST(SkinRecords, CopiesAreWholeAndIndependent) {
  ScopedSkin source(L"Source");
  SetSkinAutoUpdate(source, 0);
  SetSkinProperty(source, L"buttonex", L"normal", L"text", L"colour: navy;");
  SetSkinProperty(source, L"buttonex:blue", L"hot", L"background", L"gradient: #ff0000, #0000ff");
  ScopedSkin copy(CopySkin(source));
  ASSERT_TRUE(copy);
  EXPECT_STREQ(GetSkinName(copy), L"Source");
  EXPECT_EQ(GetSkinAutoUpdate(copy), 0);
  EXPECT_EQ(Names(*FindSkin(copy)), Names(*FindSkin(source)));
  EXPECT_EQ(GetSkinPropertyData(copy, L"buttonex", L"hot", L"background"),
            GetSkinPropertyData(source, L"buttonex", L"hot", L"background"));
  EXPECT_EQ(GetSkinHandle(L"source"), static_cast<HANDLE>(source));

  SetSkinProperty(copy, L"buttonex", L"normal", L"text", L"colour: red;");
  SetSkinProperty(copy, L"new", L"normal", L"text", L"x");
  EXPECT_STREQ(GetSkinPropertyParam(source, L"buttonex", L"normal", L"text", L"colour"), L"8388608");
  EXPECT_STREQ(GetSkinPropertyParam(copy, L"buttonex", L"normal", L"text", L"colour"), L"255");
  EXPECT_EQ(FindSkin(source)->components.Size(), 2u);
  EXPECT_EQ(CopySkin(nullptr), nullptr);
}

TEST(SkinRecords, MergeAddsOnlyAnEmptySkin) {
  ScopedSkin a(L"MergeA"), b(L"MergeB");
  SetSkinProperty(a, L"c", L"s", L"p", L"v");
  const std::size_t before = kelvra::SkinList().Size();
  EXPECT_EQ(MergeSkins(a, nullptr, L"Merged"), 0);
  EXPECT_EQ(MergeSkins(reinterpret_cast<HANDLE>(-1), b, L"Merged"), 0);
  EXPECT_EQ(kelvra::SkinList().Size(), before);
  EXPECT_EQ(MergeSkins(a, b, L"Merged"), 0);
  HANDLE merged = GetSkinHandle(L"merged");
  ASSERT_TRUE(merged);
  EXPECT_EQ(FindSkin(merged)->components.Size(), 0u);
  EXPECT_EQ(GetSkinAutoUpdate(merged), 1);
  FreeSkin(merged);
}

}  // namespace
