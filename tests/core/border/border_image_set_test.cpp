// Border image sets drawn into a 32-bit DIB from a fixture whose eight slices each
// have their own colour; slice reuse by checksum; mask regions; and the region
// builder behind them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/border/border_image_set.h"
#include "core/image/region/region_from_image.h"
#include "core/image/runtime_image.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::image::RuntimeImage;
using kelvra::test::Dib32;

// Border images come from the image runtime: bottom-up 32-bit DIB sections.
std::unique_ptr<RuntimeImage> Image(int width, int height, uint32_t fill) {
  auto image = RuntimeImage::Create(width, height, 32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, fill);
  return image;
}

// 40 x 30 cut at (10, 10, 30, 20): corners 10 x 10, top and bottom edges 20 wide,
// side edges 10 tall. The first column of the top edge and the first row of the
// left edge carry a marker, so every tile's start shows.
constexpr uint32_t kTL = 0xFF100000, kTop = 0xFF200000, kTopMark = 0xFF210000, kTR = 0xFF300000;
constexpr uint32_t kLeft = 0xFF400000, kLeftMark = 0xFF410000, kRight = 0xFF500000;
constexpr uint32_t kBL = 0xFF600000, kBottom = 0xFF700000, kBR = 0xFF800000;
constexpr uint32_t kCentre = 0xFF900000, kBackground = 0xFF010203;
constexpr RECT kSlice{10, 10, 30, 20};

void PaintFixture(RuntimeImage& image) {
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool top = y < 10, bottom = y >= 20, left = x < 10, right = x >= 30;
      uint32_t c = kCentre;
      if (top) c = left ? kTL : right ? kTR : (x == 10 ? kTopMark : kTop);
      else if (bottom) c = left ? kBL : right ? kBR : kBottom;
      else if (left) c = y == 10 ? kLeftMark : kLeft;
      else if (right) c = kRight;
      image.SetPixel(x, y, c);
    }
}

// A see-through centre, which a mask built from the image keeps: the frame is
// what it cuts away.
void ClearCentre(RuntimeImage& image) {
  for (int y = 10; y < 20; ++y)
    for (int x = 10; x < 30; ++x) image.SetPixel(x, y, 0x00000000);
}

// What a w x h frame drawn at (0, 0) shows, for targets at least as large as the
// corners together.
uint32_t ExpectedFrame(int x, int y, int w, int h) {
  if (x >= w || y >= h) return kBackground;
  const bool top = y < 10, bottom = y >= h - 10, left = x < 10, right = x >= w - 10;
  if (top) return left ? kTL : right ? kTR : ((x - 10) % 20 == 0 ? kTopMark : kTop);
  if (bottom) return left ? kBL : right ? kBR : kBottom;
  if (left) return (y - 10) % 10 == 0 ? kLeftMark : kLeft;
  if (right) return kRight;
  return kBackground;  // the centre is the caller's
}

class BorderImageSetTest : public testing::Test {
 protected:
  void SetUp() override {
    PaintFixture(*image_);
    set_ = kelvra::AddBorderImageSet();
  }
  void TearDown() override { kelvra::ReleaseBorderImageSet(set_); }

  int Prepare(HBITMAP image, intptr_t mask, const RECT* slice) {
    return kelvra::PrepareBorderImageSlices(set_, image, mask, slice);
  }
  int DrawInto(int w, int h) {
    target_.Fill(kBackground);
    const RECT rect{0, 0, w, h};
    const int result = kelvra::DrawBorderImageSet(target_.dc(), set_, &rect);
    GdiFlush();
    return result;
  }
  // The first pixel of the target that differs from the model, or "" when none.
  std::string FrameMismatch(int w, int h) {
    for (int y = 0; y < target_.height(); ++y)
      for (int x = 0; x < target_.width(); ++x)
        if (target_.Pixel(x, y) != ExpectedFrame(x, y, w, h))
          return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                 std::to_string(target_.Pixel(x, y)) + " not " + std::to_string(ExpectedFrame(x, y, w, h));
    return "";
  }

  std::unique_ptr<RuntimeImage> image_ = Image(40, 30, 0);
  Dib32 target_{120, 60, kBackground};
  kelvra::BorderImageSet* set_ = nullptr;
};

TEST_F(BorderImageSetTest, FrameOf100By50TilesEndAtTheCorners) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  ASSERT_EQ(DrawInto(100, 50), 1);
  // Top tiles start at 10, 30, 50, 70; the last ends exactly at 90.
  EXPECT_EQ(FrameMismatch(100, 50), "");
  EXPECT_EQ(target_.Pixel(70, 0), kTopMark);
  EXPECT_EQ(target_.Pixel(89, 0), kTop);
  EXPECT_EQ(target_.Pixel(90, 0), kTR);
}

TEST_F(BorderImageSetTest, LastTileOf95WideTargetIsCut) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  ASSERT_EQ(DrawInto(95, 50), 1);
  EXPECT_EQ(FrameMismatch(95, 50), "");
  EXPECT_EQ(target_.Pixel(84, 0), kTop);  // the cut tile: 15 of its 20 columns
  EXPECT_EQ(target_.Pixel(85, 0), kTR);
  EXPECT_EQ(target_.Pixel(84, 45), kBottom);
}

TEST_F(BorderImageSetTest, TargetNoWiderThanItsCornersDrawsNoEdgeTile) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  // 20 wide: the edge span is 0. A tile drawn with width 0 would come out whole,
  // 20 columns from x = 10, past the right corner and the target.
  ASSERT_EQ(DrawInto(20, 50), 1);
  for (int x = 20; x < 40; ++x) {
    EXPECT_EQ(target_.Pixel(x, 0), kBackground) << x;
    EXPECT_EQ(target_.Pixel(x, 45), kBackground) << x;
  }
  EXPECT_EQ(target_.Pixel(9, 0), kTL);
  EXPECT_EQ(target_.Pixel(10, 0), kTR);
  EXPECT_EQ(target_.Pixel(19, 49), kBR);
  // 15 wide: the corners overlap, the span is negative, still no tile.
  ASSERT_EQ(DrawInto(15, 50), 1);
  for (int x = 15; x < 40; ++x) EXPECT_EQ(target_.Pixel(x, 0), kBackground) << x;
  EXPECT_EQ(target_.Pixel(4, 0), kTL);
  EXPECT_EQ(target_.Pixel(5, 0), kTR);
}

TEST_F(BorderImageSetTest, SlicesAreReusedUntilAPixelChanges) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  // Paint the kept top-edge piece magenta: only a re-used piece still shows it.
  auto* entry = set_->sliceMap.Find(kelvra::HandleKey(image_->Bitmap()));
  ASSERT_NE(entry, nullptr);
  auto magenta = Image(20, 10, 0xFFFF00FF);
  ASSERT_TRUE(ImageList_Replace(entry->pieces[kelvra::kTopEdge].get(), 0, magenta->Bitmap(), nullptr));

  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  DrawInto(100, 50);
  EXPECT_EQ(target_.Pixel(15, 5), 0xFFFF00FFu) << "the unchanged image was cut again";

  // One pixel of the centre (never drawn) changes: the checksum differs.
  image_->SetPixel(20, 15, 0xFF123456);
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  DrawInto(100, 50);
  EXPECT_EQ(FrameMismatch(100, 50), "");

  // A changed corner pixel shows after the next prepare.
  image_->SetPixel(0, 0, 0xFFABCDEF);
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  DrawInto(100, 50);
  EXPECT_EQ(target_.Pixel(0, 0), 0xFFABCDEFu);
}

TEST_F(BorderImageSetTest, RefusedInputKeepsThePreviousImage) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  auto other = Image(40, 30, 0xFF00FF00);
  const RECT refused[] = {{10, 10, 41, 20}, {10, 10, 30, 31}, {-1, 10, 30, 20}, {20, 10, 10, 20}, {10, 20, 30, 10}};
  for (const RECT& r : refused) EXPECT_EQ(Prepare(other->Bitmap(), kelvra::kNoBorderMask, &r), 0);
  // A device-dependent bitmap is no DIB section; a mask bitmap is checked too.
  HDC screen = GetDC(nullptr);
  HBITMAP ddb = CreateCompatibleBitmap(screen, 40, 30);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(Prepare(ddb, kelvra::kNoBorderMask, &kSlice), 0);
  EXPECT_EQ(Prepare(other->Bitmap(), reinterpret_cast<intptr_t>(ddb), &kSlice), 0);
  DeleteObject(ddb);
  EXPECT_EQ(kelvra::PrepareBorderImageSlices(nullptr, image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 0);

  ASSERT_EQ(DrawInto(100, 50), 1);
  EXPECT_EQ(FrameMismatch(100, 50), "");
}

TEST_F(BorderImageSetTest, MaskRegionClipsAndIsCachedBySize) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  EXPECT_EQ(kelvra::GetBorderMaskRegion(set_, &kSlice), nullptr);  // no mask asked for

  // Cut away a rounded top-left corner, the top-right pixel and the first column
  // of every top-edge tile.
  auto mask = Image(40, 30, 0);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {39, 0}, {10, 0}}) mask->SetPixel(x, y, 0xFFFFFFFF);
  ASSERT_EQ(Prepare(image_->Bitmap(), reinterpret_cast<intptr_t>(mask->Bitmap()), &kSlice), 1);
  const RECT rect{200, 300, 300, 350};  // only the size matters
  HRGN region = kelvra::GetBorderMaskRegion(set_, &rect);
  ASSERT_NE(region, nullptr);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {99, 0}, {10, 0}, {30, 0}, {70, 0}, {100, 0}, {0, 50}})
    EXPECT_FALSE(PtInRegion(region, x, y)) << x << "," << y;
  for (auto [x, y] : {std::pair{2, 0}, {1, 1}, {98, 0}, {11, 0}, {90, 0}, {50, 25}, {99, 49}, {0, 49}})
    EXPECT_TRUE(PtInRegion(region, x, y)) << x << "," << y;

  // It clips: a fill through it leaves the cut-away pixels alone.
  target_.Fill(kBackground);
  SelectClipRgn(target_.dc(), region);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT all{0, 0, 120, 60};
  FillRect(target_.dc(), &all, red);
  DeleteObject(red);
  SelectClipRgn(target_.dc(), nullptr);
  EXPECT_EQ(target_.Pixel(0, 0) & 0xFFFFFF, kBackground & 0xFFFFFF);
  EXPECT_EQ(target_.Pixel(5, 5) & 0xFFFFFF, 0xFF0000u);

  EXPECT_EQ(kelvra::GetBorderMaskRegion(set_, &rect), region);  // same size: the cached one
  const RECT smaller{0, 0, 60, 40};
  HRGN rebuilt = kelvra::GetBorderMaskRegion(set_, &smaller);
  ASSERT_NE(rebuilt, nullptr);
  RECT box{};
  GetRgnBox(rebuilt, &box);
  EXPECT_EQ(box.right, 60);
  EXPECT_EQ(box.bottom, 40);
  EXPECT_FALSE(PtInRegion(rebuilt, 59, 0));
  EXPECT_TRUE(PtInRegion(rebuilt, 58, 0));

  // No mask: no region.
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  EXPECT_EQ(kelvra::GetBorderMaskRegion(set_, &rect), nullptr);
}

TEST_F(BorderImageSetTest, MaskOnlyDrawsNothingAndStillClips) {
  // A see-through centre: the mask built from the image keeps what the frame
  // encloses and cuts the frame itself away.
  ClearCentre(*image_);
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kMaskOnlyFromBorderImage, &kSlice), 1);
  EXPECT_EQ(DrawInto(100, 50), 0);
  EXPECT_EQ(target_.Pixel(5, 5), kBackground);
  const RECT rect{0, 0, 100, 50};
  HRGN region = kelvra::GetBorderMaskRegion(set_, &rect);
  ASSERT_NE(region, nullptr);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 9, 9));
  EXPECT_TRUE(PtInRegion(region, 10, 10));
  EXPECT_TRUE(PtInRegion(region, 89, 39));
  EXPECT_FALSE(PtInRegion(region, 90, 40));

  // Mask 0: drawn and clipped.
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
  EXPECT_EQ(DrawInto(100, 50), 1);
  EXPECT_NE(kelvra::GetBorderMaskRegion(set_, &rect), nullptr);
  // No image: nothing to draw.
  ASSERT_EQ(Prepare(nullptr, kelvra::kNoBorderMask, nullptr), 1);
  EXPECT_EQ(DrawInto(100, 50), 0);
}

// An image whose pixels change so that it gives no mask any more (its centre now
// reads as frame) must not go on clipping with the mask of its old pixels.
TEST_F(BorderImageSetTest, AnImageThatNoLongerGivesAMaskClipsNothing) {
  ClearCentre(*image_);
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
  const RECT rect{0, 0, 100, 50};
  ASSERT_NE(kelvra::GetBorderMaskRegion(set_, &rect), nullptr);
  PaintFixture(*image_);  // the centre is opaque again, near the frame's colours
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
  EXPECT_EQ(kelvra::GetBorderMaskRegion(set_, &rect), nullptr);
  EXPECT_EQ(DrawInto(100, 50), 1);
}

// The caller's bitmap is read in place: a full runtime image table neither stops
// the set nor costs the caller its bitmap.
TEST_F(BorderImageSetTest, CallersBitmapIsViewedNotEnteredInTheImageTable) {
  const size_t before = kelvra::image::RuntimeImageCount();
  kelvra::image::SetRuntimeImageTableCapacity(before);
  const int prepared = Prepare(image_->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice);
  kelvra::image::SetRuntimeImageTableCapacity(kelvra::image::kRuntimeImageTableCapacity);
  ASSERT_EQ(prepared, 1);
  EXPECT_EQ(kelvra::image::RuntimeImageCount(), before);
  EXPECT_EQ(GetObjectType(image_->Bitmap()), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(image_->Pixel(0, 0), kTL) << "the caller's pixels are untouched";
  ASSERT_EQ(DrawInto(100, 50), 1);
  EXPECT_EQ(FrameMismatch(100, 50), "");
}

// A set keeps the pieces of its latest two images, however many it is given; the
// one before the latest is re-used as it was.
TEST_F(BorderImageSetTest, KeepsThePiecesOfItsLatestTwoImagesOnly) {
  std::vector<std::unique_ptr<RuntimeImage>> images;
  for (int i = 0; i < 10; ++i) {
    images.push_back(Image(40, 30, 0));
    PaintFixture(*images.back());
    ClearCentre(*images.back());
    images.back()->SetPixel(20, 15, i);  // a centre pixel: distinct checksums
    ASSERT_EQ(Prepare(images.back()->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
    EXPECT_LE(set_->sliceMap.Size(), 2u) << i;
    EXPECT_LE(set_->maskMap.Size(), 2u) << i;
  }
  const auto key = [&](int i) { return kelvra::HandleKey(images[i]->Bitmap()); };
  EXPECT_NE(set_->sliceMap.Find(key(9)), nullptr);
  ASSERT_NE(set_->sliceMap.Find(key(8)), nullptr);
  EXPECT_EQ(set_->sliceMap.Find(key(7)), nullptr);
  HIMAGELIST kept = set_->sliceMap.Find(key(8))->pieces[kelvra::kTopEdge].get();
  ASSERT_EQ(Prepare(images[8]->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
  EXPECT_EQ(set_->sliceMap.Find(key(8))->pieces[kelvra::kTopEdge].get(), kept) << "flipping back re-cuts nothing";
  const RECT rect{0, 0, 100, 50};
  EXPECT_NE(kelvra::GetBorderMaskRegion(set_, &rect), nullptr);
  // An image that went out of the set comes back cut afresh.
  ASSERT_EQ(Prepare(images[0]->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
  ASSERT_EQ(DrawInto(100, 50), 1);
  EXPECT_EQ(FrameMismatch(100, 50), "");
  EXPECT_NE(kelvra::GetBorderMaskRegion(set_, &rect), nullptr);
}

// A rectangle two billion pixels wide: what lies in the clip box is drawn, right,
// and at once.
TEST_F(BorderImageSetTest, HugeRectangleDrawsWhatIsVisibleInBoundedTime) {
  ASSERT_EQ(Prepare(image_->Bitmap(), kelvra::kNoBorderMask, &kSlice), 1);
  target_.Fill(kBackground);
  // Tiles start 10 past the left edge, every 20: at 10 mod 20 on the target.
  const RECT huge{-2000000000, 0, 2000000000, 50};
  const DWORD start = GetTickCount();
  ASSERT_EQ(kelvra::DrawBorderImageSet(target_.dc(), set_, &huge), 1);
  GdiFlush();
  EXPECT_LT(GetTickCount() - start, 2000u);
  for (int x = 0; x < target_.width(); ++x) {
    EXPECT_EQ(target_.Pixel(x, 0), x % 20 == 10 ? kTopMark : kTop) << x;
    EXPECT_EQ(target_.Pixel(x, 25), kBackground) << x << ": the side edges lie far outside";
    EXPECT_EQ(target_.Pixel(x, 45), kBottom) << x;
  }
  // The same reaching down past the 32-bit range's end: the left side shows.
  target_.Fill(kBackground);
  const RECT tall{0, -2147483647, 100, 2147483647};
  ASSERT_EQ(kelvra::DrawBorderImageSet(target_.dc(), set_, &tall), 1);
  GdiFlush();
  for (int y = 0; y < target_.height(); ++y) {
    const int fromTop = static_cast<int>((int64_t{y} + 2147483647 - 10) % 10);
    EXPECT_EQ(target_.Pixel(0, y), fromTop == 0 ? kLeftMark : kLeft) << y;
    EXPECT_EQ(target_.Pixel(95, y), kRight) << y;
  }
  EXPECT_LT(GetTickCount() - start, 4000u);
}

TEST_F(BorderImageSetTest, HugeMaskRegionIsBuiltOverAWindowsWorthOfPixels) {
  auto mask = Image(40, 30, 0);
  mask->SetPixel(0, 0, 0xFFFFFFFF);  // the top-left pixel is cut away
  ASSERT_EQ(Prepare(image_->Bitmap(), reinterpret_cast<intptr_t>(mask->Bitmap()), &kSlice), 1);
  const RECT huge{-2000000000, -2000000000, 2000000000, 2000000000};
  const DWORD start = GetTickCount();
  HRGN region = kelvra::GetBorderMaskRegion(set_, &huge);
  EXPECT_LT(GetTickCount() - start, 2000u);
  ASSERT_NE(region, nullptr);
  RECT box{};
  GetRgnBox(region, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 0x8000);
  EXPECT_EQ(box.bottom, 0x8000);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  EXPECT_EQ(kelvra::GetBorderMaskRegion(set_, &huge), region) << "cached for its size";
}

TEST(BorderImageSetLifetime, ReleaseRemovesTheSetAndItsCount) {
  kelvra::BorderImageSet* set = kelvra::AddBorderImageSet();
  const std::wstring key = kelvra::HandleKey(set);
  ASSERT_NE(kelvra::BorderSetReferenceCounts().Find(key), nullptr);
  EXPECT_EQ(*kelvra::BorderSetReferenceCounts().Find(key), 1);
  auto image = Image(40, 30, 0xFF445566);
  Dib32 target(10, 10);
  ASSERT_EQ(kelvra::PrepareBorderImageSlices(set, image->Bitmap(), kelvra::kMaskFromBorderImage, &kSlice), 1);
  EXPECT_EQ(kelvra::ReleaseBorderImageSet(set), 0);
  EXPECT_EQ(kelvra::BorderSetReferenceCounts().Find(key), nullptr);
  EXPECT_FALSE(kelvra::BorderImageSets().Contains(set));
  // The stale handle is refused everywhere.
  const RECT rect{0, 0, 10, 10};
  EXPECT_EQ(kelvra::PrepareBorderImageSlices(set, image->Bitmap(), kelvra::kNoBorderMask, &kSlice), 0);
  EXPECT_EQ(kelvra::DrawBorderImageSet(target.dc(), set, &rect), 0);
  EXPECT_EQ(kelvra::GetBorderMaskRegion(set, &rect), nullptr);
  EXPECT_EQ(kelvra::ReleaseBorderImageSet(set), 0);
}

TEST(CreateRegionFromImage, CoversExactlyThePixelsThatDifferFromTheKey) {
  auto image = kelvra::image::RuntimeImage::Create(13, 9, 32);
  ASSERT_TRUE(image);
  const uint32_t key = 0x80FFFFFF;
  uint32_t seed = 12345;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 13; ++x) {
      seed = seed * 1103515245u + 12345u;
      // Mostly key, some pixels differing in colour or only in alpha; rows 3 and 4
      // are alike so they merge into one band.
      const uint32_t r = (seed >> 16) % 4;
      uint32_t value = r == 0 ? 0xFF000000 : r == 1 ? 0x00FFFFFF : key;
      if (y == 4) value = image->Pixel(x, 3);
      image->SetPixel(x, y, value);
    }
  HRGN region = kelvra::CreateRegionFromImage(*image, key);
  ASSERT_NE(region, nullptr);
  for (int y = -1; y <= 9; ++y)
    for (int x = -1; x <= 13; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < 13 && y < 9 && image->Pixel(x, y) != key;
      EXPECT_EQ(PtInRegion(region, x, y) != 0, inside) << x << "," << y;
    }
  DeleteObject(region);

  auto blank = kelvra::image::RuntimeImage::Create(4, 4, 32);
  HRGN empty = kelvra::CreateRegionFromImage(*blank, 0);
  RECT box{};
  EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
  DeleteObject(empty);
}

}  // namespace
