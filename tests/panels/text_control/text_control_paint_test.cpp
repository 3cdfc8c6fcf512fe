// What a text control draws when its page's painter hands its callback the back
// buffer: colours, the background fill, centring within the paddings, the last
// rows under a top padding, plain text and the hot text of a link. Each is
// compared with the renderer's own drawing where the text should be.
#include <gtest/gtest.h>

#include "tests/panels/text_control/text_control_test_support.h"

namespace {

using namespace kelvra::test;
using Flags = kelvra::FormattedTextFlags;
using kelvra::DrawFormattedText;

constexpr uint32_t kWhite = 0xFFFFFFFF;

class TextPaint : public testing::Test {
 protected:
  void SetUp() override { EnsureStarted(); }
  void TearDown() override { FreeTextControlEx(-1); }

  static int Make(const wchar_t* text, int width, int height, int style) {
    return TextControlEx(Host(), -1, 0, 0, width, height, text, style);
  }
  static HFONT DrawFont(int control) {
    return WithControl(control, [](const kelvra::TextControlExRecord& r) {
      return r.drawFont ? r.drawFont->font.get() : HFONT{};
    });
  }
  // The control's page painted into a white DIB of its size.
  static void Paint(int control, Dib32& dib) {
    dib.Fill(kWhite);
    PaintInto(control, dib);
  }
  // The renderer's drawing of `text` at `box` in the same font, for comparison.
  static void Reference(Dib32& dib, const std::wstring& text, HFONT font, RECT box, uint32_t flags = 0) {
    dib.Fill(kWhite);
    SetTextColor(dib.dc(), 0);
    DrawFormattedText(dib.dc(), text, &box, font, Flags::OwnRunHeight | flags);
  }
  // The bounding box of pixels that are not white (right and bottom exclusive).
  static RECT Ink(const Dib32& dib) {
    RECT ink{dib.width(), dib.height(), 0, 0};
    for (int y = 0; y < dib.height(); ++y)
      for (int x = 0; x < dib.width(); ++x)
        if ((dib.Pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          ink.left = std::min<LONG>(ink.left, x);
          ink.top = std::min<LONG>(ink.top, y);
          ink.right = std::max<LONG>(ink.right, x + 1);
          ink.bottom = std::max<LONG>(ink.bottom, y + 1);
        }
    return ink;
  }
  static int Count(const Dib32& dib, bool (*match)(uint32_t), int x0 = 0, int x1 = -1) {
    int count = 0;
    if (x1 < 0) x1 = dib.width();
    for (int y = 0; y < dib.height(); ++y)
      for (int x = x0; x < x1; ++x) count += match(dib.Pixel(x, y));
    return count;
  }
};

bool Reddish(uint32_t p) { return ((p >> 16) & 0xFF) > 160 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100; }
bool Dark(uint32_t p) { return ((p >> 16) & 0xFF) < 100 && ((p >> 8) & 0xFF) < 100 && (p & 0xFF) < 100; }

TEST_F(TextPaint, ColourCodesAndTheirStyleToIgnoreThem) {
  const wchar_t* text = L"MMMM\\cFF0000MMMM";
  const int coloured = Make(text, 0, 0, 0);
  const int ignored = Make(text, 0, 0, 0x400000);
  const int half = MeasureMarkup(L"MMMM", DrawFont(coloured)).cx;
  Dib32 dib(TextControlExWidth(coloured), TextControlExHeight(coloured));
  Paint(coloured, dib);
  EXPECT_EQ(Count(dib, Reddish, 0, half), 0);
  EXPECT_GT(Count(dib, Dark, 0, half), 20) << "the first half in the control's colour";
  EXPECT_GT(Count(dib, Reddish, half), 20);
  Paint(ignored, dib);
  EXPECT_EQ(Count(dib, Reddish), 0);
  EXPECT_GT(Count(dib, Dark, half), 20);
}

TEST_F(TextPaint, FillWithTheBackgroundColourOnlyWithStyle1000) {
  const int filled = Make(L"x", 60, 30, 0x1000);
  const int clear = Make(L"x", 60, 30, 0);
  for (int control : {filled, clear}) SetTextControlExColour(control, 0x0000FF, 0x00FF00);  // red text, green ground
  Dib32 dib(60, 30);
  Paint(filled, dib);
  EXPECT_EQ(dib.Pixel(0, 0) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(dib.Pixel(59, 29) & 0xFFFFFF, 0x00FF00u);
  Paint(clear, dib);
  EXPECT_EQ(dib.Pixel(59, 29), kWhite);
  EXPECT_GT(Count(dib, Reddish), 0);
}

TEST_F(TextPaint, CentredWithinThePaddings) {
  constexpr int W = 200, H = 80;
  const wchar_t* text = L"Centre \\bme\\b";
  for (const RECT pad : {RECT{20, 10, 20, 10}, RECT{30, 4, 6, 20}}) {
    const int control = Make(text, W, H, 0x30);
    SetTextControlExPadding(control, pad.left, pad.top, pad.right, pad.bottom);
    const SIZE block = MeasureMarkup(text, DrawFont(control));
    const int left = pad.left + (W - pad.left - pad.right) / 2 - block.cx / 2;
    const int top = pad.top + (H - pad.top - pad.bottom) / 2 - block.cy / 2;
    Dib32 drawn(W, H), expected(W, H);
    Paint(control, drawn);
    Reference(expected, text, DrawFont(control), RECT{left, top, left + block.cx, top + block.cy});
    EXPECT_TRUE(SameColours(drawn, expected)) << "paddings " << Text(pad);
    // Its box's centre is the padded area's centre, within the halving's pixel.
    EXPECT_LE(std::abs(2 * left + block.cx - (W + pad.left - pad.right)), 2);
    EXPECT_LE(std::abs(2 * top + block.cy - (H + pad.top - pad.bottom)), 2);
  }
}

TEST_F(TextPaint, ATopPaddingKeepsTheLastRowsOfText) {
  const wchar_t* text = L"Ag\\|gyp";
  const int control = Make(text, 0, 0, 0);
  SetTextControlExPadding(control, 0, 25, 0, 0);
  const SIZE block = MeasureMarkup(text, DrawFont(control));
  ASSERT_EQ(TextControlExHeight(control), block.cy + 25);
  Dib32 drawn(TextControlExWidth(control), TextControlExHeight(control));
  Dib32 expected(drawn.width(), drawn.height());
  Paint(control, drawn);
  Reference(expected, text, DrawFont(control), RECT{0, 25, block.cx, 25 + block.cy});
  EXPECT_TRUE(SameColours(drawn, expected));
  EXPECT_GT(Ink(drawn).bottom, drawn.height() - 6) << "the descenders of the second line";
}

TEST_F(TextPaint, PlainTextShowsItsCodesAsWritten) {
  const wchar_t* text = L"\\bno \\l2link\\l";
  for (int style : {0x200000, 0}) {
    const int control = Make(text, 0, 0, 0);
    // Switched to plain text after it had links.
    PaintOnce(control);
    ASSERT_EQ(SetTextControlExStyle(control, style), 1);
    Dib32 drawn(300, 40), expected(300, 40);
    Paint(control, drawn);
    expected.Fill(kWhite);
    const HGDIOBJ old = SelectObject(expected.dc(), DrawFont(control));
    RECT box{0, 0, 300, 40};
    if (style)
      DrawTextW(expected.dc(), text, -1, &box, DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
    else
      DrawFormattedText(expected.dc(), text, &box, nullptr, Flags::OwnRunHeight);
    SelectObject(expected.dc(), old);
    EXPECT_TRUE(SameColours(drawn, expected)) << std::hex << style;
    EXPECT_EQ(WithControl(control, [](const auto& r) { return r.links.size(); }), style ? 0u : 1u);
  }
}

TEST_F(TextPaint, AHotLinkShowsItsHotText) {
  const int control = Make(L"Press \\l7Open|OPEN\\l now", 200, 24, 0);
  Dib32 drawn(200, 24), expected(200, 24);
  Paint(control, drawn);
  const HFONT font = DrawFont(control);
  Reference(expected, L"Press Open now", font, RECT{0, 0, 200, 24});
  EXPECT_TRUE(SameColours(drawn, expected));
  const auto link = WithControl(control, [](const auto& r) { return r.links.at(0); });
  SendMessageW(PageOf(control), WM_MOUSEMOVE, 0, MAKELPARAM(link.left + 2, link.top + 2));
  Paint(control, drawn);
  Reference(expected, L"Press OPEN now", font, RECT{0, 0, 200, 24});
  EXPECT_TRUE(SameColours(drawn, expected));
  SendMessageW(PageOf(control), WM_MOUSELEAVE, 0, 0);
  Paint(control, drawn);
  Reference(expected, L"Press Open now", font, RECT{0, 0, 200, 24});
  EXPECT_TRUE(SameColours(drawn, expected));
  PumpMessages();
}

}  // namespace
