// Builds the region in one ExtCreateRegion call from the merged row spans, rather
// than combining a 1 x 1 rectangle per pixel.
#include "core/image/region/region_from_image.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/image/region/region_from_image_spans.h"
#include "core/image/runtime_image.h"

namespace kelvra {

HRGN CreateRegionFromImage(const image::RuntimeImage& image, uint32_t key) {
  const int width = image.Width();
  const int height = image.Height();
  RegionSpanBuilder builder(key);
  std::vector<uint32_t> row(static_cast<size_t>(width > 0 ? width : 0));
  for (int y = 0; y < height && width > 0; ++y) {
    if (image.BitsPerPixel() == 32) {
      std::memcpy(row.data(), image.Row(y), row.size() * sizeof(uint32_t));
    } else {
      for (int x = 0; x < width; ++x) row[x] = image.Pixel(x, y);
    }
    builder.AddRow(y, row.data(), width);
  }
  const std::vector<RegionRect> rects = builder.Finish();
  if (rects.empty()) return CreateRectRgn(0, 0, 0, 0);

  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = RECT{width, height, 0, 0};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    data->rdh.rcBound.left = std::min(data->rdh.rcBound.left, out[i].left);
    data->rdh.rcBound.top = std::min(data->rdh.rcBound.top, out[i].top);
    data->rdh.rcBound.right = std::max(data->rdh.rcBound.right, out[i].right);
    data->rdh.rcBound.bottom = std::max(data->rdh.rcBound.bottom, out[i].bottom);
  }
  return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace kelvra
