// PNG files decode to the values they store: every colour type and bit depth, with
// and without gAMA, interlaced or not, tRNS honoured, 16-bit samples rounded.
#include <gtest/gtest.h>

#include <string>

#include "core/image/decode/image_decode.h"
#include "tests/core/image/decode/reference_images.h"

namespace {

using kelvra::image::PixelBuffer;
using kelvra::test::Bytes;
using kelvra::test::PngSpec;

// What a sample of `depth` bits reads as in 8 bits: low depths are scaled up
// exactly, 16 bits are scaled down with rounding.
uint32_t To8(uint32_t v, int depth) {
  if (depth == 16) return (v * 255 + 32767) / 65535;
  return v * 255 / ((1u << depth) - 1);
}

// The pixel a reader must produce for the samples of one pixel of `spec`.
uint32_t Expected(const PngSpec& spec, const uint16_t* s) {
  const int d = spec.bitDepth;
  uint32_t r, g, b, a = 255;
  switch (spec.colourType) {
    case PNG_COLOR_TYPE_PALETTE: {
      const auto& c = spec.palette[s[0]];
      r = c[0], g = c[1], b = c[2];
      if (s[0] < spec.paletteAlpha.size()) a = spec.paletteAlpha[s[0]];
      break;
    }
    case PNG_COLOR_TYPE_GRAY:
      r = g = b = To8(s[0], d);
      if (spec.transparent && s[0] == (*spec.transparent)[0]) a = 0;
      break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
      r = g = b = To8(s[0], d);
      a = To8(s[1], d);
      break;
    case PNG_COLOR_TYPE_RGB:
      r = To8(s[0], d), g = To8(s[1], d), b = To8(s[2], d);
      if (spec.transparent && s[0] == (*spec.transparent)[0] && s[1] == (*spec.transparent)[1] &&
          s[2] == (*spec.transparent)[2])
        a = 0;
      break;
    default:
      r = To8(s[0], d), g = To8(s[1], d), b = To8(s[2], d), a = To8(s[3], d);
      break;
  }
  return (a << 24) | (r << 16) | (g << 8) | b;
}

// A 7 x 5 image (odd, so every interlace pass is ragged) of varied samples; the
// first pixel carries the tRNS colour when there is one.
PngSpec MakeSpec(int colourType, int depth, bool interlaced, std::optional<double> gamma, bool withTrns) {
  PngSpec spec;
  spec.width = 7;
  spec.height = 5;
  spec.colourType = colourType;
  spec.bitDepth = depth;
  spec.interlaced = interlaced;
  spec.gamma = gamma;
  const int channels = kelvra::test::PngChannels(colourType);
  const uint32_t top = (1u << depth) - 1;  // the largest sample (or palette index)
  if (colourType == PNG_COLOR_TYPE_PALETTE) {
    for (uint32_t i = 0; i <= top; ++i)
      spec.palette.push_back({uint8_t(i * 37 + 11), uint8_t(255 - i * 13), uint8_t(i * 101)});
    // Shorter than the palette (where the palette allows): the rest is opaque.
    if (withTrns) spec.paletteAlpha = depth == 1 ? std::vector<uint8_t>{128} : std::vector<uint8_t>{0, 128, 255};
  }
  uint32_t seed = 12345u + colourType * 100u + depth;
  for (int i = 0; i < spec.width * spec.height * channels; ++i) {
    seed = seed * 1103515245u + 12345u;
    spec.samples.push_back(static_cast<uint16_t>((seed >> 8) % (top + 1)));
  }
  // The extremes appear too: 0 and the full value must come out as 0 and 255.
  spec.samples[channels] = 0;
  spec.samples[2 * channels] = static_cast<uint16_t>(top);
  if (withTrns && colourType != PNG_COLOR_TYPE_PALETTE) {
    std::array<uint16_t, 3> key{};
    for (int c = 0; c < channels; ++c) key[c] = spec.samples[c];
    spec.transparent = key;
  }
  return spec;
}

std::string Describe(const PngSpec& s) {
  return "type " + std::to_string(s.colourType) + " depth " + std::to_string(s.bitDepth) +
         (s.interlaced ? " interlaced" : "") + (s.gamma ? " gAMA " + std::to_string(*s.gamma) : "") +
         (s.transparent || !s.paletteAlpha.empty() ? " tRNS" : "");
}

void ExpectDecodesAsStored(const PngSpec& spec) {
  const Bytes file = kelvra::test::WritePng(spec);
  ASSERT_FALSE(file.empty()) << Describe(spec);
  PixelBuffer out;
  ASSERT_TRUE(kelvra::image::DecodePng(file.data(), file.size(), out)) << Describe(spec);
  ASSERT_EQ(out.width, spec.width);
  ASSERT_EQ(out.height, spec.height);
  const int channels = kelvra::test::PngChannels(spec.colourType);
  int wrong = 0;
  for (int y = 0; y < spec.height; ++y)
    for (int x = 0; x < spec.width; ++x) {
      const uint32_t want = Expected(spec, &spec.samples[(static_cast<size_t>(y) * spec.width + x) * channels]);
      if (out.At(x, y) != want && wrong++ < 3)
        ADD_FAILURE() << Describe(spec) << " at (" << x << ", " << y << "): got " << std::hex << out.At(x, y)
                      << ", stored " << want;
    }
}

TEST(PngAsStored, EveryColourTypeAndDepthWithAndWithoutGammaAndInterlacing) {
  const struct {
    int colourType;
    std::vector<int> depths;
    bool canHaveTrns;
  } kinds[] = {
      {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}, true},
      {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}, true},
      {PNG_COLOR_TYPE_RGB, {8, 16}, true},
      {PNG_COLOR_TYPE_GRAY_ALPHA, {8, 16}, false},
      {PNG_COLOR_TYPE_RGB_ALPHA, {8, 16}, false},
  };
  // No gAMA; the sRGB-like 1/2.2; and linear 1.0, which a gamma-correcting reader
  // would brighten.
  const std::optional<double> gammas[] = {std::nullopt, 1 / 2.2, 1.0};
  for (const auto& kind : kinds)
    for (int depth : kind.depths)
      for (bool interlaced : {false, true})
        for (const auto& gamma : gammas)
          for (bool trns : {false, true}) {
            if (trns && !kind.canHaveTrns) continue;
            ExpectDecodesAsStored(MakeSpec(kind.colourType, depth, interlaced, gamma, trns));
          }
}

// Every one of the 65536 16-bit values reads as round(v * 255 / 65535), and the
// interlaced file reads the same as the plain one.
TEST(PngAsStored, SixteenBitSamplesRoundToEightBits) {
  PngSpec spec;
  spec.width = 256;
  spec.height = 256;
  spec.colourType = PNG_COLOR_TYPE_GRAY;
  spec.bitDepth = 16;
  for (uint32_t v = 0; v < 65536; ++v) spec.samples.push_back(static_cast<uint16_t>(v));
  PixelBuffer plain, interlaced;
  const Bytes plainFile = kelvra::test::WritePng(spec);
  spec.interlaced = true;
  const Bytes interlacedFile = kelvra::test::WritePng(spec);
  ASSERT_TRUE(kelvra::image::DecodePng(plainFile.data(), plainFile.size(), plain));
  ASSERT_TRUE(kelvra::image::DecodePng(interlacedFile.data(), interlacedFile.size(), interlaced));
  int wrong = 0;
  for (uint32_t v = 0; v < 65536; ++v) {
    const uint32_t level = To8(v, 16);
    const uint32_t want = 0xFF000000 | level * 0x010101;
    if (plain.pixels[v] != want && wrong++ < 3) ADD_FAILURE() << "value " << v << ": got " << std::hex << plain.pixels[v];
  }
  EXPECT_EQ(plain.pixels, interlaced.pixels);
  EXPECT_EQ(plain.pixels[0x8000] & 0xFF, 128u) << "127.502 rounds up";
  EXPECT_EQ(plain.pixels[0x7FFF] & 0xFF, 127u) << "127.498 rounds down";
}

TEST(PngAsStored, DamagedFilesStillFail) {
  const Bytes good = kelvra::test::WritePng(MakeSpec(PNG_COLOR_TYPE_RGB_ALPHA, 16, true, 1.0, false));
  PixelBuffer out;
  ASSERT_TRUE(kelvra::image::DecodePng(good.data(), good.size(), out));
  for (size_t cut : {size_t{8}, size_t{33}, good.size() / 2, good.size() - 13}) {
    EXPECT_FALSE(kelvra::image::DecodePng(good.data(), cut, out)) << "cut at " << cut;
    EXPECT_TRUE(out.pixels.empty());
  }
  Bytes corrupt = good;
  corrupt[20] ^= 0xFF;  // IHDR's width, caught by its CRC
  EXPECT_FALSE(kelvra::image::DecodePng(corrupt.data(), corrupt.size(), out));
}

}  // namespace
