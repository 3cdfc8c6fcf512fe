// BMP to pixels by our own reader: 1/4/8-bit palettes, 16-bit (5-5-5 or bit
// fields), 24-bit and 32-bit, bottom-up or top-down. Compressed (RLE) files are
// refused. Every read is checked against the data's end.
#include <cstring>
#include <new>

#include "core/image/image_decode.h"

namespace kelvra::image {
namespace {

uint32_t Read16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Read32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// A channel under a bit-field mask, scaled to 0..255.
struct Field {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;
  explicit Field(uint32_t m) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    max = m >> shift;
  }
  uint32_t Get(uint32_t value) const { return max ? ((value & mask) >> shift) * 255 / max : 0; }
};

constexpr uint32_t kBiRgb = 0, kBiBitfields = 3, kBiAlphaBitfields = 6;

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t pixelOffset = Read32(data + 10);
  const uint32_t headerSize = Read32(data + 14);
  if (headerSize < 12 || headerSize > size - 14) return false;
  const uint8_t* h = data + 14;
  int64_t width, height;
  uint32_t bpp, compression = kBiRgb, paletteCount = 0;
  size_t paletteEntry = 4;
  if (headerSize == 12) {  // BITMAPCOREHEADER
    width = Read16(h + 4);
    height = static_cast<int16_t>(Read16(h + 6));
    bpp = Read16(h + 10);
    paletteEntry = 3;
  } else {
    if (headerSize < 40) return false;
    width = static_cast<int32_t>(Read32(h + 4));
    height = static_cast<int32_t>(Read32(h + 8));
    bpp = Read16(h + 14);
    compression = Read32(h + 16);
    paletteCount = Read32(h + 32);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (!SizeAllowed(width, height)) return false;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return false;

  uint32_t masks[4] = {0, 0, 0, 0};
  if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
    if (bpp != 16 && bpp != 32) return false;
    // The masks follow a 40-byte header, or are part of a larger one.
    const size_t count = compression == kBiAlphaBitfields ? 4 : 3;
    if (14 + 40 + count * 4 > size) return false;
    for (size_t i = 0; i < count; ++i) masks[i] = Read32(h + 40 + i * 4);
    if (headerSize >= 56) masks[3] = Read32(h + 52);
  } else if (compression != kBiRgb) {
    return false;
  } else if (bpp == 16) {
    masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
  }

  std::vector<uint32_t> palette;
  if (bpp <= 8) {
    const uint32_t maxColours = 1u << bpp;
    if (paletteCount == 0 || paletteCount > maxColours) paletteCount = maxColours;
    size_t paletteStart = 14 + headerSize;
    if (compression == kBiBitfields) paletteStart += 12;
    if (paletteStart + paletteCount * paletteEntry > size) return false;
    palette.resize(maxColours, 0xFF000000);
    for (uint32_t i = 0; i < paletteCount; ++i) {
      const uint8_t* e = data + paletteStart + i * paletteEntry;
      palette[i] = 0xFF000000 | (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
    }
  }

  const uint64_t rowBytes = ((static_cast<uint64_t>(width) * bpp + 31) / 32) * 4;
  if (pixelOffset > size || rowBytes * static_cast<uint64_t>(height) > size - pixelOffset) return false;

  PixelBuffer result;
  try {
    result.pixels.resize(static_cast<size_t>(width * height));
  } catch (const std::bad_alloc&) {
    return false;
  }
  result.width = static_cast<int>(width);
  result.height = static_cast<int>(height);
  const Field red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
  bool anyAlpha = false;
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = data + pixelOffset + rowBytes * static_cast<uint64_t>(row);
    const int y = static_cast<int>(topDown ? row : height - 1 - row);
    for (int x = 0; x < result.width; ++x) {
      uint32_t pixel;
      switch (bpp) {
        case 1: pixel = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: pixel = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
        case 8: pixel = palette[src[x]]; break;
        case 16: {
          const uint32_t v = Read16(src + x * 2);
          pixel = 0xFF000000 | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
          break;
        }
        case 24: {
          const uint8_t* p = src + x * 3;
          pixel = 0xFF000000 | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
          break;
        }
        default: {
          const uint32_t v = Read32(src + x * 4);
          if (compression == kBiRgb) {
            pixel = v;
          } else {
            const uint32_t a = masks[3] ? alpha.Get(v) : 0xFF;
            pixel = (a << 24) | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
          }
          break;
        }
      }
      if (pixel >> 24) anyAlpha = true;
      result.At(x, y) = pixel;
    }
  }
  // Most 32-bit BMPs leave the fourth byte 0: such a file is opaque, not invisible.
  if (bpp == 32 && compression == kBiRgb && !anyAlpha)
    for (auto& p : result.pixels) p |= 0xFF000000;
  out = std::move(result);
  return true;
}

}  // namespace kelvra::image
