// Buttons show their parent's own drawing through their see-through parts. What
// the parent draws is kept for every button over it until the parent paints
// again: after the parent changes how it paints, every way the application can
// repaint must show the new drawing behind the buttons, and buttons over
// different parents each show their own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "tests/panels/button/button_test_support.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

// A parent with no class brush that draws with `Draw`, on the screen and for
// WM_PRINTCLIENT alike.
template <void (*Draw)(HWND, HDC)>
LRESULT CALLBACK DrawingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      Draw(window, BeginPaint(window, &paint));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: Draw(window, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Each parent paints its client area in its own colour, on the screen and for
// WM_PRINTCLIENT alike, and has no class brush.
std::map<HWND, COLORREF>& Colours() {
  static std::map<HWND, COLORREF> colours;
  return colours;
}

void Fill(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  HBRUSH brush = CreateSolidBrush(Colours()[window]);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
}

class PaintingParent {
 public:
  PaintingParent(COLORREF colour, int x, int y, int width, int height) {
    window_ = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraPaintingParent", DrawingParentProc<Fill>), L"",
                              WS_CHILD | WS_CLIPCHILDREN, x, y, width, height, Host(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    Colours()[window_] = colour;
    ShowWindow(window_, SW_SHOWNA);
    UpdateWindow(window_);
  }
  ~PaintingParent() {
    DestroyWindow(window_);
    Colours().erase(window_);
  }
  PaintingParent(const PaintingParent&) = delete;
  PaintingParent& operator=(const PaintingParent&) = delete;
  void SetColour(COLORREF colour) { Colours()[window_] = colour; }
  operator HWND() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// A parent that paints its left half red and the rest green.
void FillHalves(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  RECT left = client, right = client;
  left.right = right.left = client.right / 2;
  HBRUSH red = CreateSolidBrush(RGB(200, 0, 0)), green = CreateSolidBrush(RGB(0, 160, 0));
  FillRect(dc, &left, red);
  FillRect(dc, &right, green);
  DeleteObject(red);
  DeleteObject(green);
}

// An image button without images: its page shows the parent everywhere.
int SeeThroughButton(HWND parent, int x, int y) {
  return ImageButtonEx(parent, -1, x, y, 40, 20, nullptr, nullptr, nullptr, nullptr);
}

COLORREF Behind(int button) {
  PumpMessages();
  Dib32 shown(40, 20);
  CaptureClientArea(PageOf(button), shown);
  const uint32_t p = shown.Pixel(20, 10);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Buttons on the shown host; the pointer is not moved (no look here depends on
// it: an image button's hot look shows the parent as well).
class ParentBackgrounds : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    ShowAndRaise(Host());
  }
  void TearDown() override { FreeButtonEx(-1); }
};

struct RepaintCase {
  const char* name;
  void (*repaint)(HWND parent, int button);
  bool repaintsEveryButton;
};

const RepaintCase kRepaints[] = {
    {"the parent with its children",
     [](HWND parent, int) {
       RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
     },
     true},
    {"the parent alone, then the button",
     [](HWND parent, int button) {
       InvalidateRect(parent, nullptr, TRUE);
       UpdateWindow(parent);
       DisableButtonEx(button, 0);  // redraws the button
     },
     false},
    {"the parent alone, its update dispatched by the message loop, then the button",
     [](HWND parent, int button) {
       InvalidateRect(parent, nullptr, FALSE);
       PumpMessages();
       SetButtonExText(button, L"");  // redraws the button
     },
     false},
    {"the parent's whole top-level window",
     [](HWND parent, int) {
       RedrawWindow(GetAncestor(parent, GA_ROOT), nullptr, nullptr,
                    RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
     },
     true},
};

TEST_F(ParentBackgrounds, AParentThatPaintsDifferentlyShowsBehindItsButtons) {
  for (const RepaintCase& c : kRepaints) {
    SCOPED_TRACE(c.name);
    PaintingParent parent(RGB(200, 0, 0), 0, 0, 300, 100);
    const int first = SeeThroughButton(parent, 10, 10);
    const int second = SeeThroughButton(parent, 60, 10);
    ASSERT_NE(first, 0);
    ASSERT_NE(second, 0);
    EXPECT_EQ(Behind(first), RGB(200, 0, 0));
    EXPECT_EQ(Behind(second), RGB(200, 0, 0));

    parent.SetColour(RGB(0, 0, 200));
    c.repaint(parent, first);
    EXPECT_EQ(Behind(first), RGB(0, 0, 200));
    if (c.repaintsEveryButton) {
      EXPECT_EQ(Behind(second), RGB(0, 0, 200));
    }
    // A button made afterwards shows the new drawing too.
    const int later = SeeThroughButton(parent, 110, 10);
    EXPECT_EQ(Behind(later), RGB(0, 0, 200));
    FreeButtonEx(-1);
  }
}

TEST_F(ParentBackgrounds, AResizedParentShowsItsDrawingAtTheNewSize) {
  // The parent paints its left half in one colour and the rest in another: a
  // button near the middle changes sides when the parent grows.
  const HWND parent = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraHalvesParent", DrawingParentProc<FillHalves>), L"",
                                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 100, Host(), nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  UpdateWindow(parent);
  const int button = SeeThroughButton(parent, 110, 10);  // right of the middle: green
  ASSERT_NE(button, 0);
  EXPECT_EQ(Behind(button), RGB(0, 160, 0));
  // Grown without a repaint of its own: only the button is drawn again.
  SetWindowPos(parent, nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  RedrawWindow(PageOf(button), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Behind(button), RGB(200, 0, 0));  // now left of the middle
  FreeButtonEx(-1);
  DestroyWindow(parent);
}

TEST_F(ParentBackgrounds, ButtonsOverManyParentsEachShowTheirOwn) {
  // More parents than are kept at once, each with buttons, repainted together.
  std::vector<std::unique_ptr<PaintingParent>> parents;
  std::vector<int> buttons;
  for (int i = 0; i < 7; ++i) {
    parents.push_back(std::make_unique<PaintingParent>(RGB(30 * i, 200 - 20 * i, 100), 0, 50 * i, 200, 50));
    buttons.push_back(SeeThroughButton(*parents.back(), 10, 10));
    buttons.push_back(SeeThroughButton(*parents.back(), 60, 10));
  }
  RedrawWindow(Host(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Behind(buttons[2 * i]), RGB(30 * i, 200 - 20 * i, 100));
    EXPECT_EQ(Behind(buttons[2 * i + 1]), RGB(30 * i, 200 - 20 * i, 100));
  }
  FreeButtonEx(-1);
}

// A 32-bit bitmap of vertical stripes, 10 pixels wide, each in its own colour: a
// piece copied from the wrong place shows the wrong stripe.
HBITMAP StripedBitmap(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap)
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        static_cast<uint32_t*>(bits)[y * width + x] = 0xFF000000u | ((x / 10) * 0x0B1D29u & 0xFFFFFFu);
  return bitmap;
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 3) return false;
  return true;
}

// A button over a library page shows the page's gradient or image exactly where
// it lies, and the page's next look once the page is given one: the page is the
// parent whose drawing is kept. A twin page without a button, given the same
// looks, shows what the button must show.
TEST_F(ParentBackgrounds, ButtonsOverPagesShowTheirGradientOrImage) {
  const HANDLE across = CreateGradient(0, static_cast<int>(0xFFC80000u), static_cast<int>(0xFF0000C8u));
  const HANDLE down = CreateGradient(1, static_cast<int>(0xFF00B400u), static_cast<int>(0xFFF0F000u));
  ASSERT_NE(across, nullptr);
  ASSERT_NE(down, nullptr);
  const HBITMAP stripes = StripedBitmap(200, 100);
  ASSERT_NE(stripes, nullptr);
  struct Look {
    const char* name;
    int background;
    HANDLE image;
  } looks[] = {
      {"a horizontal gradient", static_cast<int>(reinterpret_cast<intptr_t>(across)), nullptr},
      {"a vertical gradient", static_cast<int>(reinterpret_cast<intptr_t>(down)), nullptr},
      // Last: a page keeps its image when given only a background.
      {"an image", -1, stripes},
  };
  int panels[2] = {};
  HWND pages[2] = {};
  for (int i = 0; i < 2; ++i) {
    panels[i] = CreatePanelEx(-1, Host(), 0, 110 * i, 200, 100, nullptr);
    ASSERT_NE(panels[i], 0);
    pages[i] = AddPanelExPage(-1);
    ASSERT_NE(pages[i], nullptr);
  }
  PumpMessages();
  const int button = SeeThroughButton(pages[0], 75, 40);
  ASSERT_NE(button, 0);

  for (const Look& look : looks) {
    SCOPED_TRACE(look.name);
    // Each page repaints at once with its new look, the button with its page.
    for (int panel : panels)
      ASSERT_EQ(SetPanelExPageBackground(panel, 0, look.background, look.image, 0, 0, 0, 0,
                                         0, 0),
                1);
    PumpMessages();
    Dib32 shown(40, 20), twin(200, 100);
    CaptureClientArea(PageOf(button), shown);
    CaptureClientArea(pages[1], twin);
    for (const POINT at : {POINT{2, 2}, POINT{20, 10}, POINT{37, 17}}) {
      SCOPED_TRACE(testing::Message() << "at " << at.x << ", " << at.y);
      EXPECT_PRED2(Near, shown.Pixel(at.x, at.y) & 0xFFFFFFu, twin.Pixel(75 + at.x, 40 + at.y) & 0xFFFFFFu);
    }
  }
  FreeButtonEx(-1);
  for (int panel : panels) FreePanelEx(panel);
  DeleteObject(stripes);
  FreeGradient(across);
  FreeGradient(down);
}

// Stripes 10 pixels wide whose colours move on with `StripePhase()`.
int& StripePhase() {
  static int phase = 0;
  return phase;
}

void FillStripes(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  for (int x = 0; x < client.right; x += 10) {
    const RECT stripe{x, 0, x + 10, client.bottom};
    const int n = x / 10 + 7 * StripePhase();
    HBRUSH brush = CreateSolidBrush(RGB((n * 37) & 0xFF, (n * 91) & 0xFF, (n * 53) & 0xFF));
    FillRect(dc, &stripe, brush);
    DeleteObject(brush);
  }
}

// The piece of a parent's drawing that a button shows is the one behind it, also
// after the parent draws differently: a twin parent without buttons shows what
// each button must show.
TEST_F(ParentBackgrounds, ButtonsShowThePieceOfTheirParentBehindThem) {
  StripePhase() = 0;
  HWND parents[2] = {};
  for (int i = 0; i < 2; ++i) {
    parents[i] = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraStripesParent", DrawingParentProc<FillStripes>), L"",
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 110 * i, 200, 100, Host(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parents[i], nullptr);
  }
  const POINT places[] = {{3, 4}, {77, 40}, {151, 75}};
  std::vector<int> buttons;
  for (const POINT& at : places) {
    buttons.push_back(SeeThroughButton(parents[0], at.x, at.y));
    ASSERT_NE(buttons.back(), 0);
  }
  for (int phase : {0, 1}) {
    SCOPED_TRACE(testing::Message() << "drawing " << phase);
    StripePhase() = phase;
    for (HWND parent : parents)
      RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    Dib32 twin(200, 100);
    CaptureClientArea(parents[1], twin);
    for (size_t b = 0; b < buttons.size(); ++b) {
      Dib32 shown(40, 20);
      CaptureClientArea(PageOf(buttons[b]), shown);
      for (const POINT at : {POINT{1, 1}, POINT{20, 10}, POINT{38, 18}}) {
        SCOPED_TRACE(testing::Message() << "button " << b << " at " << at.x << ", " << at.y);
        EXPECT_EQ(shown.Pixel(at.x, at.y) & 0xFFFFFFu, twin.Pixel(places[b].x + at.x, places[b].y + at.y) & 0xFFFFFFu);
      }
    }
  }
  FreeButtonEx(-1);
  for (HWND parent : parents) DestroyWindow(parent);
}

}  // namespace
