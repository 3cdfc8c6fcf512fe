// MemoryCanvas and the pixel fills shared by painters.
#include "core/image/memory_canvas.h"

#include <algorithm>

namespace kelvra {

namespace {

// The rectangle cut to the image; false when nothing of it remains.
bool ClipToImage(const image::RuntimeImage& image, const RECT& rect, RECT& out) {
  out = {std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0), std::min<LONG>(rect.right, image.Width()),
         std::min<LONG>(rect.bottom, image.Height())};
  return image.BitsPerPixel() == 32 && out.left < out.right && out.top < out.bottom;
}

}  // namespace

bool MemoryCanvas::Ensure(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  if (image_ && image_->Width() >= width && image_->Height() >= height) return true;
  const int newWidth = image_ ? std::max(width, image_->Width()) : width;
  const int newHeight = image_ ? std::max(height, image_->Height()) : height;
  Release();
  image_ = image::RuntimeImage::Create(newWidth, newHeight, 32);
  if (!image_) return false;
  dc_.reset(CreateCompatibleDC(nullptr));
  if (!dc_) {
    image_.reset();
    return false;
  }
  previous_ = SelectObject(dc_.get(), image_->Bitmap());
  return true;
}

void MemoryCanvas::Release() {
  if (dc_ && previous_) SelectObject(dc_.get(), previous_);
  previous_ = nullptr;
  dc_.reset();
  image_.reset();
}

void FillImagePixels(image::RuntimeImage& image, const RECT& rect, uint32_t argb) {
  RECT r;
  if (!ClipToImage(image, rect, r)) return;
  GdiFlush();
  for (LONG y = r.top; y < r.bottom; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.Row(y));
    std::fill(row + r.left, row + r.right, argb);
  }
}

void MakeImagePixelsOpaque(image::RuntimeImage& image, const RECT& rect) {
  RECT r;
  if (!ClipToImage(image, rect, r)) return;
  GdiFlush();
  for (LONG y = r.top; y < r.bottom; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.Row(y));
    for (LONG x = r.left; x < r.right; ++x) row[x] |= 0xFF000000u;
  }
}

void FillZeroAlphaPixels(image::RuntimeImage& image, const RECT& rect, uint8_t alpha) {
  RECT r;
  if (!ClipToImage(image, rect, r)) return;
  GdiFlush();
  const uint32_t value = uint32_t{alpha} << 24;
  for (LONG y = r.top; y < r.bottom; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.Row(y));
    for (LONG x = r.left; x < r.right; ++x)
      if (!(row[x] & 0xFF000000u)) row[x] |= value;
  }
}

}  // namespace kelvra
