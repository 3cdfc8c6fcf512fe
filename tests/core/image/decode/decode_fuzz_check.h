// What every decoder's fuzz target checks: any bytes either decode or are
// refused; a refusal leaves no pixels, and a decoded image is of a size the
// decoders allow with exactly one pixel per place, the same as the picking
// decoder gives for what the signature names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/image/decode/image_decode.h"

namespace kelvra::image {

inline int CheckDecoderOnFuzzInput(bool (*decode)(const uint8_t*, size_t, PixelBuffer&), const uint8_t* data,
                                   size_t size) {
  PixelBuffer out;
  if (!decode(data, size, out)) {
    if (out.width || out.height || !out.pixels.empty()) std::abort();
    return 0;
  }
  if (!SizeAllowed(out.width, out.height)) std::abort();
  if (out.pixels.size() != static_cast<size_t>(out.width) * static_cast<size_t>(out.height)) std::abort();
  PixelBuffer again;
  if (DecodeImage(data, size, again) && (again.width != out.width || again.pixels != out.pixels)) std::abort();
  return 0;
}

}  // namespace kelvra::image
