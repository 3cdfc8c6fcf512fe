// Buttons show their parent's own drawing through their see-through parts. What
// the parent draws is kept for every button over it until the parent paints
// again: after the parent changes how it paints, every way the application can
// repaint must show the new drawing behind the buttons, and buttons over
// different parents each show their own.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "tests/panels/button/button_test_support.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

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

LRESULT CALLBACK PaintingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(window, &paint);
      Fill(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: Fill(window, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

class PaintingParent {
 public:
  PaintingParent(COLORREF colour, int x, int y, int width, int height) {
    window_ = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraPaintingParent", PaintingParentProc), L"",
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

LRESULT CALLBACK HalvesParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      FillHalves(window, BeginPaint(window, &paint));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: FillHalves(window, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
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
  const HWND parent = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraHalvesParent", HalvesParentProc), L"",
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

}  // namespace
