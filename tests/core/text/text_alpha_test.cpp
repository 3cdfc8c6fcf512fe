// The alpha repair of GDI text and drawing on 32-bit back buffers: the filter's
// arithmetic as a table, then the whole repair on a runtime image.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "core/text/formatted_text.h"
#include "core/image/runtime_image.h"
#include "core/text/text_alpha.h"
#include "core/text/text_alpha_filter.h"
#include "kelvra.h"

namespace {

using kelvra::MaskAlphaFilter;
using kelvra::MaskAlphaPixel;

uint32_t Scratch(uint32_t alpha, uint32_t coverage) { return (alpha << 24) | (coverage << 16) | (coverage << 8) | coverage; }

TEST(MaskAlphaFilter, Arithmetic) {
  struct Case {
    int32_t runningIn;
    uint32_t source, target;
    uint32_t alphaOut;
    int32_t runningOut;
  };
  const Case cases[] = {
      // Untouched scratch pixel: the target's alpha is taken up and kept.
      {0, Scratch(255, 0), 0xC8123456, 200, 200},
      {77, Scratch(255, 0), 0x00123456, 0, 0},
      // Text over a background of alpha 200: full coverage is opaque.
      {200, Scratch(0, 255), 0x00FF0000, 255, 200},
      // Partial coverage blends toward opaque, truncating: (127*100 + 128*255)/255.
      {100, Scratch(0, 128), 0x00FF0000, 177, 100},
      {100, Scratch(0, 0), 0x00FF0000, 100, 100},
      // Over a fully transparent background text stays at most 255*255/355.
      {0, Scratch(0, 255), 0x00FF0000, 183, 0},
      {0, Scratch(0, 100), 0x00FF0000, 71, 0},
      {0, Scratch(0, 0), 0x00FF0000, 0, 0},
      // Source alpha neither 0 nor 255 uses the blend with the running alpha.
      {0, Scratch(128, 255), 0x00FF0000, 255, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << "source " << c.source << " running " << c.runningIn);
    int32_t running = c.runningIn;
    const uint32_t result = MaskAlphaPixel(c.source, c.target, running);
    EXPECT_EQ(result >> 24, c.alphaOut);
    EXPECT_EQ(result & 0xFFFFFF, c.target & 0xFFFFFF);  // the colour is the target's
    EXPECT_EQ(running, c.runningOut);
  }
}

TEST(MaskAlphaFilter, OutsideBoundsOrRegionTheTargetIsUnchanged) {
  const kelvra::FilterRect region[] = {{2, 2, 8, 8}};
  MaskAlphaFilter filter(10, 10, region);
  const uint32_t target = 0x40ABCDEF;
  EXPECT_EQ(filter(10, 5, Scratch(0, 255), target), target);  // right of the bounds
  EXPECT_EQ(filter(5, 10, Scratch(0, 255), target), target);  // below them
  EXPECT_EQ(filter(1, 5, Scratch(0, 255), target), target);   // outside the region
  EXPECT_EQ(filter(5, 5, Scratch(255, 0), target), target);   // untouched: alpha kept
  EXPECT_EQ(filter(6, 5, Scratch(0, 255), target) >> 24, 255u);
  EXPECT_EQ(filter.running(), 0x40);
}

// A 32-bit runtime image selected into a memory DC: the shape of a back buffer.
class BackBuffer : public testing::Test {
 protected:
  void SetUp() override {
    image_ = kelvra::image::RuntimeImage::Create(120, 40, 32);
    ASSERT_TRUE(image_);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, image_->Bitmap());
    font_ = LoadFontEx(L"Tahoma", 18, 1);
  }
  void TearDown() override {
    FreeFontEx(font_);
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  void Fill(uint32_t value) {
    GdiFlush();
    for (int y = 0; y < image_->Height(); ++y)
      for (int x = 0; x < image_->Width(); ++x) image_->SetPixel(x, y, value);
  }
  uint32_t Pixel(int x, int y) {
    GdiFlush();
    return image_->Pixel(x, y);
  }
  void DrawAndRepair(const wchar_t* text, RECT rect) {
    kelvra::DrawFormattedText(dc_, text, &rect, font_, 0);
    kelvra::RepairTextAlpha(dc_, text, rect, font_, 0, *image_);
  }

  std::unique_ptr<kelvra::image::RuntimeImage> image_;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(BackBuffer, TextTakesTheAlphaOfItsBackground) {
  Fill(0x80FFFFFF);  // white, half transparent
  SetTextColor(dc_, RGB(0, 0, 0));
  DrawAndRepair(L"WW", RECT{10, 5, 80, 35});
  uint32_t maxInkAlpha = 0, minInkAlpha = 255;
  int ink = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 10; x < 80; ++x) {
      const uint32_t p = Pixel(x, y);
      if ((p & 0xFFFFFF) == 0xFFFFFF) {
        EXPECT_EQ(p >> 24, 0x80u) << x << "," << y;  // background keeps its alpha
        continue;
      }
      ++ink;
      maxInkAlpha = std::max(maxInkAlpha, p >> 24);
      minInkAlpha = std::min(minInkAlpha, p >> 24);
    }
  ASSERT_GT(ink, 20);
  EXPECT_EQ(maxInkAlpha, 255u);
  EXPECT_GE(minInkAlpha, 0x80u);
  EXPECT_EQ(Pixel(100, 20), 0x80FFFFFFu);  // outside the box nothing changes
}

// Rectangles at the ends of the 32-bit range, or beside the back buffer, are
// measured in 64 bits and repair nothing they do not meet.
TEST_F(BackBuffer, RectanglesOutsideTheBufferOrTheRangeChangeNothing) {
  Fill(0x80FFFFFF);
  const RECT rects[] = {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MIN, 0, INT_MIN + 10, 10},
                        {INT_MAX - 10, 0, INT_MAX, 10},     {200, 0, 300, 10},
                        {0, -1000, 100, -990},              {0, 0, INT_MAX, 10}};
  for (const RECT& rect : rects) kelvra::RepairTextAlpha(dc_, L"WW", rect, font_, 0, *image_);
  for (int y = 0; y < image_->Height(); ++y)
    for (int x = 0; x < image_->Width(); ++x) ASSERT_EQ(Pixel(x, y), 0x80FFFFFFu) << x << "," << y;
}

TEST_F(BackBuffer, TextOnNothingStaysPartlyTransparent) {
  Fill(0x00000000);
  SetTextColor(dc_, RGB(255, 0, 0));
  DrawAndRepair(L"WW", RECT{10, 5, 80, 35});
  uint32_t maxInkAlpha = 0;
  int ink = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 10; x < 80; ++x) {
      const uint32_t p = Pixel(x, y);
      if ((p & 0xFFFFFF) == 0) {
        EXPECT_EQ(p >> 24, 0u);
        continue;
      }
      ++ink;
      maxInkAlpha = std::max(maxInkAlpha, p >> 24);
    }
  ASSERT_GT(ink, 20);
  EXPECT_EQ(maxInkAlpha, 183u);
}

TEST_F(BackBuffer, ClipRegionLimitsTheRepair) {
  Fill(0x80FFFFFF);
  SetTextColor(dc_, RGB(0, 0, 0));
  // Drawn without the clip so ink exists on both sides; repaired with it.
  RECT rect{10, 5, 80, 35};
  kelvra::DrawFormattedText(dc_, L"WWW", &rect, font_, 0);
  HRGN clip = CreateRectRgn(0, 0, 30, 40);
  SelectClipRgn(dc_, clip);
  DeleteObject(clip);
  kelvra::RepairTextAlpha(dc_, L"WWW", rect, font_, 0, *image_);
  SelectClipRgn(dc_, nullptr);
  int repairedRight = 0, repairedLeft = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 10; x < 80; ++x) {
      const uint32_t p = Pixel(x, y);
      if ((p & 0xFFFFFF) != 0xFFFFFF && (p >> 24) > 0x80) ++(x < 30 ? repairedLeft : repairedRight);
    }
  EXPECT_GT(repairedLeft, 0);
  EXPECT_EQ(repairedRight, 0);
}

TEST_F(BackBuffer, BackupPageAlphaMakesTheRectangleOpaqueOnTheSecondCall) {
  Fill(0x00336699);
  const RECT rect{20, 10, 50, 30};
  kelvra::BackupImageAlpha(rect, *image_);
  EXPECT_EQ(Pixel(25, 15), 0x00336699u);  // the first call only prepares
  kelvra::BackupImageAlpha(rect, *image_);
  EXPECT_EQ(Pixel(20, 10), 0xFF336699u);
  EXPECT_EQ(Pixel(49, 29), 0xFF336699u);
  EXPECT_EQ(Pixel(50, 29), 0x00336699u);
  EXPECT_EQ(Pixel(19, 10), 0x00336699u);
  // The stamp is gone: the next pair starts over.
  Fill(0x00336699);
  kelvra::BackupImageAlpha(rect, *image_);
  EXPECT_EQ(Pixel(25, 15), 0x00336699u);
  kelvra::BackupImageAlpha(rect, *image_);
  EXPECT_EQ(Pixel(25, 15), 0xFF336699u);
}

TEST_F(BackBuffer, NoPanelBackBufferMeansNoRepair) {
  // Panels are not built: no bitmap is a back buffer, so nothing is touched.
  Fill(0x80FFFFFF);
  const RECT rect{20, 10, 50, 30};
  kelvra::BackupPageAlpha(dc_, &rect);
  kelvra::BackupPageAlpha(dc_, &rect);
  EXPECT_EQ(Pixel(25, 15), 0x80FFFFFFu);
}

// Each thread repairs with its own scratch image: two threads repairing text at
// once get what each gets alone.
uint64_t RepairedTextChecksum(int variant) {
  auto image = kelvra::image::RuntimeImage::Create(160, 48, 32);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, image->Bitmap());
  HFONT font = LoadFontEx(L"Tahoma", 10 + variant * 3, variant & 1);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 160; ++x) image->SetPixel(x, y, 0x80FFFFFF);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT rect{4 + variant, 2, 70 + variant * 25, 18 + variant * 8};
  kelvra::DrawFormattedText(dc, L"Wq\\bX", &rect, font, 0);
  kelvra::RepairTextAlpha(dc, L"Wq\\bX", rect, font, 0, *image);
  GdiFlush();
  uint64_t sum = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 160; ++x) sum = sum * 1000003u + image->Pixel(x, y);
  FreeFontEx(font);
  SelectObject(dc, old);
  DeleteDC(dc);
  return sum;
}

uint64_t gExpectedChecksums[4];

DWORD WINAPI RepairTextRepeatedly(LPVOID mismatches) {
  for (int i = 0; i < 150; ++i)
    if (RepairedTextChecksum(i % 4) != gExpectedChecksums[i % 4]) ++*static_cast<LONG*>(mismatches);
  return 0;
}

TEST(TextAlphaThreads, EachThreadRepairsWithItsOwnScratchImage) {
  for (int variant = 0; variant < 4; ++variant) gExpectedChecksums[variant] = RepairedTextChecksum(variant);
  LONG mismatches[2] = {0, 0};
  HANDLE threads[2];
  for (int i = 0; i < 2; ++i) threads[i] = CreateThread(nullptr, 0, RepairTextRepeatedly, &mismatches[i], 0, nullptr);
  WaitForMultipleObjects(2, threads, TRUE, 60000);
  for (HANDLE thread : threads) CloseHandle(thread);
  EXPECT_EQ(mismatches[0] + mismatches[1], 0);
}

}  // namespace
