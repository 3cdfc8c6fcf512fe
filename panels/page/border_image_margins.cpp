// The border image analyses over the image runtime's images: the core's border
// image sets ask them for a slice rectangle and a mask they were not given.
#include <cstring>

#include "core/image/runtime_image.h"
#include "panels/page/border_image_analysis.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

image::PixelBuffer PixelsOf(const image::RuntimeImage& source) {
  image::PixelBuffer pixels;
  pixels.width = source.Width();
  pixels.height = source.Height();
  pixels.pixels.resize(static_cast<size_t>(pixels.width) * pixels.height);
  for (int y = 0; y < pixels.height; ++y) {
    uint32_t* row = &pixels.pixels[static_cast<size_t>(y) * pixels.width];
    if (source.BitsPerPixel() == 32) {
      std::memcpy(row, source.Row(y), static_cast<size_t>(pixels.width) * 4);
    } else {
      for (int x = 0; x < pixels.width; ++x) row[x] = source.Pixel(x, y);
    }
  }
  return pixels;
}

}  // namespace

SliceRect FindBorderImageMargins(const image::RuntimeImage& borderImage) {
  const auto margins = FindBorderMargins(PixelsOf(borderImage));
  return margins ? *margins : SliceRect{0, 0, borderImage.Width(), borderImage.Height()};
}

std::unique_ptr<image::RuntimeImage> CreateBorderMaskImage(const image::RuntimeImage& borderImage) {
  const auto mask = BuildBorderMask(PixelsOf(borderImage));
  return mask ? image::RuntimeImage::FromPixels(*mask) : nullptr;
}

}  // namespace kelvra
