// The property-value grammar: number readers, params, sub-param counting and
// items, and the param and sub-param readings with colours as decimal text.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "skin/values/skin_number_reader.h"
#include "skin/values/skin_text.h"
#include "skin/values/skin_value_grammar.h"
#include "skin/values/skin_value_readers.h"
#include "tests/skin/values/fake_colour_lookups.h"

namespace {

using kelvra::test::FakeColourLookups;

TEST(SkinNumberReader, Integers) {
  struct {
    const wchar_t* text;
    uint32_t expected;
  } const cases[] = {
      {L"", 0},          {L"42", 42},        {L"  42abc", 42},     {L"-17", static_cast<uint32_t>(-17)},
      {L"+5", 5},        {L"$ff", 255},      {L"$FF;", 255},       {L"-$10", static_cast<uint32_t>(-16)},
      {L"%101", 5},      {L"50%", 50},       {L"%2", 0},           {L"abc", 0},
      {L"1.9", 1},       {L" - 3", 0},       {L"$", 0},            {L"\t7", 7},
      // 32-bit wrap: the decimal text of any colour, signed or not, reads back as
      // the same bits.
      {L"4294967295", 0xFFFFFFFF}, {L"4294967296", 0}, {L"-2130771968", 0x80FF0000}, {L"2164195328", 0x80FF0000},
      {L"$80FF0000", 0x80FF0000},  {L"99999999999999999999", 0x630FFFFF},
  };
  for (const auto& c : cases)
    EXPECT_EQ(static_cast<uint32_t>(kelvra::ReadSkinInteger(c.text)), c.expected)
        << testing::PrintToString(std::wstring(c.text));
}

TEST(SkinNumberReader, Fractions) {
  struct {
    const wchar_t* text;
    float expected;
  } const cases[] = {
      {L"0.5", 0.5f}, {L" .25", 0.25f}, {L"-1.5e1", -15.0f}, {L"+2", 2.0f}, {L"1,5", 1.0f},
      {L"0,5", 0.0f}, {L"5.", 5.0f},    {L"abc", 0.0f},      {L"", 0.0f},   {L"1e", 1.0f},
      {L".", 0.0f},   {L"1e99", 0.0f},  {L"0.75;", 0.75f},
      // Digits past what a double holds change nothing, however many there are.
      {L"0.25000000000000000000000000000000000000000000000000000000000000000000000", 0.25f},
      {L"0.333333333333333333333333333333333333333333333333333333333333333333e1", 10.0f / 3.0f},
      {L"1000000000000000000000000000000000000000000000000000000000000000000000", 0.0f},
  };
  for (const auto& c : cases)
    EXPECT_EQ(kelvra::ReadSkinFloat(c.text), c.expected) << testing::PrintToString(std::wstring(c.text));
}

// A gradient stop at "0.5" must stay at 0.5 when the program runs with a C locale
// whose decimal separator is a comma.
TEST(SkinNumberReader, FractionsIgnoreTheCLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const char* const commaLocales[] = {"German_Germany.1252", "German", "de-DE", "de_DE.UTF-8", "de_DE"};
  bool commaLocale = false;
  for (const char* name : commaLocales)
    if (std::setlocale(LC_NUMERIC, name) && std::strtod("0,5", nullptr) == 0.5) {
      commaLocale = true;
      break;
    }
  EXPECT_EQ(kelvra::ReadSkinFloat(L"0.5"), 0.5f);
  EXPECT_EQ(kelvra::ReadSkinFloat(L"0,5"), 0.0f);
  EXPECT_EQ(kelvra::ReadSkinDouble(L"-2.25e-1"), -0.225);
  std::setlocale(LC_NUMERIC, saved.c_str());
  if (!commaLocale) GTEST_SKIP() << "no comma-decimal C locale here; checked under the default one";
}

std::vector<std::pair<std::wstring, std::wstring>> Params(const wchar_t* value) {
  std::vector<kelvra::SkinValueParam> params;
  kelvra::SplitSkinValueParams(value, params);
  std::vector<std::pair<std::wstring, std::wstring>> out;
  for (const auto& p : params) out.emplace_back(p.name, p.value);
  return out;
}

TEST(SkinValueGrammar, SplitsParams) {
  using P = std::vector<std::pair<std::wstring, std::wstring>>;
  EXPECT_EQ(Params(L"hand;"), (P{{L"hand", L"true"}}));
  EXPECT_EQ(Params(L"url: a:b"), (P{{L"url", L"a"}}));
  EXPECT_EQ(Params(L" x : 50% ; y: 50%;"), (P{{L"x", L"50%"}, {L"y", L"50%"}}));
  EXPECT_EQ(Params(L"bold; italic"), (P{{L"bold", L"true"}, {L"italic", L"true"}}));
  EXPECT_EQ(Params(L"a: 1;; b: 2"), (P{{L"a", L"1"}}));  // two ";" in a row end the list
  EXPECT_EQ(Params(L": x; a:"), (P{{L"a", L"true"}}));    // empty names are skipped
  EXPECT_EQ(Params(L"; a: 1"), P{});
  EXPECT_EQ(Params(L""), P{});
  EXPECT_EQ(kelvra::FirstSkinValueField(L" border.png ; width: 16"), L"border.png");
  EXPECT_EQ(kelvra::FirstSkinValueField(L" ; images\\a.ico"), L"; images\\a.ico");
}

TEST(SkinValueGrammar, CountsSubParams) {
  struct {
    const wchar_t* paramValue;
    int32_t count;
  } const cases[] = {
      {L"", 0},
      {L"vertical, #ff0000, #0000ff", 3},
      {L"a,,b", 1},
      {L"a, b,", 2},
      {L" , a", 2},  // a blank is content
      // Only the first span of each kind is masked (every copy of its text).
      {L"rgb(1,2,3), rgb(4,5,6)", 4},
      {L"vertical, rgb(191,219,255), rgb(101,145,205)", 5},
      {L"(a,b), (a,b)", 2},
      {L"'a,b', \"c,d\"", 2},
      {L"{a,b}, c", 2},
      {L"rgb(1,2", 2},  // no ")": nothing masked
  };
  for (const auto& c : cases)
    EXPECT_EQ(kelvra::CountSkinSubParams(c.paramValue), c.count) << testing::PrintToString(std::wstring(c.paramValue));
}

TEST(SkinValueGrammar, FindsSubParamItems) {
  struct {
    const wchar_t* paramValue;
    int32_t index;
    std::optional<std::wstring> item;
  } const cases[] = {
      {L"vertical, rgb(191,219,255), rgb(101,145,205)", 1, L"vertical"},
      {L"vertical, rgb(191,219,255), rgb(101,145,205)", 2, L"rgb(191,219,255)"},
      {L"vertical, rgb(191,219,255), rgb(101,145,205)", 3, L"rgb(101,145,205)"},
      {L"vertical, rgb(191,219,255), rgb(101,145,205)", 4, std::nullopt},
      {L"vertical", 0, std::nullopt},
      {L"vertical", -1, std::nullopt},
      {L"'a,b', \"c,d\"", 1, L"'a,b'"},
      {L"'a,b', \"c,d\"", 2, L"\"c,d\""},
      {L"'a,b\", c", 1, L"'a,b\""},  // either quote closes either
      {L"{a,b}, c", 1, L"{a,b}"},
      {L"a,,b", 2, L""},
      {L"a,,b", 3, L"b"},
      {L"\"a(b\", c", 2, L"c"},  // a bracket inside quotes changes nothing
      {L"(a\"b), c", 2, L"c"},   // a quote inside brackets neither
      {L"\"a)b,c\", d", 2, L"c\""},  // but a closing bracket ends the skip even in quotes
      {L" x ", 1, L"x"},
  };
  for (const auto& c : cases) {
    const auto item = kelvra::SkinSubParamItem(c.paramValue, c.index);
    EXPECT_EQ(item ? std::optional<std::wstring>(std::wstring(*item)) : std::nullopt, c.item)
        << testing::PrintToString(std::wstring(c.paramValue)) << " #" << c.index;
    // Cutting every item in one scan finds the same items.
    const auto items = kelvra::SkinSubParamItems(c.paramValue);
    const bool inRange = c.index >= 1 && static_cast<std::size_t>(c.index) <= items.size();
    EXPECT_EQ(inRange ? std::optional<std::wstring>(std::wstring(items[c.index - 1])) : std::nullopt, c.item)
        << testing::PrintToString(std::wstring(c.paramValue)) << " #" << c.index << " of all";
  }
  EXPECT_EQ(kelvra::SkinSubParamItems(L"").size(), 1u);
  EXPECT_EQ(kelvra::SkinSubParamItems(L"a,").size(), 2u);
  EXPECT_EQ(kelvra::SkinSubParamItems(L"rgb(1,2,3), rgb(4,5,6)").size(), 2u);
}

TEST(SkinText, ReplaceAllTextReplacesLeftToRightWithoutOverlap) {
  struct {
    const wchar_t* text;
    const wchar_t* what;
    const wchar_t* with;
    const wchar_t* expected;
  } const cases[] = {
      {L"rgb(1,2,3)", L"rgb", L"", L"(1,2,3)"},
      {L"(a),(a),(b)", L"(a)", L"#", L"#,#,(b)"},
      {L"aaa", L"aa", L"#", L"#a"},
      {L"rrgbgb", L"rgb", L"", L"rgb"},  // what erasing leaves behind is not looked at again
      {L"abc", L"x", L"#", L"abc"},
      {L"abc", L"", L"#", L"abc"},
      {L"", L"a", L"#", L""},
  };
  for (const auto& c : cases) {
    std::wstring text = c.text;
    kelvra::ReplaceAllText(text, c.what, c.with);
    EXPECT_EQ(text, c.expected) << testing::PrintToString(std::wstring(c.text));
  }
}

TEST(SkinValueReaders, ParamText) {
  const FakeColourLookups lookups;
  struct {
    const wchar_t* value;
    const wchar_t* param;
    const wchar_t* expected;
  } const cases[] = {
      {L"hand;", L"", L"hand"},
      {L"hand;", L"cursor", L""},
      {L"8;", L"", L"8"},
      {L" ; 8", L"", L""},
      {L"font: segoe ui, 8, bold; colour: #15428b;", L"colour", L"9126421"},
      {L"font: segoe ui, 8, bold; colour: #15428b;", L"FONT", L"segoe ui, 8, bold"},
      {L"bold; italic", L"italic", L"true"},
      {L"x: 50%; y: 50%;", L"y", L"50%"},
      {L"colour: rgb(1,2,3)", L"colour", L"197121"},
      {L"background: red, navy", L"background", L"red, navy"},  // two sub-params: no colour
      {L"; ;x: 1;", L"x", L"x: 1"},  // no params at all: the value, trimmed
      {L"a: 1; a: 2", L"a", L"1"},   // the first wins
  };
  for (const auto& c : cases)
    EXPECT_EQ(kelvra::LookupSkinPropertyParam(c.value, c.param, lookups), c.expected)
        << testing::PrintToString(std::wstring(c.value)) << " / " << testing::PrintToString(std::wstring(c.param));
}

TEST(SkinValueReaders, SubParamsWithColours) {
  const FakeColourLookups lookups;
  const wchar_t* gradient = L"gradient: vertical, rgb(191,219,255), rgb(101,145,205);";
  EXPECT_EQ(kelvra::SkinSubParamCount(gradient, L"gradient"), 5);
  EXPECT_EQ(kelvra::SkinSubParamCount(gradient, L""), 0);
  EXPECT_EQ(kelvra::SkinSubParamCount(gradient, L"font"), 0);
  EXPECT_EQ(kelvra::LookupSkinPropertySubParam(gradient, L"gradient", 1, lookups), L"vertical");
  EXPECT_EQ(kelvra::LookupSkinPropertySubParam(gradient, L"gradient", 2, lookups), std::to_wstring(0xFFDBBF));
  EXPECT_EQ(kelvra::LookupSkinPropertySubParam(gradient, L"gradient", 3, lookups),
            std::to_wstring(101 + 145 * 256 + 205 * 65536));
  EXPECT_EQ(kelvra::LookupSkinPropertySubParam(gradient, L"gradient", 4, lookups), L"");
  EXPECT_EQ(kelvra::LookupSkinPropertySubParam(gradient, L"", 1, lookups), L"");
  EXPECT_EQ(kelvra::SkinSubParamColour(gradient, L"gradient", 2, lookups), 0xFFDBBF);
  EXPECT_EQ(kelvra::SkinSubParamColour(gradient, L"gradient", 1, lookups), kelvra::kNoColour);
  EXPECT_EQ(kelvra::SkinSubParamColour(gradient, L"gradient", 9, lookups), kelvra::kNoColour);

  // An ARGB colour with alpha 128 or more reads as negative text; read back as an
  // integer it is the same 32 bits.
  const std::wstring argb = kelvra::LookupSkinPropertySubParam(L"c: rgba(255,0,0,0.5), x", L"c", 1, lookups);
  EXPECT_EQ(argb, L"-2130771968");
  EXPECT_EQ(static_cast<uint32_t>(kelvra::ReadSkinInteger(argb)), 0x80FF0000u);
  EXPECT_EQ(kelvra::LookupSkinPropertySubParam(L"bold; italic", L"bold", 1, lookups), L"true");
}

}  // namespace
