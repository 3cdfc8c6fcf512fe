// Where page images go and what the painter reads from a gradient, without
// windows.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "panels/paint/page_gradient_blend.h"
#include "panels/page/page_image_placement.h"

namespace kelvra {
namespace {

// A 10 x 10 image on a 100 x 40 area.
ImagePlacementRequest Request(int32_t x, int32_t y, ImagePlacementFlags flags) {
  ImagePlacementRequest request;
  request.x = x;
  request.y = y;
  request.imageWidth = 10;
  request.imageHeight = 10;
  request.areaWidth = 100;
  request.areaHeight = 40;
  request.flags = flags;
  return request;
}

TEST(PageImagePlacement, OffsetsByFlag) {
  ImagePlacementFlags none, percentX, percentY, rightPercent, centre, fromEdges;
  percentX.xPercent = true;
  percentY.yPercent = true;
  rightPercent.xPercent = rightPercent.fromRight = true;
  centre.centreX = centre.centreY = true;
  fromEdges.fromRight = fromEdges.fromBottom = true;
  ImagePlacementFlags centreOverridesPercent = percentX;
  centreOverridesPercent.centreX = true;
  struct Case {
    const char* name;
    ImagePlacementRequest request;
    int64_t x, y;
  } const cases[] = {
      {"as given", Request(7, 3, none), 7, 3},
      {"x = 50 % centres", Request(50, 3, percentX), 45, 3},
      {"y = 25 %", Request(0, 25, percentY), 0, 5},
      {"centre on the right edge", Request(0, 0, rightPercent), 95, 0},
      {"centred", Request(7, 3, centre), 45, 15},
      {"centring wins over the percentage", Request(10, 0, centreOverridesPercent), 45, 0},
      {"from the right and bottom edges", Request(5, 2, fromEdges), 85, 28},
      {"placement values far outside", Request(INT32_MAX, INT32_MIN, fromEdges), 90 - int64_t{INT32_MAX},
       30 - int64_t{INT32_MIN}},
  };
  for (const Case& c : cases) {
    const ImagePlacement placement = PlaceImage(c.request);
    EXPECT_EQ(placement.layout, ImageLayout::Single) << c.name;
    EXPECT_EQ(placement.x, c.x) << c.name;
    EXPECT_EQ(placement.y, c.y) << c.name;
  }
}

std::vector<std::pair<int64_t, int64_t>> Tiles(const ImagePlacementRequest& request) {
  std::vector<std::pair<int64_t, int64_t>> tiles;
  ForEachImageTile(PlaceImage(request), request, [&](int64_t x, int64_t y) { tiles.emplace_back(x, y); });
  return tiles;
}

TEST(PageImagePlacement, LayoutsAndTiles) {
  ImagePlacementFlags grid, row, column, stretch;
  grid.tileX = grid.tileY = true;
  row.tileX = true;
  column.tileY = true;
  stretch.stretch = stretch.tileX = true;
  ImagePlacementRequest sixteen = Request(3, 4, grid);
  sixteen.imageWidth = sixteen.imageHeight = 16;
  EXPECT_EQ(PlaceImage(sixteen).layout, ImageLayout::Grid);
  const auto gridTiles = Tiles(sixteen);
  ASSERT_EQ(gridTiles.size(), 21u);  // seven columns in three rows, from the corner
  EXPECT_EQ(gridTiles.front(), std::make_pair(int64_t{0}, int64_t{0}));
  EXPECT_EQ(gridTiles.back(), std::make_pair(int64_t{96}, int64_t{32}));

  sixteen.flags = row;
  const auto rowTiles = Tiles(sixteen);
  ASSERT_EQ(rowTiles.size(), 7u);
  EXPECT_EQ(rowTiles[1], std::make_pair(int64_t{16}, int64_t{4}));
  sixteen.flags = column;
  const auto columnTiles = Tiles(sixteen);
  ASSERT_EQ(columnTiles.size(), 3u);
  EXPECT_EQ(columnTiles[2], std::make_pair(int64_t{3}, int64_t{32}));

  // Stretching wins over tiling; the overlay's stretch flag means "once, at the corner".
  ImagePlacementRequest stretched = Request(5, 5, stretch);
  EXPECT_EQ(PlaceImage(stretched).layout, ImageLayout::Stretch);
  EXPECT_TRUE(Tiles(stretched).empty());
  stretched.overlay = true;
  const ImagePlacement corner = PlaceImage(stretched);
  EXPECT_EQ(corner.layout, ImageLayout::Corner);
  EXPECT_EQ(corner.x, 0);
  EXPECT_EQ(corner.y, 0);
}

TEST(PageImagePlacement, AnImageWithoutSizeDrawsNothing) {
  ImagePlacementFlags grid;
  grid.tileX = grid.tileY = true;
  for (auto [width, height] : {std::pair{0, 10}, {10, 0}, {-5, 10}, {10, -1}}) {
    ImagePlacementRequest request = Request(0, 0, grid);
    request.imageWidth = width;
    request.imageHeight = height;
    EXPECT_EQ(PlaceImage(request).layout, ImageLayout::None) << width << " x " << height;
    EXPECT_TRUE(Tiles(request).empty());  // and it would never advance
  }
}

TEST(PageGradientBlend, StartStopsEndAndTranslucency) {
  GradientRecord gradient;
  gradient.startColour = 0xFF0000FF;
  gradient.endColour = 0xFFFF0000;
  std::vector<uint32_t> colours{1, 2, 3, 4, 5};
  std::vector<float> positions{9, 9};
  BuildGradientBlend(gradient, colours, positions);
  EXPECT_EQ(colours, (std::vector<uint32_t>{0xFF0000FF, 0xFFFF0000}));
  EXPECT_EQ(positions, (std::vector<float>{0.0f, 1.0f}));
  EXPECT_FALSE(GradientIsTranslucent(gradient));

  gradient.stops = {{0xFF00FF00, 0.25f}, {0x80FFFFFF, 0.75f}};
  BuildGradientBlend(gradient, colours, positions);
  EXPECT_EQ(colours, (std::vector<uint32_t>{0xFF0000FF, 0xFF00FF00, 0x80FFFFFF, 0xFFFF0000}));
  EXPECT_EQ(positions, (std::vector<float>{0.0f, 0.25f, 0.75f, 1.0f}));
  EXPECT_TRUE(GradientIsTranslucent(gradient));  // a stop is enough

  gradient.stops.clear();
  gradient.endColour = 0x00FF0000;
  EXPECT_TRUE(GradientIsTranslucent(gradient));
}

}  // namespace
}  // namespace kelvra
