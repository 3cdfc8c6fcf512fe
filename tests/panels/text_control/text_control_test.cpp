// TextControlEx: creation and its numbers, the queries, automatic sizes and the
// setters that measure again, the defaults for new controls, the page background
// that style 0x2000 and the gradient give, and freeing.
#include <gtest/gtest.h>

#include "tests/panels/text_control/text_control_test_support.h"

namespace {

using namespace kelvra::test;

constexpr const wchar_t* kText = L"Hello \\bbold\\b world";

class TextControl : public testing::Test {
 protected:
  void SetUp() override { EnsureStarted(); }
  void TearDown() override {
    FreeTextControlEx(-1);
    // Back to the defaults a new library starts with (the default font stays).
    SetTextControlExPadding(-1, 0, 0, 0, 0);
    SetTextControlExLinePadding(-1, 0);
    SetTextControlExColour(-1, 0, 0);
    SetTextControlExGradient(-1, nullptr);
    SetTextControlExFont(-1, nullptr, 0);
  }
  static int Make(const wchar_t* text, int width = 0, int height = 0, int style = 0, int number = -1) {
    return TextControlEx(Host(), number, 10, 10, width, height, text, style);
  }
  static SIZE Size(int control) {
    const RECT rect = WindowRectOf(control);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
  }
};

TEST_F(TextControl, NumbersWindowsAndQueries) {
  const int automatic = Make(kText);
  ASSERT_NE(automatic, 0);
  const HWND window = TextControlExID(automatic);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), Host());
  EXPECT_NE(PageOf(automatic), nullptr);
  // A number given: the window comes back, and the number cannot be used again.
  const int given = Make(L"x", 0, 0, 0x40, 5);
  EXPECT_EQ(PanelWindow(given), TextControlExID(5));
  EXPECT_EQ(Make(L"y", 0, 0, 0, 5), 0);
  EXPECT_EQ(TextControlExID(given), nullptr) << "ID takes a number only";
  // Number or window.
  for (int key : {5, given}) {
    EXPECT_EQ(GetTextControlExStyle(key), 0x40);
    EXPECT_STREQ(GetTextControlExText(key), L"x");
  }
  EXPECT_STREQ(GetTextControlExText(automatic), kText);
  // A text control's panel is not the panel pages are added to.
  EXPECT_EQ(AddPanelExPage(-1), nullptr);
  for (int unknown : {0, 6, -1, AsKey(Host())}) {
    EXPECT_EQ(GetTextControlExStyle(unknown), 0);
    EXPECT_STREQ(GetTextControlExText(unknown), L"");
    EXPECT_EQ(TextControlExWidth(unknown), 0);
    EXPECT_EQ(TextControlExHeight(unknown), 0);
    EXPECT_EQ(SetTextControlExText(unknown, L"z"), 0);
    EXPECT_EQ(SetTextControlExStyle(unknown, 0), 0);
    EXPECT_EQ(SetTextControlExDimensions(unknown, 1, 1), 0);
  }
  EXPECT_EQ(TextControlEx(nullptr, -1, 0, 0, 0, 0, L"no parent", 0), 0);
  EXPECT_EQ(TextControlEx(reinterpret_cast<HWND>(0x1234), -1, 0, 0, 0, 0, L"no parent", 0), 0);

  EXPECT_EQ(FreeTextControlEx(5), 1);
  EXPECT_FALSE(IsWindow(PanelWindow(given)));
  EXPECT_EQ(FreeTextControlEx(5), 0);
  EXPECT_EQ(FreeTextControlEx(AsKey(window)), 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(PanelExWidth(AsKey(window)), -1) << "its panel went with it";
  EXPECT_EQ(FreeTextControlEx(-1), 1) << "none left";
}

TEST_F(TextControl, FreeingAllTakesEveryPanel) {
  HWND windows[3];
  for (HWND& window : windows) window = TextControlExID(Make(L"t"));
  EXPECT_EQ(FreeTextControlEx(-1), 1);
  for (HWND window : windows) EXPECT_FALSE(IsWindow(window));
}

TEST_F(TextControl, AutomaticDimensionsFollowTheTextWithTheirPaddings) {
  SetTextControlExPadding(-1, 3, 4, 5, 6);
  Make(L"first");  // makes the default font
  const HFONT font = DefaultTextFont();
  const SIZE text = MeasureMarkup(kText, font);
  ASSERT_GT(text.cx, 20);
  struct Case {
    int width, height;
    SIZE expected;
  } cases[] = {
      {0, 0, {text.cx + 3 + 5, text.cy + 4 + 6}},
      {0, 30, {text.cx + 3 + 5, 30}},
      {120, 0, {120, text.cy + 4 + 6}},
      {120, 30, {120, 30}},
  };
  for (const Case& c : cases) {
    const int control = Make(kText, c.width, c.height);
    EXPECT_EQ(Size(control).cx, c.expected.cx) << c.width << "x" << c.height;
    EXPECT_EQ(Size(control).cy, c.expected.cy) << c.width << "x" << c.height;
    EXPECT_EQ(TextControlExWidth(control), c.expected.cx);
    EXPECT_EQ(TextControlExHeight(control), c.expected.cy);
  }
}

TEST_F(TextControl, LinksAreMeasuredByTheirNormalText) {
  const int control = Make(L"go \\l1there|somewhere far away\\l");
  const SIZE normal = MeasureMarkup(L"go \\l1there\\l", DefaultTextFont());
  EXPECT_EQ(Size(control).cx, normal.cx);
}

TEST_F(TextControl, SettersMeasureAgainOnlyWhatFollowsTheText) {
  const int followsWidth = Make(L"short", 0, 40);
  const int fixed = Make(L"short", 90, 40);
  const HFONT font = DefaultTextFont();
  const std::wstring longer = L"a good deal longer\\|and two lines";

  for (int control : {followsWidth, fixed}) ASSERT_EQ(SetTextControlExText(control, longer.c_str()), 1);
  EXPECT_STREQ(GetTextControlExText(fixed), longer.c_str());
  EXPECT_EQ(Size(followsWidth).cx, MeasureMarkup(longer, font).cx);
  EXPECT_EQ(Size(followsWidth).cy, 40);
  EXPECT_EQ(Size(fixed).cx, 90);

  for (int control : {followsWidth, fixed}) ASSERT_EQ(SetTextControlExPadding(control, 7, 1, 9, 1), 1);
  EXPECT_EQ(Size(followsWidth).cx, MeasureMarkup(longer, font).cx + 16);
  EXPECT_EQ(Size(fixed).cx, 90);

  // Line padding: only texts with line breaks grow, and only in height.
  ASSERT_EQ(SetTextControlExDimensions(followsWidth, 0, 0), 1);
  const LONG before = Size(followsWidth).cy;
  ASSERT_EQ(SetTextControlExLinePadding(followsWidth, 5), 1);
  EXPECT_EQ(Size(followsWidth).cy, MeasureMarkup(longer, font, 5).cy + 2);
  EXPECT_GT(Size(followsWidth).cy, before);
  ASSERT_EQ(SetTextControlExLinePadding(fixed, 5), 1);
  EXPECT_EQ(Size(fixed).cy, 40);
}

TEST_F(TextControl, DimensionsAlwaysResizeInPlace) {
  SetTextControlExPadding(-1, 2, 3, 4, 5);
  const int control = Make(L"sized", 0, 0);
  const RECT before = WindowRectOf(control);
  const SIZE text = MeasureMarkup(L"sized", DefaultTextFont());
  struct Case {
    int width, height;
    SIZE expected;
  } cases[] = {{100, 0, {100, text.cy + 8}}, {0, 50, {text.cx + 6, 50}}, {80, 25, {80, 25}}, {0, 0, {text.cx + 6, text.cy + 8}}};
  for (const Case& c : cases) {
    ASSERT_EQ(SetTextControlExDimensions(control, c.width, c.height), 1);
    const RECT now = WindowRectOf(control);
    EXPECT_EQ(now.right - now.left, c.expected.cx) << c.width << "x" << c.height;
    EXPECT_EQ(now.bottom - now.top, c.expected.cy) << c.width << "x" << c.height;
    EXPECT_EQ(now.left, before.left);
    EXPECT_EQ(now.top, before.top);
  }
}

TEST_F(TextControl, PlainTextIsMeasuredAsWritten) {
  const wchar_t* text = L"\\bnot bold\\b \\l3no link\\l";
  const int control = Make(text, 0, 0, 0x200000);
  Dib32 dib(1, 1);
  const HGDIOBJ old = SelectObject(dib.dc(), DefaultTextFont());
  RECT raw{0, 0, 0, 0};
  DrawTextW(dib.dc(), text, -1, &raw, DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dib.dc(), old);
  EXPECT_EQ(Size(control).cx, raw.right);
  EXPECT_EQ(Size(control).cy, raw.bottom);
}

TEST_F(TextControl, DefaultsChangeOnlyLaterControls) {
  const int before = Make(L"before");
  const HFONT messageFont = DefaultTextFont();
  HANDLE gradient = CreateGradient(1, static_cast<int>(0xFF0000FF), static_cast<int>(0xFF00FF00));
  const HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  EXPECT_EQ(SetTextControlExPadding(-1, 1, 2, 3, 4), 1);
  EXPECT_EQ(SetTextControlExLinePadding(-1, 6), 1);
  EXPECT_EQ(SetTextControlExColour(-1, 0x0000FF, 0x00FF00), 1);
  EXPECT_EQ(SetTextControlExGradient(-1, gradient), 1);
  EXPECT_EQ(SetTextControlExFont(-1, font, 0), 1);
  const int after = Make(L"after");

  WithControl(before, [&](const kelvra::TextControlExRecord& r) {
    EXPECT_EQ(r.settings.paddings.left, 0);
    EXPECT_EQ(r.settings.linePadding, 0);
    EXPECT_EQ(r.settings.textColour, 0u);
    EXPECT_EQ(r.settings.gradient, 0);
    EXPECT_NE(r.settings.font, font);
  });
  WithControl(after, [&](const kelvra::TextControlExRecord& r) {
    EXPECT_EQ(r.settings.paddings.left, 1);
    EXPECT_EQ(r.settings.paddings.bottom, 4);
    EXPECT_EQ(r.settings.linePadding, 6);
    EXPECT_EQ(r.settings.textColour, 0x0000FFu);
    EXPECT_EQ(r.settings.backgroundColour, 0x00FF00u);
    EXPECT_EQ(r.settings.gradient, reinterpret_cast<intptr_t>(gradient));
    EXPECT_EQ(r.settings.font, font);
  });
  EXPECT_EQ(Size(after).cx, MeasureMarkup(L"after", font).cx + 4);

  // Font 0 for the defaults: refused, but the antialiasing is stored all the same.
  EXPECT_EQ(SetTextControlExFont(-1, nullptr, 1), 0);
  const int smooth = Make(L"smooth");
  WithControl(smooth, [&](const kelvra::TextControlExRecord& r) {
    EXPECT_EQ(r.settings.antialias, 1);
    EXPECT_EQ(r.settings.font, font) << "the default font stays";
    LOGFONTW drawn{};
    ASSERT_TRUE(r.drawFont);
    GetObjectW(r.drawFont->font.get(), sizeof(drawn), &drawn);
    EXPECT_EQ(drawn.lfQuality, ANTIALIASED_QUALITY);
  });
  FreeTextControlEx(-1);
  SetTextControlExFont(-1, messageFont, 0);
  DeleteObject(font);
  FreeGradient(gradient);
}

TEST_F(TextControl, TheFirstDefaultFontIsTheMessageFont) {
  Make(L"x");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  LOGFONTW made{};
  ASSERT_TRUE(GetObjectW(DefaultTextFont(), sizeof(made), &made));
  EXPECT_STREQ(made.lfFaceName, metrics.lfMessageFont.lfFaceName);
  EXPECT_EQ(made.lfHeight, metrics.lfMessageFont.lfHeight);
}

// The page's background as the page painter will read it.
int PageBackground(int control) {
  return WithPage(PageOf(control), [](const kelvra::PanelExPageRecord& p) { return p.backgroundSet.background; });
}

TEST_F(TextControl, TheGradientIsThePageBackgroundOnlyWithStyle2000) {
  HANDLE gradient = CreateGradient(1, static_cast<int>(0xFFFF0000), static_cast<int>(0xFF0000FF));
  const int g = static_cast<int>(reinterpret_cast<intptr_t>(gradient));
  const int plain = Make(L"plain", 60, 20);
  const int shaded = Make(L"shaded", 60, 20, 0x2000);
  EXPECT_EQ(PageBackground(plain), -1);
  EXPECT_EQ(PageBackground(shaded), -1) << "no gradient yet";

  ASSERT_EQ(SetTextControlExGradient(plain, gradient), 1);
  EXPECT_EQ(PageBackground(plain), -1) << "without 0x2000 the page keeps its background";
  ASSERT_EQ(SetTextControlExGradient(shaded, gradient), 1);
  EXPECT_EQ(PageBackground(shaded), g);
  ASSERT_EQ(SetTextControlExGradient(shaded, nullptr), 1);
  EXPECT_EQ(PageBackground(shaded), -1) << "gradient 0 is none, not the tab pane (0)";

  // The style decides: on with a gradient, off without 0x2000.
  ASSERT_EQ(SetTextControlExStyle(plain, 0x2000), 1);
  EXPECT_EQ(PageBackground(plain), g);
  ASSERT_EQ(SetTextControlExStyle(plain, 0x10), 1);
  EXPECT_EQ(PageBackground(plain), -1);

  // A new control with 0x2000 starts on the default gradient.
  SetTextControlExGradient(-1, gradient);
  EXPECT_EQ(PageBackground(Make(L"new", 60, 20, 0x2000)), g);
  EXPECT_EQ(PageBackground(Make(L"new", 60, 20, 0)), -1);
  FreeTextControlEx(-1);
  FreeGradient(gradient);
}

TEST_F(TextControl, ManyControlsComeAndGoWithoutLeaking) {
  for (int i = 0; i < 50; ++i) FreeTextControlEx(Make(L"warm \\l1up\\l"));
  const size_t before = ProcessMemoryBytes();
  for (int i = 0; i < 300; ++i) {
    const int control = Make(L"cycle \\l1link|LINK\\l", 0, 0, 0x1000);
    SetTextControlExFont(control, DefaultTextFont(), 1);
    PaintOnce(control);
    ASSERT_EQ(FreeTextControlEx(control), 1);
  }
  EXPECT_LT(ProcessMemoryBytes(), before + 2 * 1024 * 1024);
}

}  // namespace
