// ColourFromString over every notation, with look-ups a test can predict, and the
// single-colour test that GetSkinProperty and GetSkinPropertyColour share.
#include <gtest/gtest.h>

#include <string>

#include "skin/values/colour_string.h"
#include "skin/values/skin_value_readers.h"
#include "tests/skin/values/fake_colour_lookups.h"

namespace {

using kelvra::ColourFromString;
using kelvra::kNoColour;
using kelvra::test::FakeColourLookups;
using kelvra::test::FakeUIColour;

struct ColourCase {
  const wchar_t* text;
  uint32_t expected;
};

const ColourCase kColourCases[] = {
    // rgba: ARGB, alpha a fraction when it holds a ".", else 0-255; 0 or none is 1.
    {L"rgba(255,0,0,0.5)", 0x80FF0000},
    {L"rgba(0,0,0,0)", 0x01000000},
    {L"rgba(10,20,30,1.0)", 0xFF0A141E},
    {L"rgba(10,20,30,0)", 0x010A141E},
    {L"rgba(10,20,30)", 0x010A141E},
    {L"RGBA( 10 , 20 , 30 , 128 );", 0x800A141E},
    // Opaque white would pack to -1, "no colour": it reads as RGB white instead.
    {L"rgba(255,255,255,1.0)", 0x00FFFFFF},
    {L"rgba(255,255,255,255)", 0x00FFFFFF},
    // rgb: Win32 order, red in the low byte; fields that are not numbers read 0.
    {L"rgb(191,219,255)", 0x00FFDBBF},
    {L"rgb(1,2,3);", 0x00030201},
    {L"rgb(a,b,c)", 0},
    {L"rgb 1,2,3)", 0x00030201},  // a ")" without any "(" is enough
    {L"rgb)1,2,3(", static_cast<uint32_t>(kNoColour)},  // ")" before "(": not rgb
    // getuicolour: style, UI colour name, mode; unknown words read 0.
    {L"getuicolour(UISTYLE_OFFICE2007, menuhotborder, UICOLOURMODE_CUSTOM_BLUE)",
     static_cast<uint32_t>(FakeUIColour(0x2000000, 8, 6))},
    {L"getuicolour(uistyle_whidbey, nonsense, bogus);", static_cast<uint32_t>(FakeUIColour(5, 0, 0))},
    {L"getuicolour( #uistyle_office2003 , #toolbarseparatorshadow , #uicolourmode_default_grey )",
     static_cast<uint32_t>(FakeUIColour(0x1000000, 55, 4))},
    {L"getuicolour(other, menuhotborder, uicolourmode_custom)", static_cast<uint32_t>(FakeUIColour(0, 8, 5))},
    // "#": exactly six hexadecimal digits, RRGGBB turned into Win32 order.
    {L"#15428b", 0x008B4215},
    {L"#FF0000", 0x000000FF},
    {L"#ff0000;", 0x000000FF},
    {L"#FFF", static_cast<uint32_t>(kNoColour)},
    {L"#ff00001", static_cast<uint32_t>(kNoColour)},
    {L"#ff000", static_cast<uint32_t>(kNoColour)},
    {L"# ffffff", static_cast<uint32_t>(kNoColour)},
    {L"#ffgg00", static_cast<uint32_t>(kNoColour)},
    {L"white #ffffff0", static_cast<uint32_t>(kNoColour)},  // a bad "#" ends the search
    // System colour names, case-blind, with a ";".
    {L"COLOR_BTNFACE;", 0x100 + 15},
    {L"color_btnface", 0x100 + 15},
    {L"  COLOR_WINDOWTEXT  ", 0x100 + 8},
    {L"COLOR_SCROLLBAR", 0x100 + 0},
    {L"COLOR_BTNHILIGHT", 0x100 + 20},
    {L"COLOR_NOSUCH", static_cast<uint32_t>(kNoColour)},
    // Colour names: 0xRRGGBB turned into Win32 order.
    {L"white;", 0x00FFFFFF},
    {L"Navy", 0x00800000},
    {L" red ", 0x000000FF},
    // A blank before the ";" (as hand-written skin files have it) hides nothing.
    {L"navy ;", 0x00800000},
    {L" COLOR_BTNFACE ; ", 0x100 + 15},
    // Not colours.
    {L"255,0,0", static_cast<uint32_t>(kNoColour)},
    {L"", static_cast<uint32_t>(kNoColour)},
    {L"vertical", static_cast<uint32_t>(kNoColour)},
    {L"8;", static_cast<uint32_t>(kNoColour)},
};

TEST(ColourString, EveryNotation) {
  const FakeColourLookups lookups;
  for (const auto& c : kColourCases) {
    SCOPED_TRACE(testing::Message() << "text: " << testing::PrintToString(std::wstring(c.text)));
    EXPECT_EQ(static_cast<uint32_t>(ColourFromString(c.text, lookups)), c.expected);
  }
}

TEST(ColourString, SystemColourNamesCoverTheTable) {
  struct {
    const wchar_t* name;
    int32_t index;
  } const names[] = {{L"COLOR_3DDKSHADOW", 21}, {L"COLOR_3DFACE", 15}, {L"COLOR_DESKTOP", 1},
                     {L"COLOR_GRADIENTINACTIVECAPTION", 28}, {L"COLOR_MENUBAR", 30}, {L"COLOR_WINDOWFRAME", 6},
                     {L"COLOR_HOTLIGHT", 26}, {L"COLOR_INFOBK", 24}, {L"color_", -1}, {L"COLOR", -1}};
  for (const auto& n : names) EXPECT_EQ(kelvra::SystemColourIndexOfName(n.name), n.index) << n.index;
}

struct SingleCase {
  const wchar_t* value;
  uint32_t colour;   // SkinPropertyColour
  const wchar_t* text;  // SkinPropertyText
};

TEST(ColourString, WholeValueAsOneColour) {
  const FakeColourLookups lookups;
  const std::wstring ui = std::to_wstring(FakeUIColour(0x2000000, 8, 0));
  const SingleCase cases[] = {
      {L"#ff0000", 0x000000FF, L"255"},
      {L"rgb(1,2,3);", 0x00030201, L"197121"},
      {L"rgba(255,0,0,0.5);", 0x80FF0000, L"-2130771968"},
      {L"white;", 0x00FFFFFF, L"16777215"},
      {L"COLOR_BTNFACE;", 0x100 + 15, L"271"},
      // A whole getuicolour value is one colour, as it is inside a param.
      {L"getuicolour(uistyle_office2007, menuhotborder, uicolourmode_default);",
       static_cast<uint32_t>(FakeUIColour(0x2000000, 8, 0)), ui.c_str()},
      {L"255,0,0", static_cast<uint32_t>(kNoColour), L"255,0,0"},
      {L"#ff0000; #00ff00;", static_cast<uint32_t>(kNoColour), L"#ff0000; #00ff00;"},
      {L"gradient: vertical, #ff0000, #0000ff;", static_cast<uint32_t>(kNoColour),
       L"gradient: vertical, #ff0000, #0000ff;"},
      {L"colour: red", static_cast<uint32_t>(kNoColour), L"colour: red"},
      {L"8;", static_cast<uint32_t>(kNoColour), L"8;"},
      {L"hand;", static_cast<uint32_t>(kNoColour), L"hand;"},
      {L"rgb(1,2,3), rgb(4,5,6)", static_cast<uint32_t>(kNoColour), L"rgb(1,2,3), rgb(4,5,6)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "value: " << testing::PrintToString(std::wstring(c.value)));
    EXPECT_EQ(static_cast<uint32_t>(kelvra::SkinPropertyColour(c.value, lookups)), c.colour);
    EXPECT_EQ(kelvra::SkinPropertyText(c.value, lookups), c.text);
  }
}

}  // namespace
