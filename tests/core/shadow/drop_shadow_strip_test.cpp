// The pictures of shadow strips and the runs a shadow window copies out of a
// cached strip, without windows.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/shadow/drop_shadow_strip.h"

namespace {

using namespace kelvra;

constexpr uint32_t kColour = 10 | (20 << 8) | (200 << 16);  // RGB(10, 20, 200)

// A vertical strip, 5 thick and 100 long at opacity 200: the along-alpha rises
// over the first 5 rows, is full from row 4 to row 95 and falls over the last 4;
// across, the column next to the window has 4/5 of it and the outermost none.
TEST(ShadowStrip, AlongAndAcrossAlphaOfAVerticalStrip) {
  const StripPicture strip = MakeStripPicture(true, 5, 100, 200, kColour);
  ASSERT_EQ(5, strip.width);
  ASSERT_EQ(100, strip.height);
  const struct {
    int row, alongAlpha;
  } rows[] = {{0, 40}, {1, 80}, {3, 160}, {4, 200}, {5, 200}, {50, 200}, {94, 200}, {95, 200}, {96, 160}, {99, 40}};
  for (const auto& row : rows) {
    EXPECT_EQ(row.alongAlpha, StripAlongAlpha(row.row, 100, 5, 200)) << "row " << row.row;
    const int expectedColumnAlpha[5] = {row.alongAlpha * 4 / 5, row.alongAlpha * 3 / 5, row.alongAlpha * 2 / 5,
                                        row.alongAlpha * 1 / 5, 0};
    for (int column = 0; column < 5; ++column)
      EXPECT_EQ(static_cast<uint32_t>(expectedColumnAlpha[column]), strip.pixels[row.row * 5 + column] >> 24)
          << "row " << row.row << " column " << column;
  }
}

// Premultiplied, blue in the low byte: a Win32 colour's red and blue end up in
// their places (a swap shows as a large red channel).
TEST(ShadowStrip, PixelsArePremultipliedBgra) {
  const uint32_t pixel = PremultipliedShadowPixel(kColour, 160);
  EXPECT_EQ(160u, pixel >> 24);
  EXPECT_EQ(10u * 160 / 255, (pixel >> 16) & 0xFF);  // red
  EXPECT_EQ(20u * 160 / 255, (pixel >> 8) & 0xFF);   // green
  EXPECT_EQ(200u * 160 / 255, pixel & 0xFF);         // blue, the strongest
  EXPECT_EQ(0u, PremultipliedShadowPixel(kColour, 0));
  EXPECT_EQ(0xFF0A14C8u, PremultipliedShadowPixel(kColour, 255));
}

// The horizontal strip is the vertical one mirrored about the diagonal, and the
// bottom-up layout the same rows in reverse.
TEST(ShadowStrip, HorizontalStripMirrorsAndBottomUpReverses) {
  const StripPicture vertical = MakeStripPicture(true, 5, 37, 123, kColour);
  const StripPicture horizontal = MakeStripPicture(false, 5, 37, 123, kColour);
  const StripPicture bottomUp = MakeStripPicture(false, 5, 37, 123, kColour, RowOrder::BottomUp);
  ASSERT_EQ(37, horizontal.width);
  ASSERT_EQ(5, horizontal.height);
  for (int along = 0; along < 37; ++along)
    for (int across = 0; across < 5; ++across) {
      EXPECT_EQ(vertical.pixels[along * 5 + across], horizontal.pixels[across * 37 + along]);
      EXPECT_EQ(horizontal.pixels[across * 37 + along], bottomUp.pixels[(4 - across) * 37 + along]);
    }
}

TEST(ShadowStrip, ExtentOfARequest) {
  const struct {
    int32_t width, height;
    uint32_t flags;
    StripExtent extent;
  } cases[] = {
      {5, 100, kShadowVertical, {5, 100, 100}},
      {5, 100, kShadowVertical | kShadowShowsStart, {5, 100, 105}},
      {100, 5, kShadowShowsEnd, {5, 100, 105}},
      {100, 5, kShadowShowsMiddle, {5, 100, 110}},
      {100, 7, 0, {7, 100, 100}},
  };
  for (const auto& c : cases) {
    const StripExtent e = StripExtentOf(c.width, c.height, c.flags);
    EXPECT_EQ(c.extent.thickness, e.thickness) << c.width << "x" << c.height << " flags " << c.flags;
    EXPECT_EQ(c.extent.size, e.size);
    EXPECT_EQ(c.extent.length, e.length);
  }
}

// Which positions of the cache a window shows: the start, the end, the middle,
// or, for a window shorter than the cache without piece flags, its start and the
// cache's faded end.
TEST(ShadowStrip, PieceRuns) {
  const struct {
    uint32_t flags;
    int32_t size, cacheLength;
    std::vector<StripRun> runs;
  } cases[] = {
      {kShadowShowsStart, 50, 55, {{0, 0, 50}}},
      {kShadowShowsStart, 50, 300, {{0, 0, 50}}},
      {kShadowShowsEnd, 50, 55, {{5, 0, 50}}},
      {kShadowShowsEnd, 50, 200, {{150, 0, 50}}},
      {kShadowShowsMiddle, 50, 60, {{5, 0, 50}}},
      {0, 100, 100, {{0, 0, 100}}},
      {0, 60, 100, {{0, 0, 55}, {95, 55, 5}}},
      {0, 3, 100, {{97, 0, 3}}},
      {kShadowVertical, 60, 300, {{0, 0, 55}, {295, 55, 5}}},
  };
  for (const auto& c : cases) {
    const StripRuns runs = PieceRuns(c.flags, c.size, 5, c.cacheLength);
    const std::vector<StripRun> got(runs.runs, runs.runs + runs.count);
    EXPECT_EQ(c.runs, got) << "flags " << c.flags << " size " << c.size << " cache " << c.cacheLength;
  }
}

// Whatever the request and cache, the runs stay inside both and fill the window.
TEST(ShadowStrip, RunsStayInsideCacheAndFillTheWindow) {
  for (uint32_t flags : {0u, 1u, 2u, 4u})
    for (int32_t thickness = 1; thickness <= 7; ++thickness)
      for (int32_t size = 1; size <= 40; ++size) {
        const StripExtent extent = StripExtentOf(thickness, size, flags | kShadowVertical);
        for (int32_t extra : {0, 1, 13}) {
          const int32_t cacheLength = static_cast<int32_t>(extent.length) + extra;
          const StripRuns runs = PieceRuns(flags, size, thickness, cacheLength);
          int32_t filled = 0;
          for (int i = 0; i < runs.count; ++i) {
            const StripRun& run = runs.runs[i];
            EXPECT_GE(run.source, 0);
            EXPECT_LE(run.source + run.count, cacheLength);
            EXPECT_EQ(filled, run.target);
            filled += run.count;
          }
          EXPECT_EQ(size, filled) << "flags " << flags << " t " << thickness << " size " << size;
        }
      }
}

}  // namespace
