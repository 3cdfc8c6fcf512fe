// PNG to pixels through libpng's simplified reader, which reports errors by its
// return value (it longjmps internally and never exits the process).
#include <png.h>

#include <new>

#include "core/image/image_decode.h"

namespace kelvra::image {

bool DecodePng(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  if (!data || size < 8) return false;
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, data, size)) {
    png_image_free(&png);
    return false;
  }
  // The header's claim is checked before anything of that size is allocated.
  if (!SizeAllowed(png.width, png.height)) {
    png_image_free(&png);
    return false;
  }
  png.format = PNG_FORMAT_BGRA;  // bytes B, G, R, A: a little-endian 0xAARRGGBB
  PixelBuffer result;
  try {
    result.pixels.resize(static_cast<size_t>(png.width) * png.height);
  } catch (const std::bad_alloc&) {
    png_image_free(&png);
    return false;
  }
  const bool ok = png_image_finish_read(&png, nullptr, result.pixels.data(),
                                        static_cast<png_int_32>(png.width * 4), nullptr) != 0;
  png_image_free(&png);
  if (!ok) return false;
  result.width = static_cast<int>(png.width);
  result.height = static_cast<int>(png.height);
  out = std::move(result);
  return true;
}

}  // namespace kelvra::image
