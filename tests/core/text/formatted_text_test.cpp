// DrawFormattedText on a 32-bit DIB: measuring against the sum of runs, line
// breaks with padding, colours, links, clipping and the texts that end mid-code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/formatted_text.h"
#include "core/library/library_globals.h"
#include "kelvra.h"
#include "panels/panels_seam.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::DrawFormattedText;
using kelvra::TextControlExLink;
using Flags = kelvra::FormattedTextFlags;

constexpr uint32_t kWhite = 0xFFFFFFFF;

class FormattedText : public testing::Test {
 protected:
  void SetUp() override {
    font_ = LoadFontEx(L"Tahoma", 12, 0);
    ASSERT_NE(font_, nullptr);
    SetTextColor(dib_.dc(), RGB(0, 0, 0));
    kelvra::Globals().settings.markupLinePadding = 0;
  }
  void TearDown() override {
    kelvra::Globals().settings.markupLinePadding = 0;
    FreeFontEx(font_);
  }

  SIZE Measure(std::wstring_view text, uint32_t flags = 0) {
    RECT rect{0, 0, 0, 0};
    DrawFormattedText(dib_.dc(), text, &rect, font_, flags | Flags::MeasureOnly);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
  }

  void Draw(std::wstring_view text, RECT rect, uint32_t flags = 0) {
    DrawFormattedText(dib_.dc(), text, &rect, font_, flags);
  }

  int CountPixels(bool (*match)(uint32_t), int fromX = 0) const {
    int count = 0;
    for (int y = 0; y < dib_.height(); ++y)
      for (int x = fromX; x < dib_.width(); ++x)
        if (match(dib_.Pixel(x, y))) ++count;
    return count;
  }
  static bool IsRed(uint32_t p) { return ((p >> 16) & 0xFF) > 180 && ((p >> 8) & 0xFF) < 80 && (p & 0xFF) < 80; }
  static bool IsInk(uint32_t p) { return (p & 0xFFFFFF) != 0xFFFFFF; }

  kelvra::test::Dib32 dib_{160, 60, kWhite};
  HFONT font_ = nullptr;
};

TEST_F(FormattedText, MeasuredWidthIsTheSumOfItsRuns) {
  const SIZE whole = Measure(L"a \\bmiddle\\b c");
  const SIZE first = Measure(L"a ");
  const SIZE bold = Measure(L"\\bmiddle\\b");
  const SIZE last = Measure(L" c");
  EXPECT_EQ(whole.cx, first.cx + bold.cx + last.cx);
  EXPECT_EQ(whole.cy, first.cy);
  EXPECT_GT(bold.cx, 0);
  // Upper-case code letters act like lower-case ones; an unknown letter is text.
  EXPECT_EQ(Measure(L"a \\Bmiddle\\B c").cx, whole.cx);
  EXPECT_EQ(Measure(L"a\\xb").cx, Measure(L"axb").cx);
}

TEST_F(FormattedText, MeasuringWritesTheExtent) {
  // With codes the extent starts at (0, 0); plain text keeps the caller's corner.
  RECT rect{5, 7, 5, 7};
  DrawFormattedText(dib_.dc(), L"a\\bb", &rect, font_, Flags::MeasureOnly);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_GT(rect.right, 0);
  RECT plain{5, 7, 5, 7};
  DrawFormattedText(dib_.dc(), L"ab", &plain, font_, Flags::MeasureOnly);
  EXPECT_EQ(plain.left, 5);
  EXPECT_EQ(plain.top, 7);
  EXPECT_GT(plain.right, 5);
  EXPECT_GT(plain.bottom, 7);
}

TEST_F(FormattedText, LineBreakAddsOneLineHeightPlusPadding) {
  const int line = Measure(L"one").cy;
  ASSERT_GT(line, 0);
  EXPECT_EQ(Measure(L"one\\|two").cy, 2 * line);
  kelvra::Globals().settings.markupLinePadding = 4;
  EXPECT_EQ(Measure(L"one\\|two").cy, 2 * line + 4);
  // Padding belongs to texts with a line break only.
  EXPECT_EQ(Measure(L"one\\btwo").cy, line);

  // The second line's link starts one line height plus the padding down.
  std::vector<TextControlExLink> links;
  RECT rect{10, 5, 150, 55};
  DrawFormattedText(dib_.dc(), L"one\\|\\l1two\\l", &rect, font_,
                    Flags::MeasureOnly | Flags::CollectLinks, &links);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].top, 5 + line + 4);
  EXPECT_EQ(links[0].left, 10);

  // "\n" stays on the line.
  const SIZE normal = Measure(L"one\\ntwo");
  EXPECT_EQ(normal.cy, line);
  EXPECT_EQ(normal.cx, Measure(L"one").cx + Measure(L"two").cx);
}

TEST_F(FormattedText, ColourCodeTurnsTextRedUnlessColoursAreOff) {
  Draw(L"ab\\cFF0000WWW", RECT{0, 0, 160, 60});
  EXPECT_GT(CountPixels(IsRed), 10);

  dib_.Fill(kWhite);
  SetTextColor(dib_.dc(), RGB(0, 0, 0));
  Draw(L"ab\\cFF0000WWW", RECT{0, 0, 160, 60}, Flags::NoColours);
  EXPECT_EQ(CountPixels(IsRed), 0);
  EXPECT_GT(CountPixels(IsInk), 10);

  // "\n" brings the base colour back.
  dib_.Fill(kWhite);
  SetTextColor(dib_.dc(), RGB(0, 0, 0));
  Draw(L"\\cFF0000\\nWWW", RECT{0, 0, 160, 60});
  EXPECT_EQ(CountPixels(IsRed), 0);
}

TEST_F(FormattedText, MeasuringLeavesTheTextColour) {
  SetTextColor(dib_.dc(), RGB(1, 2, 3));
  Measure(L"a\\cFF0000b\\c00FF00");
  EXPECT_EQ(GetTextColor(dib_.dc()), RGB(1, 2, 3));
  EXPECT_EQ(CountPixels(IsInk), 0);  // nothing drawn
}

TEST_F(FormattedText, RunsPastTheRightEdgeAreClipped) {
  Draw(L"\\cFF0000WWWWWWWWWWWW", RECT{0, 0, 20, 60});
  EXPECT_GT(CountPixels(IsRed), 0);
  EXPECT_EQ(CountPixels(IsRed, 20), 0);
}

TEST_F(FormattedText, LinksCoverTheirWholeText) {
  std::vector<TextControlExLink> links;
  RECT rect{10, 5, 150, 55};
  DrawFormattedText(dib_.dc(), L"first \\l12link\\l after", &rect, font_, Flags::CollectLinks, &links);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].number, 12);
  EXPECT_EQ(links[0].left, 10 + Measure(L"first ").cx);
  EXPECT_EQ(links[0].top, 5);
  EXPECT_EQ(links[0].right - links[0].left, Measure(L"link").cx);
  EXPECT_EQ(links[0].bottom - links[0].top, Measure(L"link").cy);

  // A colour code inside the link removes just its own characters.
  DrawFormattedText(dib_.dc(), L"\\l5ab\\cFF0000cd\\l", &rect, font_, Flags::CollectLinks, &links);
  ASSERT_EQ(links.size(), 1u);  // the list is emptied first
  EXPECT_EQ(links[0].number, 5);
  EXPECT_EQ(links[0].right - links[0].left, Measure(L"abcd").cx);

  // Without the flag nothing is collected.
  links.clear();
  DrawFormattedText(dib_.dc(), L"\\l5ab\\l", &rect, font_, 0, &links);
  EXPECT_TRUE(links.empty());
}

TEST_F(FormattedText, ShortColourCodeAtTheEnd) {
  for (std::wstring text : {L"ab\\c", L"ab\\c1", L"ab\\c12", L"ab\\c12345"}) {
    SCOPED_TRACE(testing::Message() << text.size());
    EXPECT_EQ(Measure(text).cx, Measure(L"ab").cx);
    Draw(text, RECT{0, 0, 160, 60});
  }
  EXPECT_GT(CountPixels(IsInk), 0);
}

TEST_F(FormattedText, DoubledBackslashBeforeACodeLetterShowsOneBackslash) {
  RECT rect{0, 0, 160, 60};
  EXPECT_EQ(DrawFormattedText(dib_.dc(), L"a\\\\bc", &rect, font_, Flags::CollectText), L"a\\bc");
  EXPECT_EQ(Measure(L"a\\\\bc").cx, Measure(L"a\\bc", Flags::PlainText).cx);
}

TEST_F(FormattedText, CollectingAndPlainText) {
  RECT rect{0, 0, 160, 60};
  EXPECT_EQ(DrawFormattedText(dib_.dc(), L"a\\bb\\b\\cFF0000c\\|d", &rect, font_, Flags::CollectText), L"abcd");
  EXPECT_EQ(DrawFormattedText(dib_.dc(), L"a\\bb", &rect, font_, 0), L"");
  // Plain text interprets nothing and is the one run collected.
  EXPECT_EQ(DrawFormattedText(dib_.dc(), L"a\\bb", &rect, font_, Flags::PlainText | Flags::CollectText), L"a\\bb");
  HGDIOBJ old = SelectObject(dib_.dc(), font_);
  RECT literal{0, 0, 0, 0};
  DrawTextW(dib_.dc(), L"a\\bb", -1, &literal, DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dib_.dc(), old);
  EXPECT_EQ(Measure(L"a\\bb", Flags::PlainText).cx, literal.right);
}

TEST_F(FormattedText, CallerFontStaysSelected) {
  HGDIOBJ before = GetCurrentObject(dib_.dc(), OBJ_FONT);
  Draw(L"\\ba\\ib\\uc\\sd", RECT{0, 0, 160, 60});
  EXPECT_EQ(GetCurrentObject(dib_.dc(), OBJ_FONT), before);
  // Font 0: the DC's own font is used and stays selected.
  HGDIOBJ old = SelectObject(dib_.dc(), font_);
  RECT rect{0, 0, 0, 0};
  DrawFormattedText(dib_.dc(), L"\\bab\\b", &rect, nullptr, Flags::MeasureOnly);
  EXPECT_EQ(GetCurrentObject(dib_.dc(), OBJ_FONT), font_);
  EXPECT_EQ(rect.right, Measure(L"\\bab\\b").cx);
  SelectObject(dib_.dc(), old);
}

}  // namespace
