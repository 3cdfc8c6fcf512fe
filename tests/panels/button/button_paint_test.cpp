// What buttons show on the screen: the ten looks of a fixture skin reached by the
// pointer, SetButtonExState and DisableButtonEx, the images each state draws, and
// where image and text go. Pixels are read back from the windows. Moves the real
// pointer (run alone: variants.cmake).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/panels/button/button_test_support.h"
#include "tests/support/pointer_input.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

constexpr COLORREF kIconBlue = RGB(0, 0, 255);

// One look per state: a solid background ("red" by name, to catch a swap of red
// and blue) and a text colour; "disabled" names no colour and so gets the grey
// of disabled text.
struct FixtureState {
  const wchar_t* name;
  const wchar_t* background;
  COLORREF backgroundRgb;
  const wchar_t* text;
  COLORREF textRgb;
};
const FixtureState kStates[kButtonExStateCount] = {
    {L"normal", L"red;", RGB(255, 0, 0), L"font: Tahoma, 16, bold; colour: #ffff00;", RGB(255, 255, 0)},
    {L"hot", L"#00c000;", RGB(0, 192, 0), L"font: Tahoma, 16, bold; colour: #000000;", RGB(0, 0, 0)},
    {L"pressed", L"#0000c0;", RGB(0, 0, 192), L"font: Tahoma, 16, bold; colour: #ffffff;", RGB(255, 255, 255)},
    {L"disabled", L"#808000;", RGB(128, 128, 0), L"font: Tahoma, 16, bold;", 0},
    {L"selected", L"#008080;", RGB(0, 128, 128), L"font: Tahoma, 16, bold; colour: #ff00ff;", RGB(255, 0, 255)},
    {L"selected hot", L"#800080;", RGB(128, 0, 128), L"font: Tahoma, 16, bold; colour: #00ffff;", RGB(0, 255, 255)},
    {L"selected pressed", L"#c08040;", RGB(192, 128, 64), L"font: Tahoma, 16, bold; colour: #102030;",
     RGB(16, 32, 48)},
    {L"inbetween", L"#4080c0;", RGB(64, 128, 192), L"font: Tahoma, 16, bold; colour: #f0e0d0;", RGB(240, 224, 208)},
    {L"inbetween hot", L"#c04080;", RGB(192, 64, 128), L"font: Tahoma, 16, bold; colour: #203040;",
     RGB(32, 48, 64)},
    {L"inbetween pressed", L"#80c040;", RGB(128, 192, 64), L"font: Tahoma, 16, bold; colour: #405060;",
     RGB(64, 80, 96)},
};

// What a window shows, read from the screen.
class Shot {
 public:
  explicit Shot(HWND window) : dib_(Size(window).cx, Size(window).cy) {
    HDC dc = GetDC(window);
    BitBlt(dib_.dc(), 0, 0, dib_.width(), dib_.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
  }
  COLORREF At(int x, int y) const {
    const uint32_t p = dib_.Pixel(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Count(COLORREF colour) const {
    int n = 0;
    for (int y = 0; y < dib_.height(); ++y)
      for (int x = 0; x < dib_.width(); ++x) n += At(x, y) == colour;
    return n;
  }
  // The bounding box of the pixels of one colour ("" when there are none).
  std::string Box(COLORREF colour) const {
    int left = dib_.width(), top = dib_.height(), right = -1, bottom = -1;
    for (int y = 0; y < dib_.height(); ++y)
      for (int x = 0; x < dib_.width(); ++x)
        if (At(x, y) == colour) {
          left = std::min(left, x);
          top = std::min(top, y);
          right = std::max(right, x + 1);
          bottom = std::max(bottom, y + 1);
        }
    if (right < 0) return "";
    return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) + "," +
           std::to_string(bottom);
  }
  int Width() const { return dib_.width(); }

 private:
  static SIZE Size(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
  }
  Dib32 dib_;
};

class ButtonPaint : public ButtonsOnScreen {
 protected:
  void SetUp() override {
    ButtonsOnScreen::SetUp();
    icon_ = SolidIcon(12, 0xFF0000FF);
  }
  void TearDown() override {
    ButtonsOnScreen::TearDown();
    DestroyIcon(icon_);
    for (HANDLE skin : skins_) FreeSkin(skin);
  }
  HANDLE Skin() {
    HANDLE skin = CreateSkin(L"paint fixture");
    SetSkinAutoUpdate(skin, 0);
    skins_.push_back(skin);
    return skin;
  }
  // Pumps until the page shows `colour` at (x, y); what it shows in the end.
  static COLORREF WaitPixel(HWND page, int x, int y, COLORREF colour) {
    COLORREF seen = 0;
    PumpUntil(
        [&] {
          seen = Shot(page).At(x, y);
          return seen == colour;
        },
        2000);
    return seen;
  }

  HICON icon_ = nullptr;
  std::vector<HANDLE> skins_;
};

TEST_F(ButtonPaint, TenLooksOfAFixtureSkin) {
  HANDLE skin = Skin();
  for (const FixtureState& s : kStates) {
    SetSkinProperty(skin, L"checkbuttonex", s.name, L"background", s.background);
    SetSkinProperty(skin, L"checkbuttonex", s.name, L"text", s.text);
    SetSkinProperty(skin, L"checkbuttonex", s.name, L"text position", L"x: 50%; y: centre;");
    SetSkinProperty(skin, L"checkbuttonex", s.name, L"image position", L"x: 4; y: centre;");
  }
  const int button = CheckButtonEx(host_, -1, 20, 20, 160, 40, L"MW", skin);
  ASSERT_NE(button, 0);
  // Only the normal look has an image: every other state draws it.
  ASSERT_EQ(ChangeButtonEx(button, icon_, 0, 0, 0, 0, 0, 0), 1);
  const HWND page = PageOf(button);
  const POINT centre = CentreOf(ButtonExID(button));

  auto check = [&](int state, const char* how) {
    SCOPED_TRACE(std::string(how) + ", state " + std::to_string(state));
    PumpUntil([&] { return Shown(button) == state || (state == kButtonDisabled && Button(button)->disabled); },
              2000);
    const FixtureState& s = kStates[state];
    EXPECT_EQ(WaitPixel(page, 158, 2, s.backgroundRgb), s.backgroundRgb);
    const Shot shot(page);
    const COLORREF text = state == kButtonDisabled ? GetSysColor(COLOR_GRAYTEXT) : s.textRgb;
    EXPECT_GT(shot.Count(text), 20) << "text colour";
    const COLORREF image = shot.At(10, 20);
    if (state == kButtonDisabled) {
      EXPECT_NE(image, kIconBlue) << "blended with black";
      EXPECT_LT(GetBValue(image), 200);
      EXPECT_GT(GetBValue(image), 40);
    } else {
      EXPECT_EQ(image, kIconBlue) << "the normal image";
    }
  };
  check(kButtonNormal, "made");
  MovePointerTo(centre);
  check(kButtonHot, "pointer over");
  PressLeftButton();
  check(kButtonPressed, "pressed");
  ReleaseLeftButton();
  check(kButtonSelectedHot, "released");
  PressLeftButton();
  check(kButtonSelectedPressed, "pressed again");
  MovePointerAway();  // the leave comes while the button is still down
  check(kButtonSelected, "left");
  ReleaseLeftButton();
  SetButtonExState(button, 2);
  check(kButtonInbetween, "SetButtonExState 2");
  // Not the same point: the page passes a move that repeats the last one on to
  // no callback.
  MovePointerTo(POINT{centre.x + 1, centre.y});
  check(kButtonInbetweenHot, "pointer over");
  PressLeftButton();
  check(kButtonInbetweenPressed, "pressed");
  ReleaseLeftButton();
  MovePointerAway();
  DisableButtonEx(button, 1);
  check(kButtonDisabled, "DisableButtonEx");
  // A colour the skin gives disabled text wins over the grey.
  SetSkinProperty(skin, L"checkbuttonex", L"disabled", L"text", L"font: Tahoma, 16, bold; colour: #00ff80;");
  ASSERT_EQ(SetButtonExSkin(button, skin, L"", 0), 1);
  EXPECT_GT(Shot(page).Count(RGB(0, 255, 128)), 20);
}

// The built-in check box draws a glyph of its own for each look, the inbetween
// ones included.
TEST_F(ButtonPaint, BuiltInCheckBoxDrawsItsInbetweenGlyph) {
  const int button = CheckButtonEx(host_, -1, 20, 20, 120, 24, L"check", nullptr);
  const HWND page = PageOf(button);
  auto glyph = [&] {
    PumpMessagesFor(20);
    const Shot shot(page);
    std::string pixels;
    for (int y = 4; y < 20; ++y)
      for (int x = 0; x < 16; ++x) pixels += std::to_string(shot.At(x, y)) + ",";
    return pixels;
  };
  const std::string normal = glyph();
  SetButtonExState(button, 1);
  const std::string selected = glyph();
  SetButtonExState(button, 2);
  const std::string inbetween = glyph();
  EXPECT_NE(normal, selected);
  EXPECT_NE(inbetween, normal);
  EXPECT_NE(inbetween, selected);
  SetButtonExState(button, 0);
  EXPECT_EQ(glyph(), normal);
}

TEST_F(ButtonPaint, WhereImageAndTextGo) {
  // The built-in push button: an icon alone is centred.
  const int alone = ButtonEx(host_, -1, 10, 10, 100, 30, L"", icon_, 0, 0, 0, nullptr);
  EXPECT_EQ(Shot(PageOf(alone)).Box(kIconBlue), "44,9,56,21");

  // Icon and text centred as a pair, the text after the icon and both paddings.
  const int pair = ButtonEx(host_, -1, 10, 50, 120, 30, L"Pair", icon_, 0, 0, 0, nullptr);
  const Shot shot(PageOf(pair));
  const int textWidth = Button(pair)->textSize.cx;
  ASSERT_GT(textWidth, 10);
  const int iconX = 60 - (12 + 4 + 2 + textWidth) / 2;
  EXPECT_EQ(shot.Box(kIconBlue), std::to_string(iconX) + ",9," + std::to_string(iconX + 12) + ",21");
  int firstText = -1;
  for (int x = 0; x < shot.Width() && firstText < 0; ++x)
    for (int y = 9; y < 21; ++y)
      if (shot.At(x, y) == GetSysColor(COLOR_BTNTEXT) && x > iconX + 12) {
        firstText = x;
        break;
      }
  EXPECT_GE(firstText, iconX + 12 + 4 + 2);
  EXPECT_LE(firstText, iconX + 12 + 4 + 2 + 3);

  // A skin of its own: anchored to the right, and kept inside its padding.
  HANDLE skin = Skin();
  SetSkinProperty(skin, L"buttonex", L"normal", L"background", L"white;");
  SetSkinProperty(skin, L"buttonex", L"normal", L"image position", L"right: 4; y: centre;");
  const int right = ButtonEx(host_, -1, 10, 90, 100, 30, L"", icon_, 0, 0, 0, skin);
  EXPECT_EQ(Shot(PageOf(right)).Box(kIconBlue), "84,9,96,21");
  SetSkinProperty(skin, L"buttonex", L"normal", L"image position", L"x: -30; y: 40;");
  SetSkinProperty(skin, L"buttonex", L"normal", L"image padding", L"top: 3; left: 5; bottom: 3; right: 5;");
  ASSERT_EQ(SetButtonExSkin(right, skin, L"", 0), 1);
  EXPECT_EQ(Shot(PageOf(right)).Box(kIconBlue), "5,15,17,27");
}

}  // namespace
