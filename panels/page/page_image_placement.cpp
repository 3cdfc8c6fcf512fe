// Page image placement: the offset first (percentages, then edges, then
// centring), then the layout.
#include "panels/page/page_image_placement.h"

#include <cmath>

namespace kelvra {

namespace {

// The offset of an image whose centre lies at `percent` of `extent`.
int64_t AtPercent(int32_t extent, int32_t percent, int32_t size) {
  return std::llround(static_cast<double>(extent) / 100.0 * percent - size / 2.0);
}

}  // namespace

ImagePlacement PlaceImage(const ImagePlacementRequest& request) {
  ImagePlacement placement;
  const int64_t width = request.imageWidth, height = request.imageHeight;
  // A tile that never advances would tile forever; an image without size shows nothing.
  if (width <= 0 || height <= 0) return placement;
  const ImagePlacementFlags& f = request.flags;
  int64_t x = request.x, y = request.y;
  if (f.xPercent) x = AtPercent(request.areaWidth, request.x, request.imageWidth);
  if (f.yPercent) y = AtPercent(request.areaHeight, request.y, request.imageHeight);
  if (f.fromRight) x = request.areaWidth - width - x;
  if (f.fromBottom) y = request.areaHeight - height - y;
  if (f.centreX) x = request.areaWidth / 2 - width / 2;
  if (f.centreY) y = request.areaHeight / 2 - height / 2;
  placement.x = x;
  placement.y = y;
  if (f.stretch) {
    placement.layout = request.overlay ? ImageLayout::Corner : ImageLayout::Stretch;
    placement.x = placement.y = 0;
  } else if (f.tileX && f.tileY) {
    placement.layout = ImageLayout::Grid;
  } else if (f.tileX) {
    placement.layout = ImageLayout::Row;
  } else if (f.tileY) {
    placement.layout = ImageLayout::Column;
  } else {
    placement.layout = ImageLayout::Single;
  }
  return placement;
}

}  // namespace kelvra
