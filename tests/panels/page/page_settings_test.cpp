// Page settings: which fields SetPanelExPageBackground keeps and changes, masked
// images that leave the caller's bitmap alone, borders the set refuses, the page
// cursor under a real pointer, alpha limits and a second thread setting alpha.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "core/image/runtime_image.h"
#include "panels/panels_seam.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra::test;
using kelvra::image::RuntimeImage;

constexpr int U = PANELEX_UNCHANGED;

std::unique_ptr<RuntimeImage> Image(int width, int height, uint32_t fill) {
  auto image = RuntimeImage::Create(width, height, 32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, fill);
  return image;
}

class PageSettings : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    number_ = CreatePanelEx(-1, Host(), 10, 20, 300, 150, nullptr);
    page_ = AddPanelExImagePage(3, a_->Bitmap(), 1, 2, 0, 0, 0x10);
    ASSERT_NE(page_, nullptr);
  }
  void TearDown() override { FreePanelEx(-1); }

  std::unique_ptr<RuntimeImage> a_ = Image(16, 16, 0xFF102030);
  std::unique_ptr<RuntimeImage> b_ = Image(24, 12, 0xFF405060);
  int number_ = 0;
  HWND page_ = nullptr;
};

// A page image set as text: "background list x y w h flags", the list as its cell
// size ("none" without one).
std::string Describe(const kelvra::PageImageSet& set) {
  std::string list = "none";
  int cx = 0, cy = 0;
  if (set.imageList && ImageList_GetIconSize(set.imageList.get(), &cx, &cy))
    list = std::to_string(cx) + "x" + std::to_string(cy);
  return std::to_string(set.background) + " " + list + " " + std::to_string(set.x) + " " + std::to_string(set.y) +
         " " + std::to_string(set.width) + " " + std::to_string(set.height) + " " + std::to_string(set.flags);
}

struct BackgroundCase {
  const char* name;
  int background, image, x, y, width, height, flags;  // image: 0, U, 'b' for the second image
  const char* backgroundSet;
  const char* overlaySet;
};

const BackgroundCase kBackgroundCases[] = {
    {"all unchanged", U, U, U, U, U, U, U, "3 16x16 1 2 16 16 16", "-1 none 0 0 0 0 0"},
    {"background", 7, U, U, U, U, U, U, "7 16x16 1 2 16 16 16", "-1 none 0 0 0 0 0"},
    {"x and y", U, U, 5, 6, U, U, U, "3 16x16 5 6 16 16 16", "-1 none 0 0 0 0 0"},
    {"flags", U, U, U, U, U, U, 0x20, "3 16x16 1 2 16 16 32", "-1 none 0 0 0 0 0"},
    {"image at its own size", U, 'b', U, U, 0, 0, U, "3 24x12 1 2 24 12 16", "-1 none 0 0 0 0 0"},
    {"image with a width", U, 'b', U, U, 8, U, U, "3 8x12 1 2 8 12 16", "-1 none 0 0 0 0 0"},
    {"image 0 keeps the image", U, 0, U, U, 0, 0, U, "3 16x16 1 2 16 16 16", "-1 none 0 0 0 0 0"},
    // The image kept, a new size to place it at: the list keeps its cells.
    {"size of the kept image", U, U, U, U, 40, U, U, "3 16x16 1 2 40 16 16", "-1 none 0 0 0 0 0"},
    {"size 0 of the kept image", U, U, U, U, 0, 9, U, "3 16x16 1 2 0 9 16", "-1 none 0 0 0 0 0"},
    {"overlay", 4, 'b', 3, 4, 0, 0, 0x2000, "3 16x16 1 2 16 16 16", "4 24x12 3 4 24 12 8192"},
};

class BackgroundFields : public PageSettings, public testing::WithParamInterface<BackgroundCase> {};

TEST_P(BackgroundFields, KeepWhatIsUnchanged) {
  const BackgroundCase& c = GetParam();
  const intptr_t image = c.image == 'b' ? reinterpret_cast<intptr_t>(b_->Bitmap()) : c.image;
  ASSERT_EQ(SetPanelExPageBackground(number_, 0, c.background, reinterpret_cast<HANDLE>(image), c.x, c.y, c.width,
                                     c.height, c.flags, 1),
            1);
  WithPage(page_, [&](auto& p) {
    EXPECT_EQ(Describe(p.backgroundSet), c.backgroundSet);
    EXPECT_EQ(Describe(p.overlaySet), c.overlaySet);
    return 0;
  });
}

INSTANTIATE_TEST_SUITE_P(Table, BackgroundFields, testing::ValuesIn(kBackgroundCases),
                         CaseName());

TEST_F(PageSettings, UnknownPanelsAndPages) {
  EXPECT_EQ(SetPanelExPageBackground(number_, 3, 1, nullptr, 0, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(SetPanelExPageBackground(777, 0, 1, nullptr, 0, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(SetPanelExPageBorder(number_, 3, nullptr, reinterpret_cast<HBITMAP>(-1), nullptr, 1), 0);
  EXPECT_EQ(SetPanelExPageCursor(777, 0, 0), 0);
  EXPECT_EQ(SetPanelExPageAlpha(number_, 9, 10, 1), 0);
  // By the page's window, and repainting (no-redraw's low byte is 0).
  EXPECT_EQ(SetPanelExPageBackground(number_, AsKey(page_), 1, nullptr, 0, 0, 0, 0, 0, 0x100), 1);
}

TEST_F(PageSettings, MaskedImagesLeaveTheCallersBitmapAlone) {
  // White pixels of alpha 0 are the ones ImageList_AddMasked blackens.
  auto image = Image(8, 8, 0xFF336699);
  for (int i = 0; i < 8; ++i) image->SetPixel(i, i, 0x00FFFFFF);
  const HWND page = AddPanelExImagePage(-1, image->Bitmap(), 0, 0, 0, 0, 0x1000);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(SetPanelExPageBackground(number_, AsKey(page), U, image->Bitmap(), U, U, 0, 0, 0x1000 | 0x2000, 1), 1);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(image->Pixel(i, i), 0x00FFFFFFu);
    EXPECT_EQ(image->Pixel((i + 1) % 8, i), 0xFF336699u);
  }
  // The list itself holds the masked copy: its white pixels let what is under
  // them show.
  const HIMAGELIST list = WithPage(page, [](auto& p) { return p.backgroundSet.imageList.get(); });
  ASSERT_NE(list, nullptr);
  Dib32 target(8, 8, 0xFFFF0000);
  ImageList_DrawEx(list, 0, target.dc(), 0, 0, 8, 8, CLR_NONE, CLR_NONE, ILD_NORMAL);
  GdiFlush();
  EXPECT_EQ(target.Pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(target.Pixel(4, 3) & 0xFFFFFF, 0x336699u);
}

TEST_F(PageSettings, BordersTheSetRefuses) {
  auto frame = Image(30, 30, 0xFF202020);
  EXPECT_EQ(SetPanelExPageBorder(number_, 0, frame->Bitmap(), nullptr, nullptr, 1), 1);
  const RECT outside{1, 1, 31, 20}, inverted{10, 10, 5, 20}, negative{-1, 0, 5, 5};
  for (const RECT& margins : {outside, inverted, negative})
    EXPECT_EQ(SetPanelExPageBorder(number_, 0, frame->Bitmap(), nullptr, &margins, 1), 0);
  HDC screen = GetDC(nullptr);
  HBITMAP ddb = CreateCompatibleBitmap(screen, 30, 30);  // no DIB section
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(SetPanelExPageBorder(number_, 0, ddb, nullptr, nullptr, 1), 0);
  DeleteObject(ddb);
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  EXPECT_EQ(SetPanelExPageBorder(number_, 0, reinterpret_cast<HBITMAP>(icon), nullptr, nullptr, 1), 0);
  EXPECT_EQ(SetPanelExPageBorder(number_, 0, nullptr, reinterpret_cast<HBITMAP>(-1), nullptr, 1), 1);  // none
}

TEST_F(PageSettings, AlphaIsKeptWithinItsRange) {
  for (auto [given, stored] : {std::pair{-5, 0}, {128, 128}, {300, 255}, {0x10080, 255}, {0, 0}, {255, 255}}) {
    ASSERT_EQ(SetPanelExPageAlpha(number_, 0, given, 1), 1);
    EXPECT_EQ(WithPage(page_, [](auto& p) { return static_cast<int>(p.alpha); }), stored) << given;
  }
}

// The animation thread names the animated panel by its window, which an
// application panel's number (found first, in list order) may equal.
TEST_F(PageSettings, TheAnimationThreadsAlphaReachesThePanelOfThatWindow) {
  const int animated = CreatePanelEx(-1, Host(), 10, 200, 100, 50, nullptr);
  const HWND animatedPanel = PanelExID(animated, -1);
  const HWND animatedPage = AddPanelExPage(-1);
  ASSERT_NE(animatedPage, nullptr);
  {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    kelvra::PanelExRecord* record = kelvra::FindPanelExByNumber(number_);
    kelvra::PanelExList().SetHead(record, AsKey(animatedPanel), record->window);
  }
  ASSERT_EQ(kelvra::SetPanelExPageAlpha(animatedPanel, 0, 100, true), 1);
  EXPECT_EQ(WithPage(page_, [](auto& p) { return static_cast<int>(p.alpha); }), 255);
  EXPECT_EQ(WithPage(animatedPage, [](auto& p) { return static_cast<int>(p.alpha); }), 100);
}

POINT CentreOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Moves the real pointer and lets the moves arrive.
void PointAt(POINT point) {
  SetCursorPos(point.x, point.y);
  PumpMessagesFor(50);
}

TEST_F(PageSettings, CursorFollowsThePointer) {
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND), beam = LoadCursorW(nullptr, IDC_IBEAM);
  POINT centre = CentreOf(page_);
  PointAt(centre);
  ASSERT_EQ(WindowFromPoint(centre), page_);
  // 32649 is IDC_HAND: loaded, stored, and shown at once under the pointer.
  EXPECT_EQ(SetPanelExPageCursor(number_, 0, 32649), static_cast<int>(reinterpret_cast<intptr_t>(hand)));
  EXPECT_EQ(GetCursor(), hand);
  SetCursor(beam);
  centre.x += 3;
  PointAt(centre);
  EXPECT_EQ(GetCursor(), hand);
  // -1: the page leaves the cursor alone.
  EXPECT_EQ(SetPanelExPageCursor(number_, 0, -1), -1);
  SetCursor(beam);
  centre.x += 3;
  PointAt(centre);
  EXPECT_EQ(GetCursor(), beam);
  // 0: the library's arrow.
  EXPECT_EQ(SetPanelExPageCursor(number_, 0, 0), 0);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
  PointAt(POINT{700, 700});
}

TEST_F(PageSettings, MouseTransparentPagesLetThePointerThrough) {
  const POINT centre = CentreOf(page_);
  EXPECT_EQ(WindowFromPoint(centre), page_);
  ASSERT_EQ(SetPanelExPageBackground(number_, 0, U, nullptr, U, U, U, U, 0x8000, 1), 1);
  EXPECT_EQ(WindowFromPoint(centre), Host());  // the panel lets it through too
}

TEST_F(PageSettings, AlphaFromAnotherThreadNeedsNoWindowMapLock) {
  std::atomic<int> calls{0};
  std::atomic<bool> stop{false};
  std::atomic<int> failures{0};
  const int number = number_;
  std::thread animator([&] {
    for (int i = 0; !stop; ++i) {
      const int result = SetPanelExPageAlpha(number, 0, i & 0xFF, 1);
      if (result != 0 && result != 1) ++failures;
      ++calls;
    }
  });
  {
    // Held here, the window map lock must not stop the other thread.
    kelvra::LockGuard mapLock(kelvra::Locks().windowMap);
    const int before = calls;
    const DWORD start = GetTickCount();
    while (calls < before + 50 && GetTickCount() - start < 5000) Sleep(1);
    EXPECT_GE(calls - before, 50);
  }
  // Pages come and go under it.
  for (int round = 0; round < 60; ++round) {
    ASSERT_NE(InsertPanelExPage(number_, 0, -1), nullptr);
    PumpMessages();
    ASSERT_EQ(FreePanelExPage(number_, round % 2), 1);
  }
  stop = true;
  animator.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(SetPanelExPageAlpha(number_, 0, 77, 1), 1);
}

}  // namespace
