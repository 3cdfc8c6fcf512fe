// How pages are put together: the callback's two calls and the DC they get, the
// buffers and their growth, translucent and nested pages, the repaints that panel
// messages ask for, and many repaints in a row.
#include <gtest/gtest.h>

#include "core/border/border_image_set.h"
#include "core/library/library_messages.h"
#include "tests/panels/paint/page_paint_test_support.h"
#include "tests/support/pointer_input.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra::test;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

using PageComposition = GdiPlusPageTest;

struct BufferFacts {
  HBITMAP bitmap;
  int width, height;
};

BufferFacts BackBuffer(HWND page) {
  return WithPage(page, [](kelvra::PanelExPageRecord& p) {
    const kelvra::PanelBuffer& b = p.panel->backBuffer;
    return BufferFacts{b.image ? b.image->Bitmap() : nullptr, b.width, b.height};
  });
}

TEST_F(PageComposition, TheCallbackErasesOverTheBackgroundAndPaintsOverTheBorder) {
  TestPage page(Host(), 10, 10, 100, 40, Solid(kGreen));
  const HBITMAP frame = MakeImage(30, 30, [](int x, int y) {
    return x < 10 || y < 10 || x >= 20 || y >= 20 ? kBlue : 0u;
  });
  const RECT slice{10, 10, 20, 20};
  SetPanelExPageBorder(page.number(), 0, frame, reinterpret_cast<HBITMAP>(-1), &slice, 1);
  page.Painted();
  const PageCapture& c = page.capture();
  ASSERT_EQ(c.messages, (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
  // The DC's origin is the work rectangle's corner.
  EXPECT_EQ(Rgb(c.erase->Pixel(0, 0)), Rgb(kGreen));
  EXPECT_EQ(Rgb(c.paint->Pixel(0, 0)), Rgb(kBlue));
  EXPECT_EQ(Rgb(c.paint->Pixel(99, 39)), Rgb(kBlue));
  EXPECT_EQ(Rgb(c.paint->Pixel(50, 20)), Rgb(kGreen));
  EXPECT_EQ(c.paintBitmap, BackBuffer(page.page()).bitmap);
  // Drawn again from what was kept: the same pixels.
  page.Painted();
  EXPECT_EQ(Rgb(c.erase->Pixel(0, 0)), Rgb(kGreen));
  EXPECT_EQ(Rgb(c.paint->Pixel(0, 0)), Rgb(kBlue));
  EXPECT_EQ(Rgb(c.paint->Pixel(99, 20)), Rgb(kBlue));
  DeleteObject(frame);
}

// Borders are blended from bands made ahead: they must show what drawing them
// piece by piece shows, a clipped last tile included, for a border with alpha and
// for one without (drawn piece by piece).
TEST_F(PageComposition, BordersFromBandsEqualPieceByPieceDrawing) {
  const HBITMAP translucent = MakeImage(30, 30, [](int x, int y) {
    if (x >= 10 && x < 20 && y >= 10 && y < 20) return 0u;
    return (x + y) % 4 ? 0x90A03010u + static_cast<uint32_t>(x * 3) : 0xFF2060C0u;
  });
  const HBITMAP alphaLess = MakeImage(30, 30, [](int x, int y) { return 0x00406080u + static_cast<uint32_t>(x * y); });
  const RECT slice{10, 10, 20, 20};
  for (HBITMAP frame : {translucent, alphaLess}) {
    for (int width : {100, 95}) {
      TestPage framed(Host(), 10, 10, width, 47, Solid(0xFF808080));
      TestPage plain(Host(), 10, 70, width, 47, Solid(0xFF808080));
      SetPanelExPageBorder(framed.number(), 0, frame, reinterpret_cast<HBITMAP>(-1), &slice, 1);
      const Dib32& got = framed.Painted();
      Dib32 expected(width, 47);
      BitBlt(expected.dc(), 0, 0, width, 47, plain.Painted().dc(), 0, 0, SRCCOPY);
      kelvra::BorderImageSet* set = nullptr;
      {
        kelvra::LockGuard lock(kelvra::Locks().panel);
        set = kelvra::AddBorderImageSet();
        kelvra::PrepareBorderImageSlices(set, frame, -1, &slice);
        const RECT rect{0, 0, width, 47};
        kelvra::DrawBorderImageSet(expected.dc(), set, &rect);
        kelvra::ReleaseBorderImageSet(set);
      }
      int differing = 0;
      for (int y = 0; y < 47; ++y)
        for (int x = 0; x < width; ++x) differing += Rgb(got.Pixel(x, y)) != Rgb(expected.Pixel(x, y));
      EXPECT_EQ(differing, 0) << (frame == translucent ? "with alpha, " : "alpha-less, ") << width;
      // Drawn again from the bands kept: the same.
      const Dib32& again = framed.Painted();
      EXPECT_EQ(Rgb(again.Pixel(92, 3)), Rgb(expected.Pixel(92, 3)));
    }
  }
  DeleteObject(translucent);
  DeleteObject(alphaLess);
}

TEST_F(PageComposition, BuffersGrowWithSpareRoomAndNeverShrink) {
  TestPage page(Host(), 10, 10, 100, 100, Solid(kRed));
  page.Painted();
  const BufferFacts first = BackBuffer(page.page());
  EXPECT_EQ(first.width, 110);
  EXPECT_EQ(first.height, 110);
  MoveWindow(page.panel(), 10, 10, 105, 105, FALSE);  // within the spare room
  page.Painted();
  EXPECT_EQ(BackBuffer(page.page()).bitmap, first.bitmap);
  MoveWindow(page.panel(), 10, 10, 120, 100, FALSE);
  page.Painted();
  const BufferFacts grown = BackBuffer(page.page());
  EXPECT_NE(grown.bitmap, first.bitmap);
  EXPECT_EQ(grown.width, 132);
  EXPECT_EQ(grown.height, 110);
  MoveWindow(page.panel(), 10, 10, 50, 50, FALSE);
  page.Painted();
  EXPECT_EQ(BackBuffer(page.page()).bitmap, grown.bitmap);
  EXPECT_EQ(Rgb(page.capture().paint->Pixel(49, 49)), Rgb(kRed));
}

TEST_F(PageComposition, TranslucentPagesBlendOverWhatLiesBehind) {
  TestPage outer(Host(), 10, 10, 200, 100, Gradient(1, kRed, kBlue));
  TestPage inner(outer.page(), 20, 30, 60, 40, Solid(kGreen));
  SetPanelExPageAlpha(inner.number(), 0, 0, 1);
  outer.Painted();
  const uint32_t behind = outer.capture().paint->Pixel(50, 50);
  const uint32_t outside = outer.capture().paint->Pixel(10, 50);
  SetPanelExPageAlpha(inner.number(), 0, 128, 1);
  const uint32_t blended = outer.Painted().Pixel(50, 50);
  for (int shift : {0, 8, 16}) {
    const int expected = (Channel(kGreen, shift) * 128 + Channel(behind, shift) * 127) / 255;
    EXPECT_NEAR(Channel(blended, shift), expected, 2) << shift;
  }
  EXPECT_EQ(outer.capture().paint->Pixel(10, 50), outside);
  EXPECT_EQ(inner.capture().paints, 2);
}

TEST_F(PageComposition, AFullyTransparentPageShowsItsParent) {
  ColouredParent parent(RGB(255, 0, 0), 0, 0, 200, 100);
  TestPage page(parent, 10, 10, 100, 40, Solid(kGreen));
  page.Painted();
  const auto onScreen = [&] {
    kelvra::WindowDc dc(page.page());
    return GetPixel(dc, 50, 20);
  };
  EXPECT_EQ(onScreen(), RGB(0, 255, 0));
  SetPanelExPageAlpha(page.number(), 0, 0, 0);
  // Not the page's last frame: what lies behind it.
  EXPECT_EQ(onScreen(), RGB(255, 0, 0));
}

TEST_F(PageComposition, NestedPagesAreCutAtTheirPanelUnlessTheyAskOtherwise) {
  TestPage outer(Host(), 10, 10, 200, 100, Solid(kBlue));
  TestPage inner(outer.page(), 40, 30, 60, 40, Solid(kGreen));
  const HBITMAP image = SolidImage(20, 20, kRed);
  for (int noClip : {0, 0x4}) {
    // Half of the image lies left of the inner panel.
    inner.Background(Solid(kGreen), image, -10, 5, noClip);
    const Dib32& painted = outer.Painted();
    EXPECT_EQ(Rgb(painted.Pixel(45, 40)), Rgb(kRed)) << noClip;
    EXPECT_EQ(Rgb(painted.Pixel(35, 40)), Rgb(noClip ? kRed : kBlue)) << noClip;
  }
  DeleteObject(image);
  // The nested page is drawn by the outer page only: its own paint draws nothing.
  EXPECT_EQ(WithPage(inner.page(), [](auto& p) { return static_cast<int>(p.paintState); }), 1);
  const int paints = inner.capture().paints;
  RedrawWindow(inner.page(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(inner.capture().paints, paints);
  EXPECT_EQ(BackBuffer(inner.page()).bitmap, nullptr);  // one buffer, the outer panel's
}

// A scrolled page draws its looks at its visible area: the border's shape (here
// only a shape: the four corners cut away) lands on the visible corners, and a
// static control gets the pixels that are shown behind it.
TEST_F(PageComposition, ScrolledPagesDrawTheirLooksWhereTheyAreSeen) {
  TestPage page(Host(), 10, 10, 200, 100, Solid(kRed));
  const HBITMAP corners = MakeImage(30, 30, [](int x, int y) {
    return (x < 5 || x >= 25) && (y < 5 || y >= 25) ? 0xFFFFFFFFu : 0u;
  });
  const RECT slice{10, 10, 20, 20};
  SetPanelExPageBorder(page.number(), 0, nullptr, corners, &slice, 1);
  const HWND label = CreateWindowExW(0, L"STATIC", L"far", WS_CHILD | WS_VISIBLE, 20, 130, 60, 20, page.page(), nullptr,
                                   nullptr, nullptr);
  SetPanelExPageScrolling(page.number(), 0, 64, 1);
  const LPARAM bar = GetPanelExPageScrolling(page.number(), 0, 512);
  SendMessageW(page.panel(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 100), bar);
  const int scrolled = -WindowRectIn(page.page(), page.panel()).top;
  ASSERT_GT(scrolled, 40);
  const int width = 200 - GetSystemMetrics(SM_CXHTHUMB);
  const Dib32& painted = page.Painted();
  for (POINT corner : {POINT{1, 1}, POINT{width - 2, 1}, POINT{1, 98}, POINT{width - 2, 98}})
    EXPECT_NE(Rgb(painted.Pixel(corner.x, corner.y)), Rgb(kRed)) << corner.x << "," << corner.y;
  EXPECT_EQ(Rgb(painted.Pixel(6, 6)), Rgb(kRed));
  EXPECT_EQ(Rgb(painted.Pixel(width - 7, 93)), Rgb(kRed));
  const auto brush = BrushPixels(page.page(), label);
  EXPECT_EQ(Differing(*brush, painted, {20, 130 - scrolled}), 0);
  DestroyWindow(label);
  DeleteObject(corners);
}

TEST_F(PageComposition, PanelMessagesThatRepaint) {
  TestPage page(Host(), 10, 10, 100, 40, Solid(kGreen));
  page.Painted();
  PageCapture& c = page.capture();
  int paints = c.paints;
  // WM_SIZE answered 0: the library repaints; non-zero: the callback's business.
  MoveWindow(page.panel(), 10, 10, 120, 50, FALSE);
  EXPECT_EQ(c.paints, paints + 1);
  c.sizeAnswer = 1;
  MoveWindow(page.panel(), 10, 10, 100, 40, FALSE);
  EXPECT_EQ(c.paints, paints + 1);
  c.sizeAnswer = 0;
  SendMessageW(page.panel(), kelvra::PageAnimationStepMessage, 0, 0);
  EXPECT_EQ(c.paints, paints + 2);
}

// A repaint of everything paints each page once and leaves nothing invalid; a
// panel that was given a frame still has it drawn.
TEST_F(PageComposition, RepaintingAllPaintsThePagesAndThePanelsFrame) {
  ShowAndRaise(Host());
  TestPage page(Host(), 10, 10, 100, 40, Solid(kGreen));
  TestPage framed(Host(), 10, 60, 100, 40, Solid(kGreen));
  SetWindowLongW(framed.panel(), GWL_STYLE, GetWindowLongW(framed.panel(), GWL_STYLE) | WS_BORDER);
  SetWindowPos(framed.panel(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  const int paints = page.capture().paints, framedPaints = framed.capture().paints;
  {
    // Something else over the frame until it is drawn again.
    HDC dc = GetWindowDC(framed.panel());
    RECT all{0, 0, 100, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(framed.panel(), dc);
  }
  RedrawWindow(Host(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(page.capture().paints, paints + 1);
  EXPECT_EQ(framed.capture().paints, framedPaints + 1);
  for (HWND window : {page.panel(), page.page(), framed.panel(), framed.page()})
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
  Dib32 shown(200, 120);
  CaptureClientArea(Host(), shown);
  EXPECT_EQ(Rgb(shown.Pixel(50, 30)), Rgb(kGreen));
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  EXPECT_EQ(Rgb(shown.Pixel(10, 60)), (GetRValue(frame) << 16u) | (GetGValue(frame) << 8u) | GetBValue(frame));
  EXPECT_EQ(Rgb(shown.Pixel(50, 80)), Rgb(kGreen));
}

TEST_F(PageComposition, PanelsWithoutRoomDrawNothing) {
  TestPage empty(Host(), 10, 10, 0, 0, Solid(kGreen));
  empty.Painted();
  EXPECT_EQ(empty.capture().paints, 0);
  EXPECT_EQ(BackBuffer(empty.page()).bitmap, nullptr);
  // Narrower than its vertical scroll bar.
  TestPage narrow(Host(), 10, 10, 10, 40, Solid(kGreen));
  WithPage(narrow.page(), [](kelvra::PanelExPageRecord& p) { return p.verticalBarOn = 1; });
  narrow.Painted();
  EXPECT_EQ(narrow.capture().paints, 0);
  EXPECT_EQ(BackBuffer(narrow.page()).bitmap, nullptr);
}

int freedBy = 0;
LRESULT CALLBACK FreeingCallback(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_ERASEBKGND && freedBy == 0) freedBy = FreePanelEx(AsKey(reinterpret_cast<HWND>(lParam)));
  return 0;
}

TEST_F(PageComposition, ACallbackMayFreeItsOwnPanel) {
  const int number = CreatePanelEx(-1, Host(), 10, 10, 100, 40, FreeingCallback);
  AddPanelExPage(Solid(kGreen));
  freedBy = 0;
  RefreshPanelEx(number);
  EXPECT_EQ(freedBy, 1);
  EXPECT_EQ(PanelExID(number, -1), nullptr);
}

TEST_F(PageComposition, RepaintsKeepTheirBufferAndMemory) {
  const int gradient = Gradient(1, kRed, kBlue);
  TestPage page(Host(), 10, 10, 200, 100, gradient);
  const HBITMAP tile = MakeImage(16, 16, [](int x, int y) { return (x ^ y) & 4 ? 0x80FFFFFFu : 0u; });
  page.Background(gradient, tile, 0, 0, 0x300);
  page.Painted();
  const HBITMAP bitmap = BackBuffer(page.page()).bitmap;
  for (int i = 0; i < 50; ++i) RefreshPanelEx(page.number());
  const size_t before = ProcessMemoryBytes();
  for (int i = 0; i < 1000; ++i) RefreshPanelEx(page.number());
  const size_t after = ProcessMemoryBytes();
  EXPECT_EQ(BackBuffer(page.page()).bitmap, bitmap);
  EXPECT_LT(after, before + 1024 * 1024) << before << " -> " << after;
  DeleteObject(tile);
}

}  // namespace
