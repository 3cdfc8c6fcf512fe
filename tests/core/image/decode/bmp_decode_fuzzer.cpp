// Fuzz target of the BMP decode-to-pixels step: any bytes either decode or are
// refused; a refusal leaves no pixels, and a decoded image is of a size the
// decoders allow with exactly one pixel per place.
#include <cstdint>
#include <cstdlib>

#include "core/image/decode/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvra::image;
  PixelBuffer out;
  if (!DecodeBmp(data, size, out)) {
    if (out.width || out.height || !out.pixels.empty()) std::abort();
    return 0;
  }
  if (!SizeAllowed(out.width, out.height)) std::abort();
  if (out.pixels.size() != static_cast<size_t>(out.width) * static_cast<size_t>(out.height)) std::abort();
  // The picking decoder gives what the signature names.
  PixelBuffer again;
  if (DecodeImage(data, size, again) && (again.width != out.width || again.pixels != out.pixels)) std::abort();
  return 0;
}
