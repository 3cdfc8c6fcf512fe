// MemoryCanvas: a 32-bit runtime image selected into its own memory DC, kept
// between uses and made again only when a larger size is asked for. Scratch
// surfaces that painting reuses instead of allocating per paint.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/image/runtime_image.h"
#include "core/platform/win_handles.h"

namespace kelvra {

class MemoryCanvas {
 public:
  MemoryCanvas() = default;
  ~MemoryCanvas() { Release(); }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;

  // At least width x height: each side grows to the larger of the old and the asked
  // size, never shrinks. The pixels are undefined after a grow. False (and empty)
  // when the image or DC cannot be made.
  bool Ensure(int width, int height);
  // The DC deleted and the image freed.
  void Release();

  HDC dc() const { return dc_.get(); }
  image::RuntimeImage* image() const { return image_.get(); }
  int Width() const { return image_ ? image_->Width() : 0; }
  int Height() const { return image_ ? image_->Height() : 0; }

 private:
  std::unique_ptr<image::RuntimeImage> image_;
  UniqueDc dc_;
  HGDIOBJ previous_ = nullptr;
};

// Sets every pixel of `rect` (image pixels, clipped to the image) to `argb`.
// Flushes GDI first: the pixels are written through memory.
void FillImagePixels(image::RuntimeImage& image, const RECT& rect, uint32_t argb);
// Gives every pixel of `rect` alpha 255, keeping its colour: what plain GDI
// drawing left at alpha 0 becomes opaque.
void MakeImagePixelsOpaque(image::RuntimeImage& image, const RECT& rect);
// Gives the pixels of `rect` whose alpha is 0 the alpha `alpha`, in place (as
// FillZeroAlpha does to a whole bitmap through a copy).
void FillZeroAlphaPixels(image::RuntimeImage& image, const RECT& rect, uint8_t alpha);

}  // namespace kelvra
