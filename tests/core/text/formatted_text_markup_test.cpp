// The markup scanner on its own: where runs end, what each code carries, and the
// texts that end in the middle of a code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/formatted_text_markup.h"

namespace {

using kelvra::markup::Code;
using kelvra::markup::ScanMarkup;
using kelvra::markup::Step;

// "run|code" pairs, one per step, for compact expectations.
std::vector<std::wstring> Describe(std::wstring_view text) {
  std::vector<std::wstring> out;
  for (const Step& step : ScanMarkup(text)) {
    std::wstring code;
    switch (step.code) {
      case Code::None: code = L"none"; break;
      case Code::Bold: code = L"b"; break;
      case Code::Underline: code = L"u"; break;
      case Code::StrikeOut: code = L"s"; break;
      case Code::Italic: code = L"i"; break;
      case Code::Normal: code = L"n"; break;
      case Code::Colour: code = L"c" + std::to_wstring(step.colour); break;
      case Code::LinkOpen: code = L"l" + std::to_wstring(step.linkNumber); break;
      case Code::LinkClose: code = L"/l[" + step.linkText + L"]"; break;
      case Code::LineBreak: code = L"|"; break;
      case Code::End: code = L"end"; break;
    }
    out.push_back(step.run + L"|" + code);
  }
  return out;
}

using V = std::vector<std::wstring>;

TEST(MarkupScan, CodesSplitTheTextIntoRuns) {
  EXPECT_EQ(Describe(L"plain"), (V{L"plain|end"}));
  EXPECT_EQ(Describe(L"a \\bbold\\b c"), (V{L"a |b", L"bold|b", L" c|end"}));
  // Code letters are compared case-blind.
  EXPECT_EQ(Describe(L"\\Ux\\S\\I\\N"), (V{L"|u", L"x|s", L"|i", L"|n", L"|end"}));
  EXPECT_EQ(Describe(L"one\\|two"), (V{L"one||", L"two|end"}));
  // A backslash before no code letter is dropped and the letter is text.
  EXPECT_EQ(Describe(L"a\\xb"), (V{L"a|none", L"xb|end"}));
  // A lone backslash at the end is dropped.
  EXPECT_EQ(Describe(L"ab\\"), (V{L"ab|none", L"|end"}));
}

TEST(MarkupScan, DoubledBackslashShowsOneAndAppliesNoCode) {
  EXPECT_EQ(Describe(L"a\\\\b"), (V{L"a\\b|end"}));
  EXPECT_EQ(Describe(L"a\\\\bc\\\\cFF0000"), (V{L"a\\bc\\cFF0000|end"}));
  // Three backslashes: one shown, then a real code.
  EXPECT_EQ(Describe(L"a\\\\\\bc"), (V{L"a\\|b", L"c|end"}));
  EXPECT_EQ(Describe(L"\\\\\\\\"), (V{L"\\\\|end"}));
}

TEST(MarkupScan, ColourCodes) {
  EXPECT_EQ(Describe(L"\\cFF0000red"), (V{L"|c255", L"red|end"}));
  EXPECT_EQ(Describe(L"\\c00ff00g"), (V{L"|c65280", L"g|end"}));
  EXPECT_EQ(Describe(L"\\C0000FFb"), (V{L"|c16711680", L"b|end"}));
  // A pair that does not parse counts as 0.
  EXPECT_EQ(Describe(L"\\cZZ10XYz"), (V{L"|c4096", L"z|end"}));
}

TEST(MarkupScan, ShortColourCodeReadsNothingPastTheEnd) {
  // The text ends after "\c12"; the characters behind it in memory are hex
  // digits that a scan past the end would pick up as green and blue.
  const std::wstring memory = L"ab\\c12FFFF";
  const std::wstring_view text(memory.data(), 6);
  EXPECT_EQ(Describe(text), (V{L"ab|c18", L"|end"}));
  EXPECT_EQ(Describe(std::wstring_view(memory.data(), 4)), (V{L"ab|c0", L"|end"}));
  EXPECT_EQ(Describe(std::wstring_view(memory.data(), 5)), (V{L"ab|c0", L"|end"}));
}

TEST(MarkupScan, Links) {
  EXPECT_EQ(Describe(L"first \\l12link\\l after"),
            (V{L"first |l12", L"link|/l[link]", L" after|end"}));
  // The link's visible text loses its codes; a colour code loses just its eight
  // characters, so the text on both sides of it stays.
  EXPECT_EQ(Describe(L"\\l3a\\bb\\cFF0000cd\\\\e\\l"),
            (V{L"|l3", L"a|b", L"b|c255", L"cd\\e|/l[abcd\\e]", L"|end"}));
  // A closing "\l" without an open link is just dropped.
  EXPECT_EQ(Describe(L"x\\ly"), (V{L"x|none", L"y|end"}));
  // An overlong number does not overflow.
  EXPECT_EQ(Describe(L"\\l99999999999x\\l").front(), L"|l2147483647");
}

TEST(MarkupScan, StripLinkCodesAndLineBreakSearch) {
  using kelvra::markup::StripLinkCodes;
  EXPECT_EQ(StripLinkCodes(L"a\\U\\Bb\\c00FF00c\\Nd"), L"abcd");
  EXPECT_EQ(StripLinkCodes(L"ab\\c12"), L"ab");  // a short code at the end
  EXPECT_EQ(StripLinkCodes(L"\\\\b"), L"\\b");
  EXPECT_TRUE(kelvra::markup::HasLineBreakCode(L"a\\|b"));
  EXPECT_FALSE(kelvra::markup::HasLineBreakCode(L"a|b\\"));
}

}  // namespace
