// Where a page's background or overlay image goes within the work rectangle:
// the placement values and flags turned into an offset and a layout. Pure
// arithmetic, no Win32 types; offsets are 64-bit because the placement values are
// a caller's 32-bit integers.
#pragma once

#include <cstdint>

namespace kelvra {

// The placement flags that decide where the image goes, read from PageImageFlags
// by the caller.
struct ImagePlacementFlags {
  bool xPercent = false;    // x: percentage of the width at which the image's centre lies
  bool yPercent = false;
  bool fromRight = false;   // x measured from the right edge
  bool fromBottom = false;
  bool centreX = false;     // centred, overriding x
  bool centreY = false;
  bool tileX = false;
  bool tileY = false;
  bool stretch = false;     // background: stretched; overlay: once at the top-left corner
};

struct ImagePlacementRequest {
  int32_t x = 0, y = 0;                   // the stored placement values
  int32_t imageWidth = 0, imageHeight = 0;  // the stored image size
  int32_t areaWidth = 0, areaHeight = 0;    // the work rectangle's size
  ImagePlacementFlags flags;
  bool overlay = false;  // the overlay set: stretch means "once, at the top-left corner"
};

enum class ImageLayout {
  None,     // nothing is drawn: an image without size would never advance a tile
  Single,   // one image at (x, y)
  Row,      // tiles from the left edge across, at height y
  Column,   // tiles from the top edge down, at x
  Grid,     // tiles over the whole area from its top-left corner
  Stretch,  // the image stretched over the area
  Corner,   // once at the top-left corner, at the area's size (the overlay's stretch flag)
};

struct ImagePlacement {
  ImageLayout layout = ImageLayout::None;
  int64_t x = 0, y = 0;  // from the area's top-left corner (Single, Row's y, Column's x)
};

ImagePlacement PlaceImage(const ImagePlacementRequest& request);

// Calls tile(x, y) for each tile of a Row, Column or Grid layout, relative to the
// area's top-left corner, row by row; tiles start inside the area and the last
// one of a row or column may run past its edge. Other layouts give no tile.
template <class Tile>
void ForEachImageTile(const ImagePlacement& placement, const ImagePlacementRequest& request, Tile&& tile) {
  const int64_t stepX = request.imageWidth, stepY = request.imageHeight;
  if (stepX <= 0 || stepY <= 0) return;
  switch (placement.layout) {
    case ImageLayout::Row:
      for (int64_t x = 0; x < request.areaWidth; x += stepX) tile(x, placement.y);
      break;
    case ImageLayout::Column:
      for (int64_t y = 0; y < request.areaHeight; y += stepY) tile(placement.x, y);
      break;
    case ImageLayout::Grid:
      for (int64_t y = 0; y < request.areaHeight; y += stepY)
        for (int64_t x = 0; x < request.areaWidth; x += stepX) tile(x, y);
      break;
    default:
      break;
  }
}

}  // namespace kelvra
