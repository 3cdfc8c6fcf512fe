// Row spans and their merging into bands.
#include "core/image/region/region_from_image_spans.h"

#include <cstddef>
#include <utility>

namespace kelvra {

void RegionSpanBuilder::CloseBand() {
  done_.insert(done_.end(), band_.begin(), band_.end());
  band_.clear();
}

void RegionSpanBuilder::AddRow(int32_t y, const uint32_t* pixels, int32_t width) {
  spans_.clear();
  int32_t x = 0;
  while (x < width) {
    while (x < width && pixels[x] == key_) ++x;
    if (x >= width) break;
    const int32_t start = x;
    while (x < width && pixels[x] != key_) ++x;
    spans_.push_back({start, y, x, y + 1});
  }

  // A row with the same spans as the band directly above it extends the band.
  bool same = !band_.empty() && band_.size() == spans_.size() && band_.front().bottom == y;
  for (std::size_t i = 0; same && i < spans_.size(); ++i)
    same = band_[i].left == spans_[i].left && band_[i].right == spans_[i].right;
  if (same) {
    for (RegionRect& r : band_) r.bottom = y + 1;
    return;
  }
  CloseBand();
  band_ = spans_;
}

std::vector<RegionRect> RegionSpanBuilder::Finish() {
  CloseBand();
  return std::move(done_);
}

}  // namespace kelvra
