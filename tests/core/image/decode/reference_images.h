// Reference image files written by the tests themselves: PNG in every colour type
// and bit depth (libpng's full writer, with or without gAMA, tRNS and interlacing)
// and BMP in each form Windows reads, built byte by byte. The tests compare what
// the decoders read with the sample values written here.
#pragma once

#include <png.h>

#include <array>
#include <csetjmp>
#include <cstdint>
#include <optional>
#include <vector>

#include "tests/core/image/image_fixtures.h"

namespace kelvra::test {

// ---- PNG

struct PngSpec {
  int width = 0, height = 0;
  int colourType = PNG_COLOR_TYPE_GRAY;
  int bitDepth = 8;
  bool interlaced = false;
  std::optional<double> gamma;                     // a gAMA chunk of this file gamma
  std::vector<std::array<uint8_t, 3>> palette;     // PLTE: red, green, blue
  std::vector<uint8_t> paletteAlpha;               // tRNS of a palette file
  std::optional<std::array<uint16_t, 3>> transparent;  // tRNS of a grey ([0]) or RGB file
  std::vector<uint16_t> samples;  // width * height * channels, each within the bit depth
};

inline int PngChannels(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY: case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    default: return 4;
  }
}

namespace detail {
inline void AppendToBytes(png_structp png, png_bytep data, size_t size) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}
inline void NoFlush(png_structp) {}

// Samples packed into the file's row layout: big-endian 16-bit, or several
// samples to a byte from the most significant bits down.
inline std::vector<Bytes> PackRows(const PngSpec& spec) {
  const int channels = PngChannels(spec.colourType);
  const size_t perRow = static_cast<size_t>(spec.width) * channels;
  std::vector<Bytes> rows(spec.height);
  for (int y = 0; y < spec.height; ++y) {
    Bytes& row = rows[y];
    row.assign((perRow * spec.bitDepth + 7) / 8, 0);
    for (size_t i = 0; i < perRow; ++i) {
      const uint16_t v = spec.samples[y * perRow + i];
      if (spec.bitDepth == 16) {
        row[i * 2] = uint8_t(v >> 8);
        row[i * 2 + 1] = uint8_t(v);
      } else {
        const size_t bit = i * spec.bitDepth;
        row[bit / 8] |= uint8_t(v << (8 - spec.bitDepth - bit % 8));
      }
    }
  }
  return rows;
}

// Everything with a destructor is the caller's: libpng leaves by longjmp.
inline bool WritePngInto(const PngSpec& spec, std::vector<Bytes>& rows, std::vector<png_bytep>& pointers,
                         std::vector<png_color>& plte, png_structp png, png_infop info, Bytes& out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, AppendToBytes, NoFlush);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  for (const auto& c : spec.palette) plte.push_back(png_color{c[0], c[1], c[2]});
  if (!plte.empty()) png_set_PLTE(png, info, plte.data(), static_cast<int>(plte.size()));
  if (spec.gamma) png_set_gAMA(png, info, *spec.gamma);
  if (!spec.paletteAlpha.empty()) {
    png_set_tRNS(png, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()), nullptr);
  } else if (spec.transparent) {
    png_color_16 colour{};
    colour.gray = (*spec.transparent)[0];
    colour.red = (*spec.transparent)[0];
    colour.green = (*spec.transparent)[1];
    colour.blue = (*spec.transparent)[2];
    png_set_tRNS(png, info, nullptr, 0, &colour);
  }
  png_write_info(png, info);
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());  // writes every interlace pass itself
  png_write_end(png, info);
  return true;
}
}  // namespace detail

inline Bytes WritePng(const PngSpec& spec) {
  Bytes out;
  std::vector<Bytes> rows = detail::PackRows(spec);
  std::vector<png_bytep> pointers;
  std::vector<png_color> plte;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool ok = info && detail::WritePngInto(spec, rows, pointers, plte, png, info, out);
  png_destroy_write_struct(&png, &info);
  if (!ok) out.clear();
  return out;
}

// ---- BMP

struct BmpSpec {
  uint32_t headerSize = 40;  // 12 (OS/2 1.x), 16 or 64 (OS/2 2.x), 40, 52, 56, 108, 124
  int32_t width = 0, height = 0;  // negative height: top-down rows
  uint16_t bitsPerPixel = 24;
  uint32_t compression = 0;
  std::vector<uint32_t> masks;  // BI_BITFIELDS: in the header (52 and up) or after a 40-byte one
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  Bytes pixels;  // the pixel data exactly as stored (rows padded, or RLE codes)
};

inline Bytes WriteBmp(const BmpSpec& spec) {
  const bool core = spec.headerSize == 12;
  const size_t masksAfter = spec.headerSize == 40 ? spec.masks.size() * 4 : 0;
  const size_t paletteBytes = spec.palette.size() * (core ? 3 : 4);
  const uint32_t pixelOffset = static_cast<uint32_t>(14 + spec.headerSize + masksAfter + paletteBytes);
  Bytes b;
  b.push_back('B');
  b.push_back('M');
  Put32(b, static_cast<uint32_t>(pixelOffset + spec.pixels.size()));
  Put32(b, 0);
  Put32(b, pixelOffset);
  Bytes h;
  Put32(h, spec.headerSize);
  if (core) {
    Put16(h, static_cast<uint16_t>(spec.width));
    Put16(h, static_cast<uint16_t>(spec.height));
    Put16(h, 1);
    Put16(h, spec.bitsPerPixel);
  } else {
    Put32(h, static_cast<uint32_t>(spec.width));
    Put32(h, static_cast<uint32_t>(spec.height));
    Put16(h, 1);
    Put16(h, spec.bitsPerPixel);
    Put32(h, spec.compression);
    Put32(h, static_cast<uint32_t>(spec.pixels.size()));
    Put32(h, 2835);
    Put32(h, 2835);
    Put32(h, static_cast<uint32_t>(spec.palette.size()));
    Put32(h, 0);
    if (spec.headerSize > 40)
      for (uint32_t m : spec.masks) Put32(h, m);
  }
  h.resize(spec.headerSize, 0);
  b.insert(b.end(), h.begin(), h.end());
  if (spec.headerSize == 40)
    for (uint32_t m : spec.masks) Put32(b, m);
  for (uint32_t c : spec.palette) {
    b.push_back(uint8_t(c));
    b.push_back(uint8_t(c >> 8));
    b.push_back(uint8_t(c >> 16));
    if (!core) b.push_back(0);
  }
  b.insert(b.end(), spec.pixels.begin(), spec.pixels.end());
  return b;
}

// Stored rows of `values` (one value per pixel, top row first), each value written
// in `bits` bits (1, 4, 8: an index; 16, 24, 32: little-endian), rows padded to 4
// bytes and stored bottom row first unless topDown.
inline Bytes BmpRows(const std::vector<uint32_t>& values, int width, int height, int bits, bool topDown) {
  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  Bytes out(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = out.data() + stride * (topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const uint32_t v = values[static_cast<size_t>(y) * width + x];
      if (bits < 8) {
        row[x * bits / 8] |= uint8_t(v << (8 - bits - (x * bits) % 8));
      } else {
        for (int i = 0; i < bits / 8; ++i) row[x * bits / 8 + i] = uint8_t(v >> (8 * i));
      }
    }
  }
  return out;
}

}  // namespace kelvra::test
