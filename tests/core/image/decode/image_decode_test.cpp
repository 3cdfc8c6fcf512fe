// The pure decoders: good files of each format, and truncated, corrupt or
// oversized ones, which must fail cleanly.
#include <gtest/gtest.h>

#include <string>

#include "core/image/decode/image_decode.h"
#include "tests/core/image/image_fixtures.h"

namespace {

using kelvra::image::PixelBuffer;
using kelvra::test::Bytes;

const std::vector<uint32_t> kQuad = {0x80FF0000, 0xFF00FF00, 0xFF0000FF, 0x00FFFFFF};  // straight ARGB

TEST(ImageDecode, PngKeepsAlpha) {
  Bytes png = kelvra::test::MakePng(2, 2, kQuad);
  ASSERT_FALSE(png.empty());
  PixelBuffer out;
  ASSERT_TRUE(kelvra::image::DecodeImage(png.data(), png.size(), out));
  ASSERT_EQ(out.width, 2);
  ASSERT_EQ(out.height, 2);
  EXPECT_EQ(out.At(0, 0), 0x80FF0000u);
  EXPECT_EQ(out.At(1, 0), 0xFF00FF00u);
  EXPECT_EQ(out.At(0, 1), 0xFF0000FFu);
  EXPECT_EQ(out.At(1, 1) >> 24, 0u);
}

TEST(ImageDecode, JpegIsOpaque) {
  Bytes jpeg = kelvra::test::MakeJpeg(8, 4, 200, 40, 40);
  PixelBuffer out;
  ASSERT_TRUE(kelvra::image::DecodeImage(jpeg.data(), jpeg.size(), out));
  EXPECT_EQ(out.width, 8);
  EXPECT_EQ(out.height, 4);
  const uint32_t p = out.At(3, 2);
  EXPECT_EQ(p >> 24, 0xFFu);
  EXPECT_NEAR(int((p >> 16) & 0xFF), 200, 3);
  EXPECT_NEAR(int((p >> 8) & 0xFF), 40, 3);
}

TEST(ImageDecode, BmpDepthsAndOrientation) {
  struct Case { int bpp; bool topDown; } cases[] = {{24, false}, {24, true}, {32, false}, {32, true}};
  for (const auto& c : cases) {
    Bytes bmp = kelvra::test::MakeBmp(2, 2, c.bpp, kQuad, c.topDown);
    PixelBuffer out;
    ASSERT_TRUE(kelvra::image::DecodeBmp(bmp.data(), bmp.size(), out)) << c.bpp << c.topDown;
    EXPECT_EQ(out.At(0, 0) & 0xFFFFFF, 0xFF0000u) << c.bpp << c.topDown;
    EXPECT_EQ(out.At(0, 1) & 0xFFFFFF, 0x0000FFu) << c.bpp << c.topDown;
    if (c.bpp == 24) EXPECT_EQ(out.At(1, 1), 0xFFFFFFFFu) << "24-bit files are opaque";
    else EXPECT_EQ(out.At(0, 0), 0x80FF0000u) << "32-bit files keep their alpha";
  }
  // A 32-bit file whose fourth bytes are all 0 is opaque, not invisible.
  Bytes noAlpha = kelvra::test::MakeBmp(2, 2, 32, {0x00102030, 0x00102030, 0x00102030, 0x00102030});
  PixelBuffer out;
  ASSERT_TRUE(kelvra::image::DecodeBmp(noAlpha.data(), noAlpha.size(), out));
  EXPECT_EQ(out.At(1, 1), 0xFF102030u);
}

TEST(ImageDecode, SizeBounds) {
  EXPECT_TRUE(kelvra::image::SizeAllowed(1, 1));
  EXPECT_TRUE(kelvra::image::SizeAllowed(4096, 4096));
  EXPECT_FALSE(kelvra::image::SizeAllowed(0, 5));
  EXPECT_FALSE(kelvra::image::SizeAllowed(5, -1));
  EXPECT_FALSE(kelvra::image::SizeAllowed(16385, 1));
  EXPECT_FALSE(kelvra::image::SizeAllowed(16384, 16384));  // too many pixels in all
}

// Overwrites a 32-bit big-endian value (PNG) or little-endian value (BMP).
Bytes WithBig32(Bytes b, size_t at, uint32_t v) {
  b[at] = uint8_t(v >> 24); b[at + 1] = uint8_t(v >> 16); b[at + 2] = uint8_t(v >> 8); b[at + 3] = uint8_t(v);
  return b;
}
Bytes WithLittle32(Bytes b, size_t at, uint32_t v) {
  b[at] = uint8_t(v); b[at + 1] = uint8_t(v >> 8); b[at + 2] = uint8_t(v >> 16); b[at + 3] = uint8_t(v >> 24);
  return b;
}
Bytes Truncated(Bytes b, size_t keep) {
  b.resize(std::min(keep, b.size()));
  return b;
}
Bytes Flipped(Bytes b, size_t from) {
  for (size_t i = from; i < b.size(); ++i) b[i] ^= 0x5A;
  return b;
}

TEST(ImageDecode, HostileInputsFail) {
  std::vector<uint32_t> big(16 * 16, 0xFF336699);
  const Bytes png = kelvra::test::MakePng(16, 16, big);
  const Bytes jpeg = kelvra::test::MakeJpeg(16, 16, 10, 20, 30);
  const Bytes bmp = kelvra::test::MakeBmp(16, 16, 24, big);
  // The JPEG's frame header (SOF0) holds height and width after its marker and length.
  size_t sof = 0;
  for (size_t i = 0; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) { sof = i; break; }
  ASSERT_NE(sof, 0u);
  Bytes jpegHuge = jpeg;
  jpegHuge[sof + 5] = 0xFF; jpegHuge[sof + 6] = 0xFF; jpegHuge[sof + 7] = 0xFF; jpegHuge[sof + 8] = 0xFF;

  // A text chunk after the header claiming 1.4 GB of a 100-byte file: libpng
  // allocated all of it before finding the file cut short.
  Bytes pngHugeText = png;
  const Bytes hugeText = {0x54, 0x4C, 0x4E, 0x18, 't', 'E', 'X', 't', 'k', 0, 'v', 0, 0, 0, 0};
  pngHugeText.insert(pngHugeText.begin() + 33, hugeText.begin(), hugeText.end());

  struct Case { const char* what; Bytes data; } cases[] = {
      {"empty", {}},
      {"png signature only", Truncated(png, 8)},
      {"png cut in its header", Truncated(png, 20)},
      {"png cut in its pixels", Truncated(png, png.size() - 20)},
      {"png corrupt pixels", Flipped(png, 40)},
      {"png claims 65535 x 65535", WithBig32(WithBig32(png, 16, 0xFFFF), 20, 0xFFFF)},
      {"png claims 0 width", WithBig32(png, 16, 0)},
      {"png text chunk claims 1.4 GB", pngHugeText},
      {"jpeg markers only", Truncated(jpeg, 2)},
      {"jpeg cut in its header", Truncated(jpeg, sof + 4)},
      {"jpeg cut in its scan", Truncated(jpeg, jpeg.size() - 40)},
      {"jpeg corrupt tables", Flipped(Truncated(jpeg, 200), 20)},
      {"jpeg claims 65535 x 65535", jpegHuge},
      {"bmp signature only", Truncated(bmp, 2)},
      {"bmp cut in its header", Truncated(bmp, 30)},
      {"bmp cut in its pixels", Truncated(bmp, bmp.size() - 10)},
      {"bmp claims 100000 x 100000", WithLittle32(WithLittle32(bmp, 18, 100000), 22, 100000)},
      {"bmp claims a huge palette-less depth", WithLittle32(bmp, 28, 64)},
      {"bmp pixel offset past the end", WithLittle32(bmp, 10, 0x7FFFFFFF)},
      {"bmp header size past the end", WithLittle32(bmp, 14, 0xFFFFFFF0)},
      {"bmp run-length compressed", WithLittle32(bmp, 30, 1)},
      // A 15-byte header that ends the file: no format has one, and its depth lay
      // past the data's end.
      {"bmp header of 15 bytes", Bytes{'B', 'M', 0x7A, 0, 0, 0, 0, 0, 0, 0, 0x76, 0, 0, 0, 0x0F, 0, 0, 0, 0, 0, 0x0C,
                                       0, 0, 0, 0x04, 0, 0, 0, 0x0F}},
      {"unknown signature", Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0}},
  };
  for (const auto& c : cases) {
    PixelBuffer out;
    EXPECT_FALSE(kelvra::image::DecodeImage(c.data.data(), c.data.size(), out)) << c.what;
    EXPECT_TRUE(out.pixels.empty()) << c.what;
    EXPECT_EQ(out.width, 0) << c.what;
  }
  PixelBuffer out;
  EXPECT_FALSE(kelvra::image::DecodeImage(nullptr, 100, out));
}

}  // namespace
