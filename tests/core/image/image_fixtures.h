// Tiny image files made in memory for the image tests: PNG (libpng's writer), JPEG
// (libjpeg's compressor), 24/32-bit BMP and a 32-bit ICO built byte by byte.
#pragma once

#include <png.h>
#include <cstdio>
#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kelvra::test {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); }
inline void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xFFFF); Put16(b, v >> 16); }

// argb: width*height pixels 0xAARRGGBB, top row first.
inline Bytes MakePng(int width, int height, const std::vector<uint32_t>& argb) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, argb.data(), width * 4, nullptr);
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, argb.data(), width * 4, nullptr)) out.clear();
  out.resize(size);
  return out;
}

inline Bytes MakeJpeg(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<uint8_t> row(width * 3);
  for (int x = 0; x < width; ++x) { row[x * 3] = r; row[x * 3 + 1] = g; row[x * 3 + 2] = b; }
  while (info.next_scanline < info.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&info, &p, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

// Bottom-up BMP (topDown: negative height) of 24 or 32 bits.
inline Bytes MakeBmp(int width, int height, int bpp, const std::vector<uint32_t>& argb, bool topDown = false) {
  const int rowBytes = ((width * bpp + 31) / 32) * 4;
  Bytes b;
  b.push_back('B'); b.push_back('M');
  Put32(b, 54 + rowBytes * height); Put32(b, 0); Put32(b, 54);
  Put32(b, 40); Put32(b, width); Put32(b, topDown ? uint32_t(-height) : uint32_t(height));
  Put16(b, 1); Put16(b, bpp); Put32(b, 0); Put32(b, rowBytes * height);
  Put32(b, 2835); Put32(b, 2835); Put32(b, 0); Put32(b, 0);
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    size_t start = b.size();
    for (int x = 0; x < width; ++x) {
      uint32_t p = argb[y * width + x];
      b.push_back(uint8_t(p)); b.push_back(uint8_t(p >> 8)); b.push_back(uint8_t(p >> 16));
      if (bpp == 32) b.push_back(uint8_t(p >> 24));
    }
    while (b.size() - start < size_t(rowBytes)) b.push_back(0);
  }
  return b;
}

// A one-image ICO with a 32-bit colour part (alpha as given) and an AND mask that
// marks pixels with alpha 0 transparent.
inline Bytes MakeIco(int size, const std::vector<uint32_t>& argb) {
  const int maskRow = ((size + 31) / 32) * 4;
  const uint32_t imageBytes = 40 + size * size * 4 + maskRow * size;
  Bytes b;
  Put16(b, 0); Put16(b, 1); Put16(b, 1);
  b.push_back(uint8_t(size)); b.push_back(uint8_t(size)); b.push_back(0); b.push_back(0);
  Put16(b, 1); Put16(b, 32); Put32(b, imageBytes); Put32(b, 22);
  Put32(b, 40); Put32(b, size); Put32(b, size * 2); Put16(b, 1); Put16(b, 32); Put32(b, 0);
  Put32(b, size * size * 4 + maskRow * size); Put32(b, 0); Put32(b, 0); Put32(b, 0); Put32(b, 0);
  for (int row = size - 1; row >= 0; --row)
    for (int x = 0; x < size; ++x) Put32(b, argb[row * size + x]);
  for (int row = size - 1; row >= 0; --row) {
    Bytes bits(maskRow, 0);
    for (int x = 0; x < size; ++x)
      if (!(argb[row * size + x] >> 24)) bits[x / 8] |= uint8_t(0x80 >> (x % 8));
    b.insert(b.end(), bits.begin(), bits.end());
  }
  return b;
}

}  // namespace kelvra::test
