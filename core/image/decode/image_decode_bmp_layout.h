// The parts of a BMP file that the BMP reader's two halves share: what the header
// says, and the RLE expansion of 4- and 8-bit palette files. Pure: no Win32 types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvra::image::bmp {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6 };

// Expands RLE8 or RLE4 data into one palette index per pixel, top row first, for a
// bottom-up width x height image. `written` marks the pixels the data set: runs
// skipped by an end-of-line, a delta or an early end-of-bitmap stay unmarked (the
// file stores nothing there). False for data that ends before its last row or
// breaks the format; runs that reach past a row's end are clipped, not refused.
bool ExpandRle(const uint8_t* data, size_t size, bool fourBit, int width, int height,
               std::vector<uint8_t>& indices, std::vector<uint8_t>& written);

}  // namespace kelvra::image::bmp
