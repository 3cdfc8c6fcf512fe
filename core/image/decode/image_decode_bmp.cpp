// BMP to pixels by our own reader, as Windows reads BMP files: OS/2 1.x and 2.x
// headers and Windows headers of 40 to 124 bytes; 1/4/8-bit palettes, plain or
// RLE4/RLE8 compressed; 16- and 32-bit with the default or bit-field masks; 24-bit;
// bottom-up or top-down rows. Every read is checked against the data's end.
#include <cstring>
#include <new>

#include "core/image/decode/image_decode.h"
#include "core/image/decode/image_decode_bmp_layout.h"

namespace kelvra::image {
namespace {

using namespace bmp;

uint32_t Read16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Read32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// A channel under a bit-field mask of any width, scaled to 0..255 with rounding
// (a 5-bit 16 reads 132, as bit replication gives).
struct Field {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;
  explicit Field(uint32_t m) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    max = m >> shift;
  }
  uint32_t Get(uint32_t value) const {
    if (!max) return 0;
    return static_cast<uint32_t>((((value & mask) >> shift) * uint64_t{255} + max / 2) / max);
  }
};

struct Header {
  int64_t width = 0, height = 0;
  uint32_t bpp = 0, compression = kRgb, paletteCount = 0, imageBytes = 0;
  size_t paletteEntry = 4;  // OS/2 1.x palettes are 3 bytes an entry
  uint32_t masks[4] = {0, 0, 0, 0};
  size_t masksAfterHeader = 0;  // bytes of masks that follow a 40-byte header
};

// OS/2 2.x headers are 16 to 64 bytes; 40, 52 and 56 are Windows' own sizes.
bool IsOs2Version2(uint32_t headerSize) {
  return headerSize >= 16 && headerSize <= 64 && headerSize != 40 && headerSize != 52 && headerSize != 56;
}

bool ReadHeader(const uint8_t* data, size_t size, Header& h) {
  const uint32_t headerSize = Read32(data + 14);
  if (headerSize < 12 || headerSize > size - 14) return false;
  const uint8_t* p = data + 14;
  if (headerSize == 12) {  // OS/2 1.x: 16-bit sizes, no compression
    h.width = Read16(p + 4);
    h.height = Read16(p + 6);
    h.bpp = Read16(p + 10);
    h.paletteEntry = 3;
    return true;
  }
  // Every other header holds at least 32-bit sizes and the depth: 16 bytes. A
  // 13- to 15-byte one at the file's end had its depth read past the data.
  if (headerSize < 16) return false;
  h.width = static_cast<int32_t>(Read32(p + 4));
  h.height = static_cast<int32_t>(Read32(p + 8));
  h.bpp = Read16(p + 14);
  if (headerSize >= 20) h.compression = Read32(p + 16);
  if (headerSize >= 24) h.imageBytes = Read32(p + 20);
  if (headerSize >= 36) h.paletteCount = Read32(p + 32);
  if (IsOs2Version2(headerSize)) {
    // OS/2's compression 3 is Huffman and 4 is RLE24, which Windows does not read.
    return h.compression == kRgb || h.compression == kRle8 || h.compression == kRle4;
  }
  if (headerSize < 40) return false;
  if (h.compression == kBitfields || h.compression == kAlphaBitfields) {
    const size_t count = h.compression == kAlphaBitfields ? 4 : 3;
    if (headerSize == 40) h.masksAfterHeader = count * 4;
    if (14 + 40 + count * 4 > size) return false;
    for (size_t i = 0; i < count; ++i) h.masks[i] = Read32(p + 40 + i * 4);
    if (headerSize >= 56) h.masks[3] = Read32(p + 52);
  }
  return true;
}

bool ReadPalette(const uint8_t* data, size_t size, uint32_t headerSize, uint32_t pixelOffset, Header& h,
                 std::vector<uint32_t>& palette) {
  const uint32_t maxColours = 1u << h.bpp;
  uint32_t count = h.paletteCount;
  if (count == 0 || count > maxColours) count = maxColours;
  const size_t start = 14 + headerSize + h.masksAfterHeader;
  // Writers that store fewer entries than the depth allows (OS/2 1.x files name no
  // count at all) start the pixels right after them.
  if (pixelOffset > start && (pixelOffset - start) / h.paletteEntry < count)
    count = static_cast<uint32_t>((pixelOffset - start) / h.paletteEntry);
  if (start > size || count * h.paletteEntry > size - start) return false;
  // Indices past the palette's end read as opaque black.
  palette.assign(maxColours, 0xFF000000);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* e = data + start + i * h.paletteEntry;
    palette[i] = 0xFF000000 | (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
  }
  return true;
}

// Pixels of palette files compressed with RLE4 or RLE8; what the data skips is
// left transparent.
bool DecodeRle(const uint8_t* data, size_t size, size_t pixelOffset, const Header& h,
               const std::vector<uint32_t>& palette, PixelBuffer& result) {
  size_t available = size - pixelOffset;
  if (h.imageBytes && h.imageBytes < available) available = h.imageBytes;
  std::vector<uint8_t> indices, written;
  if (!ExpandRle(data + pixelOffset, available, h.compression == kRle4, result.width, result.height, indices,
                 written))
    return false;
  for (size_t i = 0; i < indices.size(); ++i) result.pixels[i] = written[i] ? palette[indices[i]] : 0;
  return true;
}

bool DecodeRows(const uint8_t* data, size_t size, size_t pixelOffset, const Header& h, bool topDown,
                const std::vector<uint32_t>& palette, PixelBuffer& result) {
  const uint64_t rowBytes = ((static_cast<uint64_t>(result.width) * h.bpp + 31) / 32) * 4;
  if (rowBytes * static_cast<uint64_t>(result.height) > size - pixelOffset) return false;
  const Field red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
  const bool masked = h.bpp == 16 || h.compression != kRgb;
  bool anyAlpha = false;
  for (int row = 0; row < result.height; ++row) {
    const uint8_t* src = data + pixelOffset + rowBytes * static_cast<uint64_t>(row);
    const int y = topDown ? row : result.height - 1 - row;
    for (int x = 0; x < result.width; ++x) {
      uint32_t pixel;
      switch (h.bpp) {
        case 1: pixel = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
        case 4: pixel = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
        case 8: pixel = palette[src[x]]; break;
        case 24: {
          const uint8_t* p = src + x * 3;
          pixel = 0xFF000000 | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
          break;
        }
        default: {
          const uint32_t v = h.bpp == 16 ? Read16(src + x * 2) : Read32(src + x * 4);
          if (!masked) {
            pixel = v;
          } else {
            const uint32_t a = h.masks[3] ? alpha.Get(v) : 0xFF;
            pixel = (a << 24) | (red.Get(v) << 16) | (green.Get(v) << 8) | blue.Get(v);
          }
          break;
        }
      }
      if (pixel >> 24) anyAlpha = true;
      result.At(x, y) = pixel;
    }
  }
  // Most 32-bit BMPs leave the fourth byte 0 (and an alpha mask can select only
  // zeros): such a file is opaque, not invisible.
  const bool hasAlphaChannel = (h.bpp == 32 && !masked) || h.masks[3] != 0;
  if (hasAlphaChannel && !anyAlpha)
    for (auto& p : result.pixels) p |= 0xFF000000;
  return true;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t pixelOffset = Read32(data + 10);
  const uint32_t headerSize = Read32(data + 14);
  Header h;
  if (!ReadHeader(data, size, h)) return false;
  const bool topDown = h.height < 0;
  if (topDown) h.height = -h.height;
  if (!SizeAllowed(h.width, h.height)) return false;

  switch (h.compression) {
    case kRgb:
      if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) return false;
      if (h.bpp == 16) {  // 5-5-5 unless masks say otherwise
        h.masks[0] = 0x7C00; h.masks[1] = 0x03E0; h.masks[2] = 0x001F;
      }
      break;
    case kRle8:
    case kRle4:
      // Compressed rows run bottom-up only.
      if (h.bpp != (h.compression == kRle8 ? 8u : 4u) || topDown) return false;
      break;
    case kBitfields:
    case kAlphaBitfields:
      if (h.bpp != 16 && h.bpp != 32) return false;
      break;
    default:
      return false;  // embedded JPEG or PNG, OS/2 Huffman, RLE24
  }

  std::vector<uint32_t> palette;  // at most 256 entries
  if (h.bpp <= 8 && !ReadPalette(data, size, headerSize, pixelOffset, h, palette)) return false;
  if (pixelOffset > size) return false;

  try {
    PixelBuffer result;
    result.pixels.resize(static_cast<size_t>(h.width * h.height));
    result.width = static_cast<int>(h.width);
    result.height = static_cast<int>(h.height);
    const bool ok = (h.compression == kRle8 || h.compression == kRle4)
                        ? DecodeRle(data, size, pixelOffset, h, palette, result)
                        : DecodeRows(data, size, pixelOffset, h, topDown, palette, result);
    if (!ok) return false;
    out = std::move(result);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace kelvra::image
