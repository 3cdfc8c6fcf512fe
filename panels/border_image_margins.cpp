// Stand-ins until panels are built: no margins found, and a mask from the border
// image's transparent pixels (enough for sets to clip rounded corners).
#include "panels/border_image_margins.h"

#include "core/image/runtime_image.h"

namespace kelvra {

SliceRect FindBorderImageMargins(const image::RuntimeImage& borderImage) {
  return SliceRect{0, 0, borderImage.Width(), borderImage.Height()};
}

std::unique_ptr<image::RuntimeImage> CreateBorderMaskImage(const image::RuntimeImage& borderImage) {
  auto mask = image::RuntimeImage::Create(borderImage.Width(), borderImage.Height(), 32);
  if (!mask) return nullptr;
  for (int y = 0; y < borderImage.Height(); ++y)
    for (int x = 0; x < borderImage.Width(); ++x)
      mask->SetPixel(x, y, (borderImage.Pixel(x, y) >> 24) == 0 ? 0xFFFFFFFFu : 0u);
  return mask;
}

}  // namespace kelvra
