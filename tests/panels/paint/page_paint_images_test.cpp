// Page images as the callback's DC shows them: placement by flags, tiles (a grid
// blended from one pre-tiled row must equal tile-by-tile drawing), the stretched
// first image, the overlay's corner image, and images without size.
#include <gtest/gtest.h>

#include <string>

#include "panels/paint/page_paint_steps.h"
#include "tests/panels/paint/page_paint_test_support.h"

namespace {

using namespace kelvra::test;

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

// The bounding box of the pixels of a colour, as "left,top,right,bottom".
std::string BoxOf(const Dib32& dib, uint32_t argb) {
  RECT box{dib.width(), dib.height(), 0, 0};
  for (int y = 0; y < dib.height(); ++y)
    for (int x = 0; x < dib.width(); ++x)
      if (Rgb(dib.Pixel(x, y)) == Rgb(argb)) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  return box.right ? Text(box) : "none";
}

int Count(const Dib32& dib, uint32_t argb) {
  int count = 0;
  for (int y = 0; y < dib.height(); ++y)
    for (int x = 0; x < dib.width(); ++x) count += Rgb(dib.Pixel(x, y)) == Rgb(argb);
  return count;
}

class PageImages : public GradientPageTest {
 protected:
  void TearDown() override {
    GradientPageTest::TearDown();
    for (HBITMAP image : images_) DeleteObject(image);
  }
  HBITMAP Keep(HBITMAP image) {
    images_.push_back(image);
    return image;
  }
  std::vector<HBITMAP> images_;
};

TEST_F(PageImages, PlacedByTheirFlags) {
  TestPage page(Host(), 10, 10, 100, 40, -1);
  const HBITMAP image = Keep(SolidImage(10, 10, kRed));
  struct Case {
    int x, y, flags;
    const char* box;
  } const cases[] = {
      {7, 3, 0, "7,3,17,13"},
      {50, 3, 0x1, "45,3,55,13"},       // x is where the centre lies, in percent
      {0, 3, 0x1 | 0x400, "95,3,100,13"},  // the centre on the right edge
      {7, 3, 0x10, "45,3,55,13"},
      {7, 3, 0x20, "7,15,17,25"},
      {7, 3, 0x400, "83,3,93,13"},
      {7, 3, 0x800, "7,27,17,37"},
  };
  for (const Case& c : cases) {
    page.Background(-1, image, c.x, c.y, c.flags);
    EXPECT_EQ(BoxOf(page.Painted(), kRed), c.box) << "flags " << c.flags;
  }
}

TEST_F(PageImages, TilesRowsAndColumns) {
  TestPage page(Host(), 10, 10, 100, 40, -1);
  // One marked pixel per tile, at (3, 5).
  const HBITMAP tile = Keep(MakeImage(16, 16, [](int x, int y) { return x == 3 && y == 5 ? kBlue : 0xFFFFFFFFu; }));
  page.Background(-1, tile, 0, 2, 0x300);
  EXPECT_EQ(Count(page.Painted(), kBlue), 7 * 3);
  page.Background(-1, tile, 0, 2, 0x100);
  EXPECT_EQ(Count(page.Painted(), kBlue), 7);
  EXPECT_EQ(Rgb(page.Painted().Pixel(16 + 3, 2 + 5)), Rgb(kBlue));  // the row at y
  page.Background(-1, tile, 40, 0, 0x200);
  EXPECT_EQ(Count(page.Painted(), kBlue), 3);
  EXPECT_EQ(Rgb(page.Painted().Pixel(40 + 3, 16 + 5)), Rgb(kBlue));  // the column at x
}

// A grid blended from one pre-tiled row must show exactly what drawing tile by
// tile shows, over the same background: for a tile with alpha, a masked bitmap,
// and an alpha-less bitmap (which the list copies rather than blends, so the
// painter draws it tile by tile).
TEST_F(PageImages, TiledGridsEqualTileByTileDrawing) {
  const HBITMAP translucent = Keep(MakeImage(16, 16, [](int x, int y) {
    if (x < 4) return 0x00000000u;                // clear
    if (y < 8) return 0x80402000u | (x * 8 + y);  // half through
    return 0xFF00C000u | (x << 16);               // opaque
  }));
  const HBITMAP masked = Keep(MakeImage(16, 16, [](int x, int y) { return (x + y) % 3 ? 0xFF3060A0u : 0xFFFFFFFFu; }));
  const HBITMAP alphaLess = Keep(MakeImage(16, 16, [](int x, int y) { return (x * 16 + y) * 0x10101u; }));
  // Without GDI+ (no gradients) a plain face stands in.
  const int background = NoGdiPlus() ? 4 : Gradient(1, 0xFF2040E0, 0xFFE0C020);
  struct Case {
    HBITMAP image;
    int flags;
    bool blends;
  } const cases[] = {{translucent, 0x300, true}, {masked, 0x300 | 0x1000, true}, {alphaLess, 0x300, false}};
  for (const Case& c : cases) {
    TestPage tiled(Host(), 10, 10, 150, 70, 0);
    TestPage plain(Host(), 10, 90, 150, 70, 0);
    tiled.Background(background, c.image, 0, 0, c.flags);
    plain.Background(background);
    const Dib32& got = tiled.Painted();
    Dib32 expected(150, 70);
    BitBlt(expected.dc(), 0, 0, 150, 70, plain.Painted().dc(), 0, 0, SRCCOPY);
    // The page's list, made the way pages make theirs.
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 0);
    if (c.flags & 0x1000) {
      HBITMAP copy = static_cast<HBITMAP>(ImgBlend(c.image, 255.0f, 0, 0, 0, 0, 0));
      ImageList_AddMasked(list, copy, RGB(255, 255, 255));
      DeleteObject(copy);
    } else {
      ImageList_Add(list, c.image, nullptr);
    }
    EXPECT_EQ(kelvra::ImageListDrawsByBlending(list, 16, 16), c.blends) << "flags " << c.flags;
    for (int y = 0; y < 70; y += 16)
      for (int x = 0; x < 150; x += 16)
        ImageList_DrawEx(list, 0, expected.dc(), x, y, 16, 16, CLR_NONE, CLR_NONE, ILD_NORMAL);
    ImageList_Destroy(list);
    int differing = 0;
    for (int y = 0; y < 70; ++y)
      for (int x = 0; x < 150; ++x) differing += Rgb(got.Pixel(x, y)) != Rgb(expected.Pixel(x, y));
    EXPECT_EQ(differing, 0) << "flags " << c.flags;
  }
}

TEST_F(PageImages, StretchFillsTheAreaWithTheFirstImage) {
  TestPage page(Host(), 10, 10, 100, 40, -1);
  // The list keeps its images in a bitmap several cells wide: only the first cell
  // is the image. Without GDI+ nothing is stretched.
  page.Background(-1, Keep(SolidImage(10, 10, kRed)), 0, 0, 0x80);
  const Dib32& painted = page.Painted();
  EXPECT_EQ(Count(painted, kRed), NoGdiPlus() ? 0 : 100 * 40);
}

TEST_F(PageImages, TheOverlayStretchFlagDrawsOnceAtTheCorner) {
  TestPage page(Host(), 10, 10, 100, 40, -1);
  SetPanelExPageBackground(page.number(), 0, -1, Keep(SolidImage(10, 10, kRed)), 30, 20, 0, 0, 0x2000 | 0x80, 1);
  EXPECT_EQ(BoxOf(page.Painted(), kRed), "0,0,10,10");
}

TEST_F(PageImages, AnImageStoredWithoutSizeDrawsNothing) {
  TestPage page(Host(), 10, 10, 100, 40, -1);
  page.Background(-1, Keep(SolidImage(16, 16, kRed)), 0, 0, 0x300);
  ASSERT_EQ(BoxOf(page.Painted(), kRed), "0,0,100,40");
  // Only the stored size changes: a tile that never advances.
  const int unchanged = PANELEX_UNCHANGED;
  SetPanelExPageBackground(page.number(), 0, unchanged, reinterpret_cast<HANDLE>(static_cast<intptr_t>(unchanged)),
                           unchanged, unchanged, -5, unchanged, unchanged, 1);
  EXPECT_EQ(BoxOf(page.Painted(), kRed), "none");
}

}  // namespace
