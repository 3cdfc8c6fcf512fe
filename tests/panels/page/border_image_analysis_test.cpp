// The border image analyses on drawn fixtures: where a frame's slice rectangle
// lies, and which pixels its mask marks as frame. Pure code: no windows here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>

#include "panels/page/border_image_analysis.h"

namespace {

using kelvra::BuildBorderMask;
using kelvra::FindBorderMargins;
using kelvra::SliceRect;
using kelvra::image::PixelBuffer;

constexpr uint32_t kDark = 0xFF202020, kWhite = 0xFFFFFFFF, kClear = 0x00000000;
constexpr uint32_t kMaskFrame = 0xFFFFFFFF, kMaskInside = 0;

PixelBuffer Draw(int width, int height, const std::function<uint32_t(int, int)>& colour) {
  PixelBuffer image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.At(x, y) = colour(x, y);
  return image;
}

bool InSquareFrame(int x, int y, int size, int thickness) {
  return x < thickness || y < thickness || x >= size - thickness || y >= size - thickness;
}

// A square frame of `thickness` dark pixels around a white face.
PixelBuffer SquareFrame(int size, int thickness, uint32_t face = kWhite) {
  return Draw(size, size, [=](int x, int y) { return InSquareFrame(x, y, size, thickness) ? kDark : face; });
}

// A frame whose corners are rounded with `radius`; outside the arcs it is clear.
PixelBuffer RoundedFrame(int size, int thickness, int radius) {
  return Draw(size, size, [=](int x, int y) {
    const int cx = x < radius ? radius : x >= size - radius ? size - 1 - radius : x;
    const int cy = y < radius ? radius : y >= size - radius ? size - 1 - radius : y;
    const double distance = std::hypot(x - cx, y - cy);
    if (distance > radius) return kClear;
    if (distance > radius - thickness || InSquareFrame(x, y, size, thickness)) return kDark;
    return kWhite;
  });
}

TEST(FindBorderMargins, ThreePixelFrameOf30) {
  // The probes stop on the first face pixel: the margins lie one pixel inside the
  // frame on the top and left, two on the bottom and right.
  EXPECT_EQ(FindBorderMargins(SquareFrame(30, 3)), (SliceRect{4, 4, 25, 25}));
  EXPECT_EQ(FindBorderMargins(SquareFrame(2000, 3)), (SliceRect{4, 4, 1995, 1995}));
}

TEST(FindBorderMargins, DegenerateImages) {
  EXPECT_EQ(FindBorderMargins(PixelBuffer{}), std::nullopt);
  // One pixel: no probe moves; the caller makes the inverted result usable.
  EXPECT_EQ(FindBorderMargins(Draw(1, 1, [](int, int) { return kDark; })), (SliceRect{1, 1, -1, -1}));
  // A flat image: the probes run to the middle.
  EXPECT_EQ(FindBorderMargins(Draw(10, 6, [](int, int) { return kDark; })), (SliceRect{6, 4, 4, 2}));
}

TEST(BuildBorderMask, SquareFrameKeepsItsInside) {
  // The probed rectangle's corners lie in the face: the corner fill must not
  // flood the face, or the mask would clip the whole page away.
  const auto mask = BuildBorderMask(SquareFrame(30, 3));
  ASSERT_TRUE(mask);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(mask->At(x, y), InSquareFrame(x, y, 30, 3) ? kMaskFrame : kMaskInside) << x << "," << y;
}

TEST(BuildBorderMask, RoundedFrameCutsItsOuterCorners) {
  const auto mask = BuildBorderMask(RoundedFrame(40, 3, 12));
  ASSERT_TRUE(mask);
  // Beyond the arc but inside the probed rectangle (which starts at 3, 3): the
  // clear corner is filled as frame, in all four corners.
  for (auto [x, y] : {std::pair{3, 3}, {36, 3}, {3, 36}, {36, 36}, {0, 0}, {4, 4}})
    EXPECT_EQ(mask->At(x, y), kMaskFrame) << x << "," << y;
  // Within the arc: the face stays inside, right up to the curve.
  for (auto [x, y] : {std::pair{20, 20}, {8, 8}, {31, 31}, {3 + 0, 20}, {20, 3}})
    EXPECT_EQ(mask->At(x, y), kMaskInside) << x << "," << y;
}

TEST(BuildBorderMask, NoMaskWhenTheCentreReadsAsFrame) {
  // A flat capture (the pressed themed button face) and a face within 80 grey
  // levels of its edge would give an all-white mask.
  EXPECT_EQ(BuildBorderMask(Draw(100, 100, [](int, int) { return 0xFFD4D0C8u; })), std::nullopt);
  EXPECT_EQ(BuildBorderMask(SquareFrame(30, 3, 0xFF707070)), std::nullopt);
  EXPECT_EQ(BuildBorderMask(PixelBuffer{}), std::nullopt);
  // A face just beyond the reach keeps its mask.
  EXPECT_TRUE(BuildBorderMask(SquareFrame(30, 3, 0xFF858585)));
}

TEST(BuildBorderMask, LargeAndTinyImages) {
  const auto large = BuildBorderMask(SquareFrame(2000, 3));
  ASSERT_TRUE(large);
  EXPECT_EQ(large->At(1000, 1000), kMaskInside);
  EXPECT_EQ(large->At(3, 3), kMaskInside);  // the whole face is one area with the centre
  EXPECT_EQ(large->At(1997, 1000), kMaskFrame);
  // One pixel that is its own centre and differs from the probes' start.
  const auto tiny = BuildBorderMask(Draw(1, 1, [](int, int) { return kDark; }));
  ASSERT_TRUE(tiny);
  EXPECT_EQ(tiny->At(0, 0), kMaskInside);
}

}  // namespace
