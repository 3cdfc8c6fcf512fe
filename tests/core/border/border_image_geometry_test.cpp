// The pure arithmetic of border image sets: piece boxes, slice checks, and edge
// tiling limited to what can be seen, over spans as large as 64 bits allow.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "core/border/border_image_geometry.h"

namespace {

using kelvra::ForEachEdgeTile;
using kelvra::VisibleSpan;

struct Tile {
  int64_t position, length;
  bool clipped;
  bool operator==(const Tile&) const = default;
};

std::vector<Tile> Tiles(int64_t start, int64_t limit, int64_t step, VisibleSpan visible = {}) {
  std::vector<Tile> out;
  ForEachEdgeTile(start, limit, step, [&](int64_t p, int64_t l, bool c) { out.push_back({p, l, c}); }, visible);
  return out;
}

TEST(EdgeTiles, LastTileIsClippedAndEmptySpansGiveNone) {
  EXPECT_EQ(Tiles(10, 90, 20), (std::vector<Tile>{{10, 20, false}, {30, 20, false}, {50, 20, false}, {70, 20, false}}));
  EXPECT_EQ(Tiles(10, 85, 20).back(), (Tile{70, 15, true}));
  EXPECT_TRUE(Tiles(10, 10, 20).empty());
  EXPECT_TRUE(Tiles(10, 5, 20).empty());
  EXPECT_TRUE(Tiles(0, 100, 0).empty());
}

// Limiting to a visible span gives exactly the tiles of the whole walk that meet
// it, whatever the span, step and phase.
TEST(EdgeTiles, VisibleSpanGivesExactlyTheTilesThatMeetIt) {
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    const int64_t start = int64_t(random() % 200) - 100, limit = start + int64_t(random() % 400) - 50;
    const int64_t step = 1 + random() % 30;
    const int64_t from = int64_t(random() % 500) - 200, to = from + int64_t(random() % 200) - 20;
    const VisibleSpan visible{from, to};
    std::vector<Tile> expected;
    for (const Tile& t : Tiles(start, limit, step))
      if (visible.Meets(t.position, t.length)) expected.push_back(t);
    EXPECT_EQ(Tiles(start, limit, step, visible), expected)
        << start << ".." << limit << " step " << step << " visible " << from << ".." << to;
  }
}

TEST(EdgeTiles, SpansOfBillionsCostWhatIsVisible) {
  // From the far left of the 32-bit range to the far right: 4 billion pixels.
  const int64_t start = int64_t{INT32_MIN} + 10, limit = int64_t{INT32_MAX} - 10;
  const auto tiles = Tiles(start, limit, 7, VisibleSpan{-3, 25});
  ASSERT_FALSE(tiles.empty());
  EXPECT_LE(tiles.size(), 6u);
  EXPECT_LT(tiles.front().position, -3 + 7);
  EXPECT_LE(tiles.front().position, -3);
  EXPECT_GE(tiles.back().position + tiles.back().length, 25);
  for (const Tile& t : tiles) EXPECT_EQ((t.position - start) % 7, 0);
  EXPECT_TRUE(Tiles(start, limit, 1, VisibleSpan{int64_t{1} << 40, (int64_t{1} << 40) + 5}).empty());
}

TEST(SlicePieces, BoxesAndChecks) {
  const kelvra::SliceRect slice{10, 5, 30, 20};
  const auto pieces = kelvra::SlicePieces(40, 30, slice);
  const struct { int piece; kelvra::PieceBox box; } expected[] = {
      {kelvra::kTopLeftCorner, {0, 0, 10, 5}},     {kelvra::kTopEdge, {10, 0, 20, 5}},
      {kelvra::kTopRightCorner, {30, 0, 10, 5}},   {kelvra::kLeftEdge, {0, 5, 10, 15}},
      {kelvra::kRightEdge, {30, 5, 10, 15}},       {kelvra::kBottomLeftCorner, {0, 20, 10, 10}},
      {kelvra::kBottomEdge, {10, 20, 20, 10}},     {kelvra::kBottomRightCorner, {30, 20, 10, 10}},
  };
  for (const auto& e : expected) {
    const auto& b = pieces[e.piece];
    EXPECT_EQ(b.x, e.box.x) << e.piece;
    EXPECT_EQ(b.y, e.box.y) << e.piece;
    EXPECT_EQ(b.width, e.box.width) << e.piece;
    EXPECT_EQ(b.height, e.box.height) << e.piece;
  }
  EXPECT_TRUE(kelvra::SliceFits(slice, 40, 30));
  EXPECT_FALSE(kelvra::SliceFits({10, 5, 41, 20}, 40, 30));
  EXPECT_FALSE(kelvra::SliceFits({-1, 5, 30, 20}, 40, 30));
  EXPECT_FALSE(kelvra::SliceFits({30, 5, 10, 20}, 40, 30));
  EXPECT_EQ(kelvra::NormaliseFoundSlice({30, 5, 10, 20}, 40, 30), (kelvra::SliceRect{1, 5, 2, 20}));
  EXPECT_EQ(kelvra::NormaliseFoundSlice({INT32_MIN, 0, INT32_MAX, 99}, 40, 30), (kelvra::SliceRect{0, 0, 40, 30}));
}

}  // namespace
