// Decode-to-pixels for PNG, JPEG and BMP over plain memory: no Win32 here, so the
// decoders build and test on any host. Callers wrap the pixels in a DIB section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvra::image {

// Decoded pixels: top row first, no row padding, each pixel 0xAARRGGBB with
// straight (not premultiplied) alpha. Pixels are the values the file stores, as
// Windows' own imaging reads them by default: no gamma or colour-profile
// conversion, 16-bit samples rounded to 8 bits, PNG tRNS as alpha. Formats
// without alpha decode opaque, and so does a BMP whose alpha bytes are all 0;
// pixels an RLE-compressed BMP skips decode transparent (0).
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Files come from anywhere (skins are shared): a header may claim any size. No
// image larger than this is allocated, whatever the format.
inline constexpr int kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t{16} * 1024 * 1024;
// Image files larger than this are refused before anything is read or allocated:
// the largest image stored uncompressed (32-bit BMP), plus room for its headers.
inline constexpr int64_t kMaxImageFileBytes = kMaxImagePixels * 4 + (int64_t{1} << 20);
// True when width x height is positive and within the bounds above.
bool SizeAllowed(int64_t width, int64_t height);

// Each returns false (and leaves `out` empty) for truncated, corrupt or oversized
// input; none calls exit, throws, or reads outside [data, data + size).
bool DecodePng(const uint8_t* data, size_t size, PixelBuffer& out);
bool DecodeJpeg(const uint8_t* data, size_t size, PixelBuffer& out);
bool DecodeBmp(const uint8_t* data, size_t size, PixelBuffer& out);
// Picks the decoder by the data's signature ("\x89PNG", "\xFF\xD8", "BM").
bool DecodeImage(const uint8_t* data, size_t size, PixelBuffer& out);

}  // namespace kelvra::image
