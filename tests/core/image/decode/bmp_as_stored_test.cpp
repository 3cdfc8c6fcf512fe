// BMP files decode to the values they store, in each form Windows reads: palette
// depths, RLE4 and RLE8, 16- and 32-bit with bit-field masks, OS/2 headers, both
// row orders, and 32-bit files whose alpha bytes are all 0 (opaque).
#include <gtest/gtest.h>

#include <string>

#include "core/image/decode/image_decode.h"
#include "tests/core/image/decode/reference_images.h"

namespace {

using kelvra::image::PixelBuffer;
using kelvra::test::BmpRows;
using kelvra::test::BmpSpec;
using kelvra::test::Bytes;
using kelvra::test::WriteBmp;

constexpr int kW = 5, kH = 3;  // an odd width, so rows carry padding
constexpr uint32_t kClear = 0;  // a pixel the file stores nothing for

const std::vector<uint32_t> kPalette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                                        0x123456, 0xABCDEF, 0x808080};
// Palette indices of the 5 x 3 image, top row first.
const std::vector<uint32_t> kIndices = {0, 1, 2, 3, 4, 5, 6, 7, 1, 0, 7, 6, 5, 4, 3};

std::vector<uint32_t> Opaque(const std::vector<uint32_t>& indices, const std::vector<uint32_t>& palette) {
  std::vector<uint32_t> out;
  for (uint32_t i : indices) out.push_back(i == ~0u ? kClear : 0xFF000000 | palette[i]);
  return out;
}

// A channel of `bits` bits as 8 bits, rounded.
uint32_t Scale(uint32_t v, int bits) { return (v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1); }

struct Case {
  std::string what;
  BmpSpec spec;
  int width, height;
  std::vector<uint32_t> expected;  // top row first
};

BmpSpec Spec(uint32_t headerSize, int bits, bool topDown, uint32_t compression = 0) {
  BmpSpec s;
  s.headerSize = headerSize;
  s.width = kW;
  s.height = topDown ? -kH : kH;
  s.bitsPerPixel = static_cast<uint16_t>(bits);
  s.compression = compression;
  return s;
}

std::vector<Case> PaletteAndTrueColourCases() {
  std::vector<Case> cases;
  for (bool topDown : {false, true}) {
    const std::string order = topDown ? " top-down" : " bottom-up";
    for (int bits : {1, 4, 8}) {
      // A 1-bit image can only use indices 0 and 1.
      std::vector<uint32_t> indices = kIndices;
      if (bits == 1)
        for (auto& i : indices) i &= 1;
      BmpSpec s = Spec(40, bits, topDown);
      s.palette.assign(kPalette.begin(), kPalette.begin() + std::min<size_t>(kPalette.size(), 1u << bits));
      s.pixels = BmpRows(indices, kW, kH, bits, topDown);
      cases.push_back({std::to_string(bits) + "-bit palette" + order, s, kW, kH, Opaque(indices, kPalette)});
    }
    std::vector<uint32_t> colours;
    for (uint32_t i : kIndices) colours.push_back(kPalette[i]);
    BmpSpec s24 = Spec(40, 24, topDown);
    s24.pixels = BmpRows(colours, kW, kH, 24, topDown);
    cases.push_back({"24-bit" + order, s24, kW, kH, Opaque(kIndices, kPalette)});

    // 32-bit with its own alpha, stored straight.
    std::vector<uint32_t> argb;
    for (size_t i = 0; i < colours.size(); ++i) argb.push_back(colours[i] | uint32_t(i * 17) << 24);
    BmpSpec s32 = Spec(40, 32, topDown);
    s32.pixels = BmpRows(argb, kW, kH, 32, topDown);
    cases.push_back({"32-bit with alpha" + order, s32, kW, kH, argb});
    // The same colours with every alpha byte 0: opaque.
    s32.pixels = BmpRows(colours, kW, kH, 32, topDown);
    cases.push_back({"32-bit, alpha all 0" + order, s32, kW, kH, Opaque(kIndices, kPalette)});

    // 16-bit 5-5-5 (the default) from 5-bit channel values.
    std::vector<uint32_t> words, expected;
    for (int i = 0; i < kW * kH; ++i) {
      const uint32_t r = (i * 7) % 32, g = (i * 11 + 3) % 32, b = 31 - i;
      words.push_back(r << 10 | g << 5 | b);
      expected.push_back(0xFF000000 | Scale(r, 5) << 16 | Scale(g, 5) << 8 | Scale(b, 5));
    }
    BmpSpec s16 = Spec(40, 16, topDown);
    s16.pixels = BmpRows(words, kW, kH, 16, topDown);
    cases.push_back({"16-bit 5-5-5" + order, s16, kW, kH, expected});
  }
  return cases;
}

std::vector<Case> BitFieldCases() {
  std::vector<Case> cases;
  std::vector<uint32_t> words, expected565, expected1555;
  for (int i = 0; i < kW * kH; ++i) {
    const uint32_t r = (i * 5) % 32, g = (i * 9 + 1) % 64, b = (i * 3 + 2) % 32;
    words.push_back(r << 11 | g << 5 | b);
    expected565.push_back(0xFF000000 | Scale(r, 5) << 16 | Scale(g, 6) << 8 | Scale(b, 5));
  }
  BmpSpec s565 = Spec(40, 16, false, 3);
  s565.masks = {0xF800, 0x07E0, 0x001F};
  s565.pixels = BmpRows(words, kW, kH, 16, false);
  cases.push_back({"16-bit 5-6-5 bit fields", s565, kW, kH, expected565});

  // 1-5-5-5 with an alpha mask in a 108-byte header.
  words.clear();
  for (int i = 0; i < kW * kH; ++i) {
    const uint32_t a = i & 1, r = i, g = 31 - i, b = (i * 2) % 32;
    words.push_back(a << 15 | r << 10 | g << 5 | b);
    expected1555.push_back((a ? 0xFF000000 : 0) | Scale(r, 5) << 16 | Scale(g, 5) << 8 | Scale(b, 5));
  }
  BmpSpec s1555 = Spec(108, 16, true, 3);
  s1555.masks = {0x7C00, 0x03E0, 0x001F, 0x8000};
  s1555.pixels = BmpRows(words, kW, kH, 16, true);
  cases.push_back({"16-bit 1-5-5-5 with alpha mask, top-down", s1555, kW, kH, expected1555});

  // 32-bit with red in the low byte (bit fields after a 40-byte header).
  std::vector<uint32_t> rgbx, expectedRgbx;
  for (int i = 0; i < kW * kH; ++i) {
    const uint32_t c = kPalette[kIndices[i]];  // 0x00RRGGBB
    rgbx.push_back((c >> 16 & 0xFF) | (c & 0xFF00) | (c & 0xFF) << 16);
    expectedRgbx.push_back(0xFF000000 | c);
  }
  BmpSpec sRgbx = Spec(40, 32, false, 3);
  sRgbx.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  sRgbx.pixels = BmpRows(rgbx, kW, kH, 32, false);
  cases.push_back({"32-bit bit fields, red low", sRgbx, kW, kH, expectedRgbx});

  // A 124-byte header with an alpha mask; then the same with every alpha 0.
  std::vector<uint32_t> argb;
  for (int i = 0; i < kW * kH; ++i) argb.push_back(kPalette[kIndices[i]] | uint32_t(255 - i * 9) << 24);
  BmpSpec sV5 = Spec(124, 32, false, 3);
  sV5.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  sV5.pixels = BmpRows(argb, kW, kH, 32, false);
  cases.push_back({"32-bit 124-byte header with alpha", sV5, kW, kH, argb});
  std::vector<uint32_t> noAlpha;
  for (uint32_t p : argb) noAlpha.push_back(p & 0xFFFFFF);
  sV5.pixels = BmpRows(noAlpha, kW, kH, 32, false);
  cases.push_back({"32-bit alpha mask selecting only zeros", sV5, kW, kH, Opaque(kIndices, kPalette)});

  // Wide masks: 10-10-10, and a 24-bit red channel whose scaling needs 64 bits.
  std::vector<uint32_t> wide, expectedWide;
  for (int i = 0; i < kW * kH; ++i) {
    const uint32_t r = i * 68, g = 1023 - i * 60, b = (i * 301) % 1024;
    wide.push_back(r << 20 | g << 10 | b);
    expectedWide.push_back(0xFF000000 | Scale(r, 10) << 16 | Scale(g, 10) << 8 | Scale(b, 10));
  }
  BmpSpec s1010 = Spec(40, 32, false, 3);
  s1010.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  s1010.pixels = BmpRows(wide, kW, kH, 32, false);
  cases.push_back({"32-bit 10-10-10", s1010, kW, kH, expectedWide});
  BmpSpec s24bitRed = Spec(40, 32, false, 3);
  s24bitRed.width = 3;
  s24bitRed.height = 1;
  s24bitRed.masks = {0xFFFFFF00, 0, 0x000000FF};
  s24bitRed.pixels = BmpRows({0xFFFFFF00, 0x80000000, 0x000000FF}, 3, 1, 32, false);
  cases.push_back({"32-bit, 24-bit red mask", s24bitRed, 3, 1, {0xFFFF0000, 0xFF800000, 0xFF0000FF}});
  return cases;
}

std::vector<Case> RleCases() {
  std::vector<Case> cases;
  constexpr uint32_t T = ~0u;  // unwritten
  BmpSpec rle8;
  rle8.width = 6;
  rle8.height = 4;
  rle8.bitsPerPixel = 8;
  rle8.compression = 1;
  rle8.palette = kPalette;
  rle8.pixels = {
      3, 1, 0, 3, 2, 3, 4, 0,  // bottom row: run of 3, absolute run of 3 (padded), ...
      0, 0,                    // ... end of line
      0, 2, 2, 0, 2, 5, 0, 0,  // delta 2 right, run of 2, end of line
      0, 2, 1, 1,              // delta 1 right and 1 up: the third row is skipped
      5, 6, 0, 1,              // run of 5 on the top row, end of bitmap
  };
  cases.push_back({"RLE8 with delta, skipped row and early end", rle8, 6, 4,
                   Opaque({T, 6, 6, 6, 6, 6, /**/ T, T, T, T, T, T, /**/ T, T, 5, 5, T, T, /**/ 1, 1, 1, 2, 3, 4},
                          kPalette)});

  BmpSpec rle4 = rle8;
  rle4.height = 2;
  rle4.bitsPerPixel = 4;
  rle4.compression = 2;
  rle4.pixels = {
      3, 0x12, 0, 3, 0x34, 0x50, 0, 0,  // run of 3 alternating 1 and 2; absolute 3, 4, 5
      0, 5, 0x67, 0x12, 0x30, 0,        // absolute run of 5 (3 bytes, padded to 4)
      0, 1,                             // end of bitmap: the last pixel stays unwritten
  };
  cases.push_back({"RLE4 runs and absolute runs", rle4, 6, 2, Opaque({6, 7, 1, 2, 3, T, 1, 2, 1, 3, 4, 5}, kPalette)});

  BmpSpec clipped = rle8;
  clipped.width = 2;
  clipped.height = 2;
  clipped.pixels = {5, 1, 0, 0, 2, 2, 0, 1};  // a run past the row's end does not wrap
  cases.push_back({"RLE8 run clipped at the row's end", clipped, 2, 2, Opaque({2, 2, 1, 1}, kPalette)});
  return cases;
}

std::vector<Case> Os2Cases() {
  std::vector<Case> cases;
  BmpSpec core8 = Spec(12, 8, false);
  core8.palette = kPalette;
  core8.pixels = BmpRows(kIndices, kW, kH, 8, false);
  cases.push_back({"OS/2 1.x 8-bit, 3-byte palette", core8, kW, kH, Opaque(kIndices, kPalette)});
  std::vector<uint32_t> colours;
  for (uint32_t i : kIndices) colours.push_back(kPalette[i]);
  BmpSpec core24 = Spec(12, 24, false);
  core24.pixels = BmpRows(colours, kW, kH, 24, false);
  cases.push_back({"OS/2 1.x 24-bit", core24, kW, kH, Opaque(kIndices, kPalette)});
  BmpSpec os2v2 = Spec(64, 4, false);
  os2v2.palette = kPalette;
  os2v2.pixels = BmpRows(kIndices, kW, kH, 4, false);
  cases.push_back({"OS/2 2.x 4-bit", os2v2, kW, kH, Opaque(kIndices, kPalette)});
  BmpSpec os2short = Spec(16, 24, false);
  os2short.pixels = BmpRows(colours, kW, kH, 24, false);
  cases.push_back({"OS/2 2.x 16-byte header 24-bit", os2short, kW, kH, Opaque(kIndices, kPalette)});
  return cases;
}

TEST(BmpAsStored, EachFormDecodesToTheValuesWritten) {
  std::vector<Case> cases = PaletteAndTrueColourCases();
  for (auto* more : {&BitFieldCases, &RleCases, &Os2Cases}) {
    auto extra = more();
    cases.insert(cases.end(), extra.begin(), extra.end());
  }
  for (const Case& c : cases) {
    const Bytes file = WriteBmp(c.spec);
    PixelBuffer out;
    ASSERT_TRUE(kelvra::image::DecodeBmp(file.data(), file.size(), out)) << c.what;
    ASSERT_EQ(out.width, c.width) << c.what;
    ASSERT_EQ(out.height, c.height) << c.what;
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_EQ(out.pixels[i], c.expected[i]) << c.what << " at pixel " << i << std::hex << ": got " << out.pixels[i]
                                              << ", stored " << c.expected[i];
  }
}

TEST(BmpAsStored, MalformedFormsFail) {
  auto rle = RleCases()[0].spec;
  std::vector<std::pair<std::string, BmpSpec>> bad;
  BmpSpec cut = rle;
  cut.pixels.resize(9);  // the codes stop in the middle of the image
  bad.push_back({"RLE8 cut short", cut});
  BmpSpec cutAbsolute = rle;
  cutAbsolute.pixels.resize(5);  // inside an absolute run
  bad.push_back({"RLE8 cut inside an absolute run", cutAbsolute});
  BmpSpec topDown = rle;
  topDown.height = -topDown.height;
  bad.push_back({"RLE8 top-down", topDown});
  BmpSpec wrongDepth = rle;
  wrongDepth.bitsPerPixel = 4;
  bad.push_back({"RLE8 at 4 bits", wrongDepth});
  BmpSpec huffman = Spec(64, 1, false, 3);
  huffman.palette = {0, 0xFFFFFF};
  huffman.pixels = BmpRows(std::vector<uint32_t>(kW * kH, 1), kW, kH, 1, false);
  bad.push_back({"OS/2 Huffman", huffman});
  BmpSpec fields24 = Spec(40, 24, false, 3);
  fields24.masks = {0xFF0000, 0xFF00, 0xFF};
  fields24.pixels = Bytes(kW * kH * 3 + 8, 0);
  bad.push_back({"bit fields at 24 bits", fields24});
  BmpSpec embedded = Spec(40, 0, false, 4);
  embedded.pixels = Bytes(64, 0xFF);
  bad.push_back({"embedded JPEG", embedded});
  BmpSpec shortRows = Spec(40, 24, false);
  shortRows.pixels = Bytes(kW * 3 * kH, 0);  // rows without their padding
  bad.push_back({"rows missing their padding", shortRows});
  for (const auto& [what, spec] : bad) {
    const Bytes file = WriteBmp(spec);
    PixelBuffer out;
    EXPECT_FALSE(kelvra::image::DecodeBmp(file.data(), file.size(), out)) << what;
    EXPECT_TRUE(out.pixels.empty()) << what;
  }
}

}  // namespace
