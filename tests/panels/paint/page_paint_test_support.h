// What the page painter's tests share: images made in memory, and panels whose
// callback keeps a copy of what the page's DC holds when it is called to draw.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "tests/panels/panel/panel_test_support.h"

namespace kelvra::test {

// A 32-bit top-down DIB section that no DC holds, pixel(x, y) giving 0xAARRGGBB.
template <class Pixel>
HBITMAP MakeImage(int width, int height, Pixel&& pixel) {
  uint32_t* bits = nullptr;
  HBITMAP bitmap = CreateTopDownDib32(width, height, &bits);
  for (int y = 0; bits && y < height; ++y)
    for (int x = 0; x < width; ++x) bits[y * width + x] = pixel(x, y);
  return bitmap;
}

inline HBITMAP SolidImage(int width, int height, uint32_t argb) {
  return MakeImage(width, height, [argb](int, int) { return argb; });
}

// Colour channels only (the painter's alpha is checked where it matters).
inline uint32_t Rgb(uint32_t argb) { return argb & 0xFFFFFF; }
inline int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }
// True when every colour channel of a and b differs by at most `tolerance`.
inline bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  return true;
}

// What a page's callback saw: the work rectangle's pixels as its DC held them on
// WM_ERASEBKGND and on WM_PAINT (copied from the DC's origin, which the painter
// puts at the work rectangle's corner), and the messages in order.
struct PageCapture {
  std::unique_ptr<Dib32> erase, paint;
  int erases = 0, paints = 0;
  HBITMAP paintBitmap = nullptr;  // the bitmap in the DC of the last WM_PAINT
  std::vector<UINT> messages;     // WM_ERASEBKGND and WM_PAINT, in order
  LRESULT sizeAnswer = 0;         // what WM_SIZE (with the panel window) answers
  int sizes = 0;
};

inline std::map<HWND, PageCapture>& Captures() {
  static std::map<HWND, PageCapture> captures;
  return captures;
}

inline std::unique_ptr<Dib32> CopyWorkRect(HDC dc, HWND panel) {
  RECT client{};
  GetClientRect(panel, &client);
  auto copy = std::make_unique<Dib32>(client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
  BitBlt(copy->dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  return copy;
}

inline LRESULT CALLBACK CaptureCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  const auto panel = reinterpret_cast<HWND>(lParam);
  switch (message) {
    case WM_ERASEBKGND: {
      PageCapture& capture = Captures()[window];
      capture.erase = CopyWorkRect(dc, panel);
      ++capture.erases;
      capture.messages.push_back(message);
      return 0;
    }
    case WM_PAINT: {
      PageCapture& capture = Captures()[window];
      capture.paint = CopyWorkRect(dc, panel);
      capture.paintBitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
      ++capture.paints;
      capture.messages.push_back(message);
      return 0;
    }
    case WM_SIZE: {
      PageCapture& capture = Captures()[GetWindow(window, GW_CHILD)];
      ++capture.sizes;
      return capture.sizeAnswer;
    }
    default:
      return 0;
  }
}

// A panel with one page on `parent`, drawing through CaptureCallback; freed with
// the object.
class TestPage {
 public:
  TestPage(HWND parent, int x, int y, int width, int height, int background, WNDPROC callback = CaptureCallback) {
    number_ = CreatePanelEx(-1, parent, x, y, width, height, callback);
    panel_ = PanelExID(number_, -1);
    page_ = AddPanelExPage(background);
    Captures().erase(page_);
  }
  ~TestPage() {
    if (number_) FreePanelEx(number_);
    Captures().erase(page_);
  }
  TestPage(const TestPage&) = delete;
  TestPage& operator=(const TestPage&) = delete;

  int number() const { return number_; }
  HWND panel() const { return panel_; }
  HWND page() const { return page_; }
  PageCapture& capture() const { return Captures()[page_]; }
  // Repaints the page at once and returns what its callback saw on WM_PAINT.
  const Dib32& Painted() const {
    RefreshPanelEx(number_);
    static Dib32 none(1, 1);
    const PageCapture& c = capture();
    return c.paint ? *c.paint : none;
  }
  void Background(int background, HANDLE image = nullptr, int x = 0, int y = 0, int flags = 0) const {
    SetPanelExPageBackground(number_, 0, background, image, x, y, 0, 0, flags, 1);
  }

 private:
  int number_ = 0;
  HWND panel_ = nullptr, page_ = nullptr;
};

// A plain child window of the host with its own class brush (an RGB colour),
// for parents that pages show through to.
class ColouredParent {
 public:
  ColouredParent(COLORREF colour, int x, int y, int width, int height) {
    window_ = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraPaintTestParent", DefWindowProcW),
                              L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, width, height, Host(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetColour(colour);
  }
  ~ColouredParent() {
    DestroyWindow(window_);
    if (brush_) DeleteObject(brush_);
  }
  ColouredParent(const ColouredParent&) = delete;
  ColouredParent& operator=(const ColouredParent&) = delete;
  // Windows of one class share its brush: each parent sets its own before it paints.
  void SetColour(COLORREF colour) {
    HBRUSH old = brush_;
    brush_ = CreateSolidBrush(colour);
    SetClassLongPtrW(window_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_));
    if (old) DeleteObject(old);
  }
  operator HWND() const { return window_; }

 private:
  HWND window_ = nullptr;
  HBRUSH brush_ = nullptr;
};

inline int AsBackground(HANDLE gradient) { return static_cast<int>(reinterpret_cast<intptr_t>(gradient)); }

// Tests whose pages are drawn with gradients, which the test makes and frees.
class GradientPageTest : public testing::Test {
 protected:
  void SetUp() override { EnsureStarted(); }
  void TearDown() override {
    for (HANDLE gradient : gradients_) FreeGradient(gradient);
  }
  HANDLE NewGradient(int type, uint32_t start, uint32_t end) {
    gradients_.push_back(CreateGradient(type, static_cast<int>(start), static_cast<int>(end)));
    return gradients_.back();
  }
  // As a page background.
  int Gradient(int type, uint32_t start, uint32_t end) { return AsBackground(NewGradient(type, start, end)); }
  int Solid(uint32_t colour) { return Gradient(0, colour, colour); }
  static bool NoGdiPlus() { return DllSwitchedOff(L"gdiplus"); }

  std::vector<HANDLE> gradients_;
};

// The same for tests that draw nothing but such pages: without GDI+ they skip.
class GdiPlusPageTest : public GradientPageTest {
 protected:
  void SetUp() override {
    GradientPageTest::SetUp();
    if (NoGdiPlus()) GTEST_SKIP() << "these pages are drawn with gradients";
  }
};

// What a static control's page brush paints over its client area.
inline std::unique_ptr<Dib32> BrushPixels(HWND page, HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  auto pixels = std::make_unique<Dib32>(client.right, client.bottom);
  HDC dc = GetDC(control);
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  ReleaseDC(control, dc);
  if (brush) FillRect(pixels->dc(), &client, brush);
  return pixels;
}

// Pixels of the brush that differ from the page at the control's place.
inline int Differing(const Dib32& brush, const Dib32& page, POINT at) {
  int differing = 0;
  for (int y = 0; y < brush.height(); ++y)
    for (int x = 0; x < brush.width(); ++x) differing += Rgb(brush.Pixel(x, y)) != Rgb(page.Pixel(at.x + x, at.y + y));
  return differing;
}

// 0xAARRGGBB of a COLORREF, opaque.
inline uint32_t Argb(COLORREF colour) {
  return 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

}  // namespace kelvra::test
