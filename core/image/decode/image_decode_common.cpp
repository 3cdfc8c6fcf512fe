// Size bounds shared by the decoders and the choice of decoder by signature.
#include "core/image/decode/image_decode.h"

namespace kelvra::image {

bool SizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

bool DecodeImage(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  if (!data || size < 4) return false;
  if (data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') return DecodePng(data, size, out);
  if (data[0] == 0xFF && data[1] == 0xD8) return DecodeJpeg(data, size, out);
  if (data[0] == 'B' && data[1] == 'M') return DecodeBmp(data, size, out);
  return false;
}

}  // namespace kelvra::image
