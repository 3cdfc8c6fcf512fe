// ImageToPremultipliedBitmap over the kinds of picture it is given: bitmaps with
// and without alpha, icons with a mask and with alpha. The caller's picture must
// survive the call.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "premultiplied_bitmap.h"
#include "tests/support/win_test_helpers.h"

namespace {

constexpr int kWidth = 4, kHeight = 2;

// Pixels as 0xAARRGGBB, top row first.
using Pixels = std::vector<uint32_t>;

HBITMAP MakeDib(const Pixels& topDown, int bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bits);
  info.bmiHeader.biCompression = BI_RGB;
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  auto* bytes = static_cast<uint8_t*>(memory);
  const int stride = ((kWidth * bits / 8) + 3) & ~3;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t pixel = topDown[y * kWidth + x];
      uint8_t* at = bytes + y * stride + x * (bits / 8);
      at[0] = uint8_t(pixel), at[1] = uint8_t(pixel >> 8), at[2] = uint8_t(pixel >> 16);
      if (bits == 32) at[3] = uint8_t(pixel >> 24);
    }
  GdiFlush();
  return bitmap;
}

// A monochrome mask; set bits (1) are transparent.
HBITMAP MakeMask(const std::vector<int>& topDownBits) {
  // Rows of a monochrome bitmap are padded to 16 bits.
  uint8_t rows[kHeight][2] = {};
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (topDownBits[y * kWidth + x]) rows[y][0] |= uint8_t(0x80 >> x);
  return CreateBitmap(kWidth, kHeight, 1, 1, rows);
}

Pixels ReadTopDown(HBITMAP bitmap) {
  const Pixels pixels = kelvra::test::ReadBitmapPixels(bitmap, kWidth, kHeight);
  EXPECT_EQ(pixels.size(), size_t(kWidth * kHeight));
  return pixels;
}

// Every pixel position holds a different colour, so a flipped or shifted result shows.
const Pixels kColours = {0x80C86432, 0x00FFFFFF, 0xFF102030, 0x40FF0000,
                         0xFF00FF00, 0x20808080, 0x000000FF, 0xC0FFFFFF};

TEST(PremultipliedBitmap, ABitmapWithAlphaIsPremultipliedAndKept) {
  HBITMAP source = MakeDib(kColours, 32);
  HBITMAP result = showcase::ImageToPremultipliedBitmap(source);
  ASSERT_NE(result, nullptr);
  EXPECT_NE(result, source);
  const Pixels expected = {0x80643219, 0x00000000, 0xFF102030, 0x40400000,
                           0xFF00FF00, 0x20101010, 0x00000000, 0xC0C0C0C0};
  EXPECT_EQ(ReadTopDown(result), expected);
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(result, sizeof(info), &info));
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_NE(info.bmBits, nullptr) << "a DIB section";
  // The caller's bitmap is untouched and still alive.
  EXPECT_EQ(GetObjectType(source), DWORD(OBJ_BITMAP));
  EXPECT_EQ(ReadTopDown(source), kColours);
  DeleteObject(result);
  DeleteObject(source);
}

TEST(PremultipliedBitmap, ABitmapWithoutAlphaIsOpaque) {
  HBITMAP source = MakeDib(kColours, 24);
  HBITMAP result = showcase::ImageToPremultipliedBitmap(source);
  ASSERT_NE(result, nullptr);
  Pixels expected;
  for (uint32_t pixel : kColours) expected.push_back(0xFF000000 | (pixel & 0xFFFFFF));
  EXPECT_EQ(ReadTopDown(result), expected);
  EXPECT_EQ(GetObjectType(source), DWORD(OBJ_BITMAP));
  DeleteObject(result);
  DeleteObject(source);
}

HICON MakeIcon(HBITMAP colour, HBITMAP mask) {
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour;
  info.hbmMask = mask;
  HICON icon = CreateIconIndirect(&info);
  // The icon keeps copies of both.
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

Pixels WithoutAlpha(const Pixels& pixels) {
  Pixels result;
  for (uint32_t pixel : pixels) result.push_back(pixel & 0xFFFFFF);
  return result;
}

TEST(PremultipliedBitmap, IconsTakeTheirOwnAlphaOrWhereThatIsZeroTheirMask) {
  struct Case {
    const char* what;
    Pixels colours;
    std::vector<int> mask;
    Pixels expected;
  };
  const Case cases[] = {
      {"a mask and no alpha", WithoutAlpha(kColours), {1, 0, 0, 1, 0, 1, 0, 0},
       {0x00000000, 0xFFFFFFFF, 0xFF102030, 0x00000000, 0xFF00FF00, 0x00000000, 0xFF0000FF, 0xFFFFFFFF}},
      // Where the icon's own alpha is 0 its clear mask makes the pixel opaque.
      {"alpha and a clear mask", kColours, {0, 0, 0, 0, 0, 0, 0, 0},
       {0x80643219, 0xFFFFFFFF, 0xFF102030, 0x40400000, 0xFF00FF00, 0x20101010, 0xFF0000FF, 0xC0C0C0C0}},
  };
  for (const Case& c : cases) {
    HICON icon = MakeIcon(MakeDib(c.colours, 32), MakeMask(c.mask));
    ASSERT_NE(icon, nullptr) << c.what;
    HBITMAP result = showcase::ImageToPremultipliedBitmap(icon);
    ASSERT_NE(result, nullptr) << c.what;
    EXPECT_EQ(ReadTopDown(result), c.expected) << c.what;
    DeleteObject(result);
    // The icon is still whole: its pictures can be read and it can be destroyed.
    ICONINFO after{};
    ASSERT_TRUE(GetIconInfo(icon, &after)) << c.what;
    EXPECT_NE(after.hbmColor, nullptr);
    DeleteObject(after.hbmColor);
    DeleteObject(after.hbmMask);
    EXPECT_TRUE(DestroyIcon(icon)) << c.what;
  }
}

TEST(PremultipliedBitmap, NoPictureGivesNothing) {
  EXPECT_EQ(showcase::ImageToPremultipliedBitmap(nullptr), nullptr);
  HBITMAP gone = MakeDib(kColours, 32);
  DeleteObject(gone);
  EXPECT_EQ(showcase::ImageToPremultipliedBitmap(gone), nullptr);
  EXPECT_EQ(showcase::ImageToPremultipliedBitmap(reinterpret_cast<HANDLE>(0x12345)), nullptr);
}

TEST(PremultipliedBitmap, IconConversionsLeaveNoBitmapsBehind) {
  // 64 x 64: each bitmap GetIconInfo hands out holds 16 KB of pixels.
  HICON icon = MakeIcon(CreateBitmap(64, 64, 1, 32, nullptr), CreateBitmap(64, 64, 1, 1, nullptr));
  auto convert = [&](int times) {
    for (int i = 0; i < times; ++i) DeleteObject(showcase::ImageToPremultipliedBitmap(icon));
  };
  convert(200);  // settle the allocators
  const size_t before = kelvra::test::ProcessMemoryBytes();
  convert(1000);
  const size_t after = kelvra::test::ProcessMemoryBytes();
  // Leaking GetIconInfo's two bitmaps would keep some 20 MB of pixels.
  EXPECT_LT(after, before + 8 * 1024 * 1024);
  DestroyIcon(icon);
}

}  // namespace
